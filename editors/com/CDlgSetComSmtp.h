#pragma once
// "SMTP/POP3": the device's mail client (COM.SMTP_POP3), edited in place. All
// eleven text and port checks run whatever the choices; the screen writes
// only the fields it shows (POP3 over SSL and the address book stay).
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "editors/toolkit/item_editor.h"
#include "model/setting_data.h"

namespace tk48 {

class CDlgSetComSmtp : public ItemEditor {
  Q_OBJECT

 public:
  CDlgSetComSmtp(QWidget* parent, SettingData& record, UiPort& ui);

  // In screen order.
  QComboBox* charset;
  QComboBox* smtpOverSsl;
  QComboBox* smtpAuth;
  QLineEdit* smtpId;
  QLineEdit* smtpPassword;
  QComboBox* popBeforeSmtp;
  QLineEdit* pop3Id;
  QLineEdit* pop3Password;
  QLineEdit* myAddress;
  QLineEdit* smtpServer;
  QLineEdit* pop3Server;
  QLineEdit* account;
  QLineEdit* senderName;
  QLineEdit* smtpPort;
  QLineEdit* pop3Port;
  QComboBox* startTls;
  QPushButton* okButton;
  QPushButton* cancelButton;

 protected:
  void UpdateEnables() override;
  bool Validate() override;
};

bool RunSetComSmtp(QWidget* parent, SettingData& record, UiPort& ui);

}  // namespace tk48
