// The network services' screens: the "Communication" menu, FTP server, SNTP,
// Modbus/TCP slave, SMTP/POP3 and FTP client; what each checks in which state,
// the one port-uniqueness rule, and what each stores.
#include <QLabel>
#include <cstring>
#include <string>

#include "editors/com/CDlgSetCom.h"
#include "editors/com/CDlgSetComFtpc.h"
#include "editors/com/CDlgSetComFtps.h"
#include "editors/com/CDlgSetComModbus.h"
#include "editors/com/CDlgSetComSmtp.h"
#include "editors/com/CDlgSetComSntp.h"
#include "model/reader.h"
#include "model/writer.h"
#include "resources/strings.h"
#include "tests/editors/editor_fixture.h"

namespace tk48 {
namespace {

using test::Click;
using test::Pick;
using test::Put;
using test::ShowActive;

constexpr std::int32_t kNoUse = 0, kUse = 1;
const std::string kDuplicate = "Setting error: Duplicate port address";

class ComServices : public test::EditorTest {
 protected:
  bool Unchanged(const SettingData& before) const { return SameRecord(*record, before); }
};

TEST_F(ComServices, MenuOffersTheSixScreensInOrderAndEnterOrEscLeaves) {
  CDlgSetCom menu(nullptr, *record, ui);
  QStringList texts;
  for (int i = 0; i < 6; ++i) texts << menu.button(i)->text();
  EXPECT_EQ(texts, (QStringList{"Web server", "FTP server", "SNTP", "Modbus/TCP slave", "SMTP/POP3", "FTP client"}));
  EXPECT_EQ(menu.backButton()->text(), "Back");
  EXPECT_EQ(menu.windowTitle(), "Communication");
  for (const auto key : {Qt::Key_Return, Qt::Key_Escape}) {
    ShowActive(menu);
    QTest::keyClick(&menu, key);
    EXPECT_FALSE(menu.isVisible()) << key;
  }
  test::WhenModal<CDlgSetComSntp>([](CDlgSetComSntp& d) { QTest::keyClick(&d, Qt::Key_Escape); });
  ShowActive(menu);
  Click(menu.button(2));
}

// Which port each screen refuses: the two other services' ports, whatever their modes.
TEST_F(ComServices, PortHelperComparesWithTheOtherTwoServices) {
  record->COM.WEB.PORT = 80;
  record->COM.FTP.PORT = 21;
  record->COM.MODBUS_TCP.PORT = 502;
  const struct {
    PortService self;
    std::int64_t port;
    bool taken;
  } cases[] = {
      {PortService::Web, 80, false},      {PortService::Web, 21, true},        {PortService::Web, 502, true},
      {PortService::Ftp, 21, false},      {PortService::Ftp, 80, true},        {PortService::Ftp, 502, true},
      {PortService::ModbusTcp, 502, false}, {PortService::ModbusTcp, 80, true}, {PortService::ModbusTcp, 21, true},
      {PortService::Web, 8080, false},    {PortService::Web, 65536 + 21, false},
  };
  for (const auto& c : cases) EXPECT_EQ(PortTakenByOther(*record, c.self, c.port), c.taken) << c.port;
  EXPECT_TRUE(ComPortsDistinct(*record));
}

TEST_F(ComServices, FtpServerChecksOnlyWhileEnabled) {
  FtpBlock& ftp = record->COM.FTP;
  ftp.MODE = kNoUse;
  Put(ftp.ID, "b\xC3\xA4""d");  // outside the login set
  {
    SCOPED_TRACE("disabled: nothing checked, the invalid login stays as stored");
    const auto before = Snapshot();
    CDlgSetComFtps editor(nullptr, *record, ui);
    ShowActive(editor);
    EXPECT_FALSE(editor.login->isEnabled());
    QTest::keyClick(&editor, Qt::Key_Return);
    EXPECT_FALSE(editor.isVisible());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(Unchanged(*before));
  }
  Put(ftp.ID, "TK48");
  const struct {
    const char* what;
    const char* login;
    const char* port;
    std::string message;
  } refusals[] = {
      {"login outside the set", "b\xC3\xA4""d", "21", "Setting error: Login ID"},
      {"17 characters", "abcdefghijklmnopq", "21", "Setting error: Login ID\nMax. 16 characters"},
      {"port out of range", "ok", "65536", "Setting error: Port address\nUsable range: 0 to 65535"},
      {"the Modbus/TCP port", "ok", "502", kDuplicate},
      {"the web port", "ok", "80", kDuplicate},
  };
  for (const auto& c : refusals) {
    SCOPED_TRACE(c.what);
    ui.messages.clear();
    const auto before = Snapshot();
    CDlgSetComFtps editor(nullptr, *record, ui);
    ShowActive(editor);
    Pick(editor.mode, 1);
    ASSERT_TRUE(editor.login->isEnabled());
    editor.login->setText(QString::fromUtf8(c.login));
    editor.port->setText(c.port);
    Click(editor.okButton);
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(ui.Last(), c.message);
    EXPECT_TRUE(Unchanged(*before));
    // Turning it off is guarded by the same checks.
    Pick(editor.mode, 0);
    EXPECT_EQ(editor.mode->currentIndex(), 1);
  }
  CDlgSetComFtps editor(nullptr, *record, ui);
  ShowActive(editor);
  Pick(editor.mode, 1);
  editor.login->setText("user");
  editor.password->setText("pw!");
  editor.port->setText("2121");
  QTest::keyClick(&editor, Qt::Key_Return);
  EXPECT_FALSE(editor.isVisible());
  EXPECT_EQ(ftp.MODE, kUse);
  EXPECT_STREQ(ftp.ID, "user");
  EXPECT_STREQ(ftp.PASSWORD, "pw!");
  EXPECT_EQ(ftp.PORT, 2121);
}

TEST_F(ComServices, SntpServerIsCheckedWhateverTheModeButEnablingIsFree) {
  SntpBlock& sntp = record->COM.SNTP;
  sntp.MODE = kNoUse;
  Put(sntp.SERVER, std::string(100, 's'));
  const auto before = Snapshot();
  CDlgSetComSntp editor(nullptr, *record, ui);
  ShowActive(editor);
  EXPECT_FALSE(editor.server->isEnabled());
  Click(editor.okButton);
  EXPECT_TRUE(editor.isVisible());
  EXPECT_EQ(ui.Last(), "Setting error: Server\nMax. 64 characters");
  EXPECT_TRUE(Unchanged(*before));
  ui.messages.clear();
  Pick(editor.mode, 1);
  EXPECT_EQ(editor.mode->currentIndex(), 1) << "enabling is accepted";
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_TRUE(editor.server->isEnabled());
  // Enabled, the long server keeps the mode from going back.
  Pick(editor.mode, 0);
  EXPECT_EQ(editor.mode->currentIndex(), 1);
  editor.server->setText("pool.ntp.org");
  QTest::keyClick(&editor, Qt::Key_Return);
  EXPECT_FALSE(editor.isVisible());
  EXPECT_EQ(sntp.MODE, kUse);
  EXPECT_STREQ(sntp.SERVER, "pool.ntp.org");
}

TEST_F(ComServices, ModbusChecksPortUniquenessAndLingerWhateverTheMode) {
  ModbusTcpBlock& modbus = record->COM.MODBUS_TCP;
  const struct {
    const char* what;
    std::uint16_t seededPort;
    std::int32_t seededLinger;
    std::string message;
  } cases[] = {
      {"port = web port", 80, 180, kDuplicate},
      {"port = FTP port", 21, 180, kDuplicate},
      {"linger over 3000", 502, 3001, "Setting error: Linger time.\nUsable range: 0 to 3000"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    modbus.MODE = kNoUse;
    modbus.PORT = c.seededPort;
    modbus.RINGER_TIME = c.seededLinger;
    ui.messages.clear();
    const auto before = Snapshot();
    CDlgSetComModbus editor(nullptr, *record, ui);
    ShowActive(editor);
    EXPECT_FALSE(editor.port->isEnabled());
    QTest::keyClick(&editor, Qt::Key_Return);
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(ui.Last(), c.message);
    EXPECT_TRUE(Unchanged(*before));
    ui.messages.clear();
    Pick(editor.mode, 1);
    EXPECT_EQ(editor.mode->currentIndex(), 1) << "enabling is accepted";
    EXPECT_TRUE(ui.messages.empty());
  }
  modbus.PORT = 502;
  modbus.RINGER_TIME = 180;
  CDlgSetComModbus editor(nullptr, *record, ui);
  ShowActive(editor);
  Pick(editor.mode, 1);
  editor.port->setText("1502");
  editor.linger->setText("0");
  Click(editor.okButton);
  EXPECT_FALSE(editor.isVisible());
  EXPECT_EQ(modbus.MODE, kUse);
  EXPECT_EQ(modbus.PORT, 1502);
  EXPECT_EQ(modbus.RINGER_TIME, 0);
}

TEST_F(ComServices, SmtpChecksEveryFieldWhateverItsStateAndWritesOnlyWhatItShows) {
  SmtpPop3Block& mail = record->COM.SMTP_POP3;
  mail.SMTP_AUTH.MODE = kNoUse;
  Put(mail.SMTP_AUTH.ID, std::string(70, 'i'));
  mail.POP3_OVER_SSL = kUse;
  Put(mail.MAIL_NAME[5], "kept");
  const auto before = Snapshot();
  CDlgSetComSmtp editor(nullptr, *record, ui);
  ShowActive(editor);
  EXPECT_FALSE(editor.smtpId->isEnabled());
  Click(editor.okButton);
  EXPECT_TRUE(editor.isVisible());
  EXPECT_EQ(ui.Last(), "Setting error: SMTP ID." + std::string("\nMax. 64 characters"));
  EXPECT_TRUE(Unchanged(*before));
  ui.messages.clear();
  Pick(editor.smtpAuth, 1);
  EXPECT_EQ(editor.smtpAuth->currentText(), "Auto") << "turning authentication on is accepted";
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_TRUE(editor.smtpId->isEnabled());
  // Turning it off again is guarded by the long ID.
  Pick(editor.smtpAuth, 0);
  EXPECT_EQ(editor.smtpAuth->currentIndex(), 1);
  ui.messages.clear();
  editor.smtpId->setText("user@example");

  // The enables: STARTTLS only with SSL, the POP3 fields only with POP before SMTP.
  EXPECT_FALSE(editor.startTls->isEnabled());
  Pick(editor.smtpOverSsl, 1);
  EXPECT_TRUE(editor.startTls->isEnabled());
  Pick(editor.smtpOverSsl, 0);
  EXPECT_FALSE(editor.startTls->isEnabled());
  for (QWidget* f : {static_cast<QWidget*>(editor.pop3Id), static_cast<QWidget*>(editor.pop3Password),
                     static_cast<QWidget*>(editor.pop3Server)})
    EXPECT_FALSE(f->isEnabled());
  Pick(editor.popBeforeSmtp, 1);
  EXPECT_TRUE(editor.pop3Server->isEnabled());

  // The other checks, in the screen's order: each the only failing field.
  const struct {
    QLineEdit* field;
    QString bad;
    std::string message;
  } refusals[] = {
      {editor.smtpPassword, "p\\w", "Setting error: SMTP password."},
      {editor.pop3Id, QString(65, 'x'), "Setting error: POP before SMTP, POP3 ID.\nMax. 64 characters"},
      {editor.pop3Password, QString::fromUtf8("p\xC3\xA4ss"), "Setting error: POP before SMTP, POP3 password."},
      {editor.myAddress, QString(65, 'a'), "Setting error: TK48 e-mail address\nMax. 64 characters"},
      {editor.smtpServer, QString(65, 'a'), "Setting error: IP address of SMTP server.\nMax. 64 characters"},
      {editor.pop3Server, QString(65, 'a'), "Setting error: IP address of POP3 server.\nMax. 64 characters"},
      {editor.account, QString(65, 'a'), "Setting error: TK48 e-mail acount\nMax. 64 characters"},
      {editor.senderName, QString(65, QChar(0x65E5)),
       "Setting error: Sender's name\nMax. 64 characters (alphanumerical: 128 characters)"},
      {editor.smtpPort, "-1", "Setting error: SMTP port address\nUsable range: 0 to 65535"},
      {editor.pop3Port, "x", "Setting error: POP3 port address"},
  };
  for (const auto& c : refusals) {
    SCOPED_TRACE(c.message);
    const QString good = c.field->text();
    c.field->setText(c.bad);
    ui.messages.clear();
    Click(editor.okButton);
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(ui.Last(), c.message);
    c.field->setText(good);
  }
  Pick(editor.smtpOverSsl, 1);
  Pick(editor.startTls, 1);
  editor.smtpPort->setText("587");
  ui.messages.clear();
  QTest::keyClick(&editor, Qt::Key_Return);
  EXPECT_FALSE(editor.isVisible()) << ui.Last();
  EXPECT_STREQ(mail.SMTP_AUTH.ID, "user@example");
  EXPECT_EQ(mail.SMTP_AUTH.MODE, 1);
  EXPECT_EQ(mail.SMTP_OVER_SSL, kUse);
  EXPECT_EQ(mail.STARTTLS, kUse);
  EXPECT_EQ(mail.SMTP_PORT, 587);
  EXPECT_EQ(mail.POP3_OVER_SSL, kUse) << "not shown, not written";
  EXPECT_STREQ(mail.MAIL_NAME[5], "kept");
}

TEST_F(ComServices, FtpClientStoresCommandsAndFailureOutputAsNumbers) {
  FtpcBlock& ftpc = record->COM.FTPC;
  ftpc.MODE = kNoUse;
  Put(ftpc.FTP_SERVER, "b\xC3\xA4""d");
  {
    SCOPED_TRACE("disabled: everything but Mode is off, nothing is checked");
    const auto before = Snapshot();
    CDlgSetComFtpc editor(nullptr, *record, ui);
    ShowActive(editor);
    EXPECT_FALSE(editor.server->isEnabled());
    EXPECT_FALSE(editor.logs[1].command->isEnabled());
    QTest::keyClick(&editor, Qt::Key_Return);
    EXPECT_FALSE(editor.isVisible());
    EXPECT_TRUE(Unchanged(*before));
  }
  Put(ftpc.FTP_SERVER, "ftp.example.com");
  std::strcpy(record->IO.GDO[2].NAME, "Siren");
  record->IO.GDO[2].MODE = kUse;
  CDlgSetComFtpc editor(nullptr, *record, ui);
  ShowActive(editor);
  Pick(editor.mode, 1);
  ASSERT_TRUE(editor.logs[1].command->isEnabled());
  EXPECT_FALSE(editor.logs[1].channel->isEnabled()) << "no CH while \"None\"";
  EXPECT_EQ(editor.logs[1].channel->count(), 0);
  Pick(editor.logs[1].command, 1);
  EXPECT_TRUE(editor.logs[1].channel->isEnabled());
  EXPECT_EQ(editor.logs[1].channel->count(), 256);
  EXPECT_EQ(editor.logs[1].channel->currentIndex(), 0) << "channel 1 chosen";
  editor.logs[1].channel->setCurrentIndex(11);
  Pick(editor.errorType, 3);
  EXPECT_EQ(editor.errorChannel->count(), 32);
  EXPECT_EQ(editor.errorChannel->itemText(2), "003 Siren");
  editor.errorChannel->setCurrentIndex(2);
  const std::int32_t protocolBefore = ftpc.PROTOCOL;
  const std::uint16_t portBefore = ftpc.PORT;
  Pick(editor.protocol, 1 - protocolBefore);
  EXPECT_EQ(editor.port->text(), QString::number(portBefore)) << "the protocol leaves the port alone";
  Click(editor.okButton);
  ASSERT_FALSE(editor.isVisible()) << ui.Last();
  EXPECT_EQ(ftpc.COM_EVE, 12);
  EXPECT_EQ(ftpc.ERROR.kind, 3);
  EXPECT_EQ(ftpc.ERROR.no, 3);
  const std::string file = ConfigurationText(*record);
  EXPECT_NE(file.find("<COM_EVE>MD12</COM_EVE>"), std::string::npos);
  EXPECT_NE(file.find("GDO3"), std::string::npos);

  CDlgSetComFtpc again(nullptr, *record, ui);
  ShowActive(again);
  EXPECT_EQ(again.logs[1].channel->currentIndex(), 11);
  EXPECT_EQ(again.errorChannel->currentText(), "003 Siren");
  Pick(again.logs[1].command, 0);
  EXPECT_EQ(again.logs[1].channel->count(), 0) << "\"None\" leaves the box empty";
  Pick(again.errorType, 0);
  QTest::keyClick(&again, Qt::Key_Return);
  ASSERT_FALSE(again.isVisible());
  EXPECT_EQ(ftpc.COM_EVE, 0);
  EXPECT_EQ(ftpc.ERROR.kind, 0);
  EXPECT_EQ(ftpc.ERROR.no, 0);
  EXPECT_NE(ConfigurationText(*record).find("<COM_EVE>NONE</COM_EVE>"), std::string::npos);
}

TEST_F(ComServices, FtpClientChecksItsTextsInOrderWhenEnabled) {
  record->COM.FTPC.MODE = kUse;
  const struct {
    const char* what;
    std::function<void(CDlgSetComFtpc&)> spoil;
    std::string message;
  } cases[] = {
      {"port", [](CDlgSetComFtpc& e) { e.port->setText("70000"); }, "Setting error: Port address\nUsable range: 0 to 65535"},
      {"server", [](CDlgSetComFtpc& e) { e.server->setText("a\\b"); }, "Setting error: FTP server address"},
      {"login", [](CDlgSetComFtpc& e) { e.login->setText(QString(65, 'l')); }, "Setting error: FTP log in ID\nMax. 64 characters"},
      {"password", [](CDlgSetComFtpc& e) { e.password->setText(QString::fromUtf8("\xC3\xA4")); }, "Setting error: FTP password"},
      {"subfolder", [](CDlgSetComFtpc& e) { e.subfolder->setText(QString(129, 's')); },
       "Setting error: FTP subfolder\nMax. 64 characters (alphanumerical: 128 characters)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto before = Snapshot();
    CDlgSetComFtpc editor(nullptr, *record, ui);
    ShowActive(editor);
    c.spoil(editor);
    Click(editor.okButton);
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(ui.Last(), c.message);
    EXPECT_TRUE(Unchanged(*before));
  }
}

}  // namespace
}  // namespace tk48
