#pragma once
// "Web server": protocol, port and the 32 login identities of the device's
// web server (COM.WEB). The identities are edited on a working copy (the
// identity screen, its rights screens, whole-identity Copy and Paste); the
// record receives protocol, port and all identities only when OK passes.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "editors/toolkit/item_editor.h"
#include "editors/toolkit/list_screen.h"
#include "model/setting_data.h"

namespace tk48 {

class CDlgSetComWebAuth : public ItemEditor {
  Q_OBJECT

 public:
  CDlgSetComWebAuth(QWidget* parent, SettingData& record, UiPort& ui);

  QComboBox* protocol;
  QLineEdit* port;
  ListView* identities;  // "ID", "Mode", "Login ID"
  QPushButton* okButton;
  QPushButton* cancelButton;
  const std::array<WebAccount, 32>& Working() const { return work_; }

 protected:
  void UpdateEnables() override {}
  bool Validate() override;
  bool CrossCheck() override;
  void Commit() override;

 private:
  SettingData& record_;
  std::array<WebAccount, 32> work_;
};

// The hub's and the "ID, Password" dialog's "Web server".
bool RunSetComWebAuth(QWidget* parent, SettingData& record, UiPort& ui);

}  // namespace tk48
