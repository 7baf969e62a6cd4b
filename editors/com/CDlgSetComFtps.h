#pragma once
// "FTP server": the device's FTP server (COM.FTP), edited in place. While it is
// disabled nothing is checked and its fields cannot change.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "editors/toolkit/item_editor.h"
#include "model/setting_data.h"

namespace tk48 {

class CDlgSetComFtps : public ItemEditor {
  Q_OBJECT

 public:
  CDlgSetComFtps(QWidget* parent, SettingData& record, UiPort& ui);

  QComboBox* mode;
  QLineEdit* login;
  QLineEdit* password;
  QLineEdit* port;
  QPushButton* okButton;
  QPushButton* cancelButton;

 protected:
  void UpdateEnables() override;
  bool Validate() override;

 private:
  const SettingData& record_;
};

bool RunSetComFtps(QWidget* parent, SettingData& record, UiPort& ui);

}  // namespace tk48
