#pragma once
// "SNTP": the device's time server (COM.SNTP), edited in place. The server
// name is checked whatever the mode.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "editors/toolkit/item_editor.h"
#include "model/setting_data.h"

namespace tk48 {

class CDlgSetComSntp : public ItemEditor {
  Q_OBJECT

 public:
  CDlgSetComSntp(QWidget* parent, SettingData& record, UiPort& ui);

  QComboBox* mode;
  QLineEdit* server;
  QPushButton* okButton;
  QPushButton* cancelButton;

 protected:
  void UpdateEnables() override;
  bool Validate() override;
};

bool RunSetComSntp(QWidget* parent, SettingData& record, UiPort& ui);

}  // namespace tk48
