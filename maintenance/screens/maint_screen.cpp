#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "editors/toolkit/keys.h"
#include "maintenance/screens/maint_screens.h"
#include "resources/text_ids.h"

namespace tk48::maint {

MaintScreen::MaintScreen(QWidget* parent, MaintEnv& env, int titleId)
    : QDialog(parent), env_(env), layout_(new QVBoxLayout(this)), form_(new QFormLayout),
      commands_(new QHBoxLayout) {
  setWindowTitle(Tx(titleId));
  layout_->addLayout(form_);
  layout_->addLayout(commands_);
  BindEnter(this, [this] { reject(); });
}

QPushButton* MaintScreen::AddCommand(int textId, std::function<void()> run) {
  auto* button = new QPushButton(Tx(textId), this);
  button->setAutoDefault(false);
  connect(button, &QPushButton::clicked, this, [run = std::move(run)] { run(); });
  commands_->addWidget(button);
  return button;
}

QLineEdit* MaintScreen::AddShown(int labelId, const std::string& text) {
  auto* field = EditField(this, 240);
  field->setReadOnly(true);
  field->setText(QString::fromStdString(text));
  AddRow(form_, labelId, field);
  return field;
}

void MaintScreen::AddBack() {
  auto* back = new QPushButton(Tx(text::kBack), this);
  back->setAutoDefault(false);
  connect(back, &QPushButton::clicked, this, &QDialog::reject);
  layout_->addWidget(back, 0, Qt::AlignRight);
}

}  // namespace tk48::maint
