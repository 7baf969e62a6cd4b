#include "editors/com/CDlgSetComSmtp.h"

#include <QFormLayout>
#include <QVBoxLayout>

#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {
constexpr int kChars = 64;
}  // namespace

CDlgSetComSmtp::CDlgSetComSmtp(QWidget* parent, SettingData& record, UiPort& ui) : ItemEditor(parent, ui) {
  setWindowTitle(Tx(text::kSmtpPop3));
  SmtpPop3Block& mail = record.COM.SMTP_POP3;
  const std::initializer_list<int> disableEnable = {text::kDisable, text::kEnable};
  charset = ChoiceList(this, {text::kUtf8, text::kIso2022Jp});
  smtpOverSsl = ChoiceList(this, disableEnable);
  smtpAuth = ChoiceList(this, {text::kDisable, text::kAuthAuto, text::kAuthCramMd5, text::kAuthLogin, text::kAuthPlain});
  popBeforeSmtp = ChoiceList(this, disableEnable);
  startTls = ChoiceList(this, disableEnable);
  for (QLineEdit** field : {&smtpId, &smtpPassword, &pop3Id, &pop3Password, &myAddress, &smtpServer, &pop3Server,
                            &account, &senderName})
    *field = EditField(this, 320);
  smtpPort = EditField(this, 80);
  pop3Port = EditField(this, 80);

  fields_.Choice(charset, mail.CHAR);
  fields_.Choice(smtpOverSsl, mail.SMTP_OVER_SSL);
  fields_.Choice(smtpAuth, mail.SMTP_AUTH.MODE);
  fields_.Text(smtpId, mail.SMTP_AUTH.ID);
  fields_.Text(smtpPassword, mail.SMTP_AUTH.PASSWORD);
  fields_.Choice(popBeforeSmtp, mail.POP_BEFORE_SMTP_AUTH.MODE);
  fields_.Text(pop3Id, mail.POP_BEFORE_SMTP_AUTH.ID);
  fields_.Text(pop3Password, mail.POP_BEFORE_SMTP_AUTH.PASSWORD);
  fields_.Text(myAddress, mail.MY_ADDRESS);
  fields_.Text(smtpServer, mail.SMTP_SERVER);
  fields_.Text(pop3Server, mail.POP3_SERVER);
  fields_.Text(account, mail.ACCOUNT);
  fields_.Text(senderName, mail.NAME);
  fields_.Int(smtpPort, mail.SMTP_PORT);
  fields_.Int(pop3Port, mail.POP3_PORT);
  fields_.Choice(startTls, mail.STARTTLS);
  Unguarded(smtpOverSsl);
  Guard(smtpAuth);
  Guard(popBeforeSmtp);

  auto* form = new QFormLayout;
  const std::pair<int, QWidget*> rows[] = {
      {text::kCharacterCode, charset},     {text::kSmtpOverSsl, smtpOverSsl},
      {text::kSmtpAuthentication, smtpAuth}, {text::kColumnId, smtpId},
      {text::kPassword, smtpPassword},     {text::kPopBeforeSmtp, popBeforeSmtp},
      {text::kPop3Id, pop3Id},             {text::kPop3Password, pop3Password},
      {text::kMyAddress, myAddress},       {text::kSmtpServer, smtpServer},
      {text::kPop3Server, pop3Server},     {text::kMyAccount, account},
      {text::kSenderName, senderName},     {text::kSmtpPort, smtpPort},
      {text::kPop3Port, pop3Port},         {text::kStartTls, startTls},
  };
  for (const auto& [label, field] : rows) AddRow(form, label, field);
  // "ID" and "Password" belong to the SMTP authentication.
  Name(smtpId, SubName(text::kSmtpAuthentication, text::kColumnId));
  Name(smtpPassword, SubName(text::kSmtpAuthentication, text::kPassword));

  const FootButtons foot = OkCancelColumn({form});
  okButton = foot.ok;
  cancelButton = foot.cancel;
  Start();
}

void CDlgSetComSmtp::UpdateEnables() {
  const bool auth = smtpAuth->currentIndex() > 0;
  const bool pop = popBeforeSmtp->currentIndex() == kEnabledEntry;
  smtpId->setEnabled(auth);
  smtpPassword->setEnabled(auth);
  pop3Id->setEnabled(pop);
  pop3Password->setEnabled(pop);
  pop3Server->setEnabled(pop);
  startTls->setEnabled(smtpOverSsl->currentIndex() == kEnabledEntry);
}

bool CDlgSetComSmtp::Validate() {
  const Scope a = Scope::Always;
  return checks_.Ascii(smtpId, kChars, text::kSmtpIdError, 0, 0, a) &&
         checks_.Ascii(smtpPassword, kChars, text::kSmtpPasswordError, 0, 0, a) &&
         checks_.Ascii(pop3Id, kChars, text::kPop3IdError, 0, 0, a) &&
         checks_.Ascii(pop3Password, kChars, text::kPop3PasswordError, 0, 0, a) &&
         checks_.Length(myAddress, kChars, text::kMyAddressError, a) &&
         checks_.Length(smtpServer, kChars, text::kSmtpServerError, a) &&
         checks_.Length(pop3Server, kChars, text::kPop3ServerError, a) &&
         checks_.Length(account, kChars, text::kMyAccountError, a) &&
         checks_.Text(senderName, kChars, text::kSenderNameError, a) &&
         checks_.Int(smtpPort, 0, 65535, text::kSmtpPortError, a) &&
         checks_.Int(pop3Port, 0, 65535, text::kPop3PortError, a);
}

bool RunSetComSmtp(QWidget* parent, SettingData& record, UiPort& ui) {
  CDlgSetComSmtp dialog(parent, record, ui);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace tk48
