#pragma once
// "TK48GCFG via network": whether the device takes configuration access over
// the network, on which port, and its eight access accounts; uploaded to the
// device over USB as the access-settings document.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "editors/network/direct_network.h"
#include "editors/toolkit/item_editor.h"

namespace tk48 {

class CDlgBaseTk48cfg : public ItemEditor {
  Q_OBJECT

 public:
  static constexpr int kAccounts = 8;

  CDlgBaseTk48cfg(QWidget* parent, SettingData& record, DeviceContext& ctx,
                  AccessUpload upload = UploadAccessSettings);

  QComboBox* netMode;
  QLineEdit* port;
  struct Account {
    QComboBox* mode;
    QLineEdit* login;
    QLineEdit* password;
  };
  Account accounts[kAccounts];
  QPushButton* uploadButton;
  QPushButton* backButton;

 protected:
  void UpdateEnables() override;
  bool Validate() override;     // the field checks: accounts, then the port
  bool CrossCheck() override;   // duplicates, weak accounts, the confirmation
  bool Finish() override;       // the upload

 private:
  bool AccountChecks() const;
  bool Enabled(int account) const;

  SettingData& record_;
  DeviceContext& ctx_;
  AccessUpload upload_;
};

}  // namespace tk48
