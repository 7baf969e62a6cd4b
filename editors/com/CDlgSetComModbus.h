#pragma once
// "Modbus/TCP slave": the device's Modbus/TCP slave (COM.MODBUS_TCP), edited
// in place. Port, its uniqueness and the linger time are checked whatever the mode.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "editors/toolkit/item_editor.h"
#include "model/setting_data.h"

namespace tk48 {

class CDlgSetComModbus : public ItemEditor {
  Q_OBJECT

 public:
  CDlgSetComModbus(QWidget* parent, SettingData& record, UiPort& ui);

  QComboBox* mode;
  QLineEdit* port;
  QLineEdit* linger;
  QPushButton* okButton;
  QPushButton* cancelButton;

 protected:
  void UpdateEnables() override;
  bool Validate() override;

 private:
  const SettingData& record_;
};

bool RunSetComModbus(QWidget* parent, SettingData& record, UiPort& ui);

}  // namespace tk48
