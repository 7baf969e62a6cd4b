#include "editors/CDlgSetIo.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "editors/CDlgSetIoAiCh.h"
#include "editors/CDlgSetIoNode.h"
#include "editors/editor_text.h"
#include "editors/keys.h"
#include "resources/text_ids.h"

namespace tk48 {

// Each section's list screen fills in its opener here when it arrives.
const IoMenuEntry (&IoMenuEntries())[9] {
  static const IoMenuEntry entries[9] = {
      {text::kIoSlaveSetting, &RunSlaveList},
      {text::kAnalogInput, &RunAiList},
      {text::kDiscreteInput, nullptr},
      {text::kPulseInput, nullptr},
      {text::kAnalogFunctionRegister, nullptr},
      {text::kDigitalFunctionRegister, nullptr},
      {text::kAnalogOutput, nullptr},
      {text::kDiscreteOutput, nullptr},
      {text::kGroupedDigitalOutput, nullptr},
  };
  return entries;
}

CDlgSetIo::CDlgSetIo(QWidget* parent, SettingData& record, UiPort& ui) : QDialog(parent) {
  setWindowTitle(Tx(text::kInputOutput));
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  for (int i = 0; i < 9; ++i) {
    const IoMenuEntry& entry = IoMenuEntries()[i];
    auto* button = new QPushButton(Tx(entry.textId), this);
    button->setAutoDefault(false);
    button->setEnabled(entry.open != nullptr);
    connect(button, &QPushButton::clicked, this, [this, &record, &ui, open = entry.open] {
      if (open) open(this, record, ui);
    });
    layout->addWidget(button);
    buttons_[i] = button;
  }
  auto* back = new QPushButton(Tx(text::kBack), this);
  back->setAutoDefault(false);
  connect(back, &QPushButton::clicked, this, &QDialog::reject);
  layout->addSpacing(8);
  layout->addWidget(back);
  BindEnter(this, [this] { reject(); });
}

bool RunSetIo(QWidget* parent, SettingData& record, UiPort& ui) {
  CDlgSetIo menu(parent, record, ui);
  menu.exec();
  return true;
}

}  // namespace tk48
