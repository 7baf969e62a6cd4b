#include "editors/toolkit/menu_screen.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/keys.h"
#include "resources/text_ids.h"

namespace tk48 {

MenuScreen::MenuScreen(QWidget* parent, int titleId, std::span<const MenuEntry> entries, SettingData& record,
                       UiPort& ui)
    : QDialog(parent) {
  setWindowTitle(Tx(titleId));
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  for (const MenuEntry& entry : entries) {
    auto* button = new QPushButton(Tx(entry.textId), this);
    button->setAutoDefault(false);
    button->setEnabled(entry.open != nullptr);
    connect(button, &QPushButton::clicked, this, [this, &record, &ui, open = entry.open] {
      if (open) open(this, record, ui);
    });
    layout->addWidget(button);
    buttons_.push_back(button);
  }
  back_ = new QPushButton(Tx(text::kBack), this);
  back_->setAutoDefault(false);
  connect(back_, &QPushButton::clicked, this, &QDialog::reject);
  layout->addSpacing(8);
  layout->addWidget(back_);
  BindEnter(this, [this] { reject(); });
}

}  // namespace tk48
