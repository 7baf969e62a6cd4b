// The direct network screens with a stand-in upload: enables by connection
// type, the account and port checks, duplicates, the weak-account question,
// the confirmation, what reaches the record, and the read step of their
// download, which refuses a configuration without the device's own blocks.
#include <QLineEdit>
#include <cstring>

#include "editors/network/CDlgBaseIpAddress.h"
#include "editors/network/CDlgBaseTk48cfg.h"
#include "model/gzlib.h"
#include "model/writer.h"
#include "tests/editors/editor_fixture.h"

namespace tk48 {
namespace {

using test::Click;
using test::Pick;
using test::ShowActive;

class DirectNetwork : public test::EditorTest {
 protected:
  DirectNetwork() {
    AccessBlock& a = record->TK48GCFG;
    a.NET = 1;
    a.PORT = 30341;
    SetAccount(0, 1, "admin", "secret");
    SetAccount(1, 1, "operator", "op-pass");
    SetAccount(2, 0, "old", "unused");
    IpAddressBlock& ip = record->COM.TCP_IP.IP_ADDRESS;
    std::strcpy(ip.MY, "10.1.2.3");
    std::strcpy(ip.DEFAULT_GATEWAY, "10.1.2.254");
    std::strcpy(ip.DNS1, "not an address");
  }
  void SetAccount(int i, std::int32_t mode, const char* login, const char* password) {
    AccessAccount& account = record->TK48GCFG.AUTH[i];
    account.MODE = mode;
    std::strcpy(account.LOGIN, login);
    std::strcpy(account.PASSWORD, password);
  }
  // The stand-in upload: counts, and answers `uploadResult`.
  AccessUpload Upload() {
    return [this](const SettingData& uploaded, DeviceContext&) {
      ++uploads;
      EXPECT_EQ(&uploaded, record.get());
      return uploadResult;
    };
  }
  std::unique_ptr<CDlgBaseTk48cfg> Remote() {
    auto screen = std::make_unique<CDlgBaseTk48cfg>(nullptr, *record, ctx, Upload());
    ShowActive(*screen);
    return screen;
  }
  std::unique_ptr<CDlgBaseIpAddress> Network() {
    auto screen = std::make_unique<CDlgBaseIpAddress>(nullptr, *record, ctx, Upload());
    ShowActive(*screen);
    return screen;
  }

  ConnectionSettings settings;
  LoginState login;
  DeviceContext ctx{settings, login, ui, {}};
  int uploads = 0;
  bool uploadResult = true;
};

TEST_F(DirectNetwork, NetworkConnectionDisablesEveryFieldOfBothScreens) {
  settings.usb = false;
  auto remote = Remote();
  std::vector<QWidget*> fields{remote->netMode, remote->port, remote->uploadButton};
  for (const auto& a : remote->accounts) fields.insert(fields.end(), {a.mode, a.login, a.password});
  for (const QWidget* w : fields) EXPECT_FALSE(w->isEnabled());
  EXPECT_TRUE(remote->backButton->isEnabled());

  auto network = Network();
  EXPECT_FALSE(network->dhcp->isEnabled());
  EXPECT_FALSE(network->uploadButton->isEnabled());
  for (const IpAddressEdit* field : network->address) EXPECT_FALSE(field->isEnabled());
  EXPECT_TRUE(network->backButton->isEnabled());
}

TEST_F(DirectNetwork, RemoteScreenLoadsAndEnablesByModes) {
  record->TK48GCFG.NET = 0;
  auto screen = Remote();
  EXPECT_EQ(screen->windowTitle(), "TK48GCFG via network");
  EXPECT_EQ(screen->uploadButton->text(), "Upload to device");
  EXPECT_EQ(screen->backButton->text(), "Back");
  EXPECT_EQ(screen->port->text(), "30341");
  EXPECT_FALSE(screen->port->isEnabled());
  EXPECT_EQ(screen->accounts[1].login->text(), "operator");
  EXPECT_EQ(screen->accounts[2].password->text(), "unused");
  EXPECT_TRUE(screen->accounts[0].login->isEnabled());
  EXPECT_FALSE(screen->accounts[2].login->isEnabled());
  EXPECT_FALSE(screen->accounts[2].password->isEnabled());
  EXPECT_TRUE(screen->accounts[2].mode->isEnabled());
  Pick(screen->netMode, 1);
  EXPECT_TRUE(screen->port->isEnabled());
  Pick(screen->accounts[2].mode, 1);
  EXPECT_TRUE(screen->accounts[2].password->isEnabled());
}

TEST_F(DirectNetwork, UploadChecksInOrder) {
  struct Case {
    const char* what;
    std::function<void(CDlgBaseTk48cfg&)> edit;
    std::string message;
  };
  const Case cases[] = {
      {"backslash in a password",
       [](CDlgBaseTk48cfg& s) { s.accounts[2].password->setText("pa\\ss"); }, "Setting error: Password(ID3)"},
      {"17 characters of login",
       [](CDlgBaseTk48cfg& s) { s.accounts[1].login->setText(QString(17, u'l')); },
       "Setting error: Login ID(ID2)\nMax. 16 characters"},
      {"a disabled account's login is checked too",
       [](CDlgBaseTk48cfg& s) { s.accounts[7].login->setText(QString::fromUtf8("\xC3\xA9")); },
       "Setting error: Login ID(ID8)"},
      {"port 65536", [](CDlgBaseTk48cfg& s) { s.port->setText("65536"); },
       "Setting error: Port address\nUsable range: 0 to 65535"},
      {"port not a number", [](CDlgBaseTk48cfg& s) { s.port->setText("30341a"); }, "Setting error: Port address"},
      {"accounts before the port",
       [](CDlgBaseTk48cfg& s) {
         s.port->setText("-1");
         s.accounts[5].password->setText("a\\");
       },
       "Setting error: Password(ID6)"},
      {"login before password of the same account",
       [](CDlgBaseTk48cfg& s) {
         s.accounts[3].password->setText("a\\");
         s.accounts[3].login->setText("b\\");
       },
       "Setting error: Login ID(ID4)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ui.messages.clear();
    const auto before = Snapshot();
    auto screen = Remote();
    c.edit(*screen);
    Click(screen->uploadButton);
    EXPECT_TRUE(screen->isVisible());
    ASSERT_EQ(Texts(), std::vector<std::string>{c.message});
    EXPECT_EQ(ui.messages[0].icon, Icon::Error);
    EXPECT_TRUE(SameRecord(*record, *before));
  }
  EXPECT_EQ(uploads, 0);
}

TEST_F(DirectNetwork, DuplicateLoginsAmongEnabledAccountsOnly) {
  SetAccount(4, 1, "operator", "other");
  {
    const auto before = Snapshot();
    auto screen = Remote();
    Click(screen->uploadButton);
    ASSERT_EQ(Texts(), std::vector<std::string>{"Login ID: operator duplicated"});
    EXPECT_EQ(ui.messages[0].icon, Icon::Error);
    EXPECT_TRUE(SameRecord(*record, *before));
  }
  // The same login on a disabled account is not compared: on to the confirmation.
  ui.messages.clear();
  record->TK48GCFG.AUTH[4].MODE = 0;
  auto screen = Remote();
  ui.answers = {Answer::Cancel};
  Click(screen->uploadButton);
  EXPECT_EQ(Texts(), std::vector<std::string>{"Are you sure to upload?"});
}

TEST_F(DirectNetwork, WeakAccountsAskFirst) {
  const std::string weak =
      "One or more ID/password is blank or unchanged.\nSetting new ID/password recommended.\nMake sure before "
      "continuing.";
  struct Case {
    const char* login;
    const char* password;
    bool asks;
  };
  const Case cases[] = {{"", "pw", true},          {"id", "", true},          {"kvmpt", "kvmpt", true},
                        {"kvmpt", "changed", false}, {"changed", "kvmpt", false}, {"KVMPT", "kvmpt", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.login) + "/" + c.password);
    ui.messages.clear();
    SetAccount(6, 1, c.login, c.password);
    SetAccount(7, 0, "", "");  // a disabled blank account never counts
    const auto before = Snapshot();
    auto screen = Remote();
    ui.answers = {Answer::Cancel};
    Click(screen->uploadButton);
    ASSERT_EQ(ui.messages.size(), 1u);
    if (c.asks) {
      EXPECT_EQ(ui.messages[0].text, weak);
      EXPECT_EQ(ui.messages[0].icon, Icon::Warning);
      EXPECT_EQ(ui.messages[0].buttons, Buttons::OkCancel);
    } else {
      EXPECT_EQ(ui.messages[0].text, "Are you sure to upload?");
    }
    EXPECT_TRUE(screen->isVisible());
    EXPECT_TRUE(SameRecord(*record, *before));
  }
  EXPECT_EQ(uploads, 0);
}

TEST_F(DirectNetwork, ConfirmedUploadWritesTheBlockThenUploads) {
  auto screen = Remote();
  screen->port->setText("40000");
  screen->accounts[2].login->setText("new");
  Pick(screen->accounts[1].mode, 0);
  ui.answers = {Answer::Ok};
  Click(screen->uploadButton);
  EXPECT_EQ(Texts(), std::vector<std::string>{"Are you sure to upload?"});
  EXPECT_EQ(ui.messages[0].buttons, Buttons::OkCancel);
  EXPECT_EQ(uploads, 1);
  EXPECT_EQ(screen->result(), QDialog::Accepted);
  EXPECT_EQ(record->TK48GCFG.PORT, 40000);
  EXPECT_EQ(record->TK48GCFG.AUTH[1].MODE, 0);
  EXPECT_STREQ(record->TK48GCFG.AUTH[2].LOGIN, "new");
  EXPECT_STREQ(record->TK48GCFG.AUTH[0].PASSWORD, "secret");
}

TEST_F(DirectNetwork, FailedUploadKeepsTheScreenAndTheNewValues) {
  uploadResult = false;
  auto screen = Remote();
  screen->port->setText("40001");
  Click(screen->uploadButton);
  EXPECT_EQ(uploads, 1);
  EXPECT_TRUE(screen->isVisible());
  EXPECT_EQ(record->TK48GCFG.PORT, 40001);
}

TEST_F(DirectNetwork, CancelledConfirmationWritesNothing) {
  const auto before = Snapshot();
  auto screen = Remote();
  screen->port->setText("40000");
  ui.answers = {Answer::Cancel};
  Click(screen->uploadButton);
  EXPECT_EQ(uploads, 0);
  EXPECT_TRUE(SameRecord(*record, *before));
  Click(screen->backButton);
  EXPECT_EQ(screen->result(), QDialog::Rejected);
  EXPECT_TRUE(SameRecord(*record, *before));
}

TEST_F(DirectNetwork, EnterDoesNothingOnEitherScreen) {
  auto remote = Remote();
  remote->port->setFocus();
  QTest::keyClick(remote->port, Qt::Key_Return);
  EXPECT_TRUE(remote->isVisible());
  remote->uploadButton->setFocus();
  QTest::keyClick(remote->uploadButton, Qt::Key_Enter);
  EXPECT_TRUE(remote->isVisible());
  remote->close();
  auto network = Network();
  QTest::keyClick(network->dhcp, Qt::Key_Return);
  EXPECT_TRUE(network->isVisible());
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(uploads, 0);
}

TEST_F(DirectNetwork, GuardedNetworkModeAndAccountDisable) {
  auto screen = Remote();
  screen->port->setText("70000");
  Pick(screen->netMode, 0);
  EXPECT_EQ(screen->netMode->currentIndex(), 1);
  EXPECT_EQ(Texts(), std::vector<std::string>{"Setting error: Port address\nUsable range: 0 to 65535"});
  screen->port->setText("7000");

  // Turning an account off checks the accounts first; turning one on does not.
  ui.messages.clear();
  screen->accounts[1].password->setText("x\\y");
  Pick(screen->accounts[1].mode, 0);
  EXPECT_EQ(screen->accounts[1].mode->currentIndex(), 1);
  EXPECT_TRUE(screen->accounts[1].password->isEnabled());
  EXPECT_EQ(Texts(), std::vector<std::string>{"Setting error: Password(ID2)"});
  ui.messages.clear();
  Pick(screen->accounts[2].mode, 1);
  EXPECT_EQ(screen->accounts[2].mode->currentIndex(), 1);
  EXPECT_TRUE(ui.messages.empty());
  screen->accounts[1].password->setText("xy");
  Pick(screen->accounts[1].mode, 0);
  EXPECT_EQ(screen->accounts[1].mode->currentIndex(), 0);
  EXPECT_FALSE(screen->accounts[1].password->isEnabled());
}

TEST_F(DirectNetwork, NetworkScreenLoadsEnablesAndWritesAddresses) {
  auto screen = Network();
  EXPECT_EQ(screen->windowTitle(), "Network");
  EXPECT_EQ(screen->dhcp->currentText(), "Manual setting");
  EXPECT_EQ(screen->address[0]->Address(), "10.1.2.3");
  EXPECT_EQ(screen->address[1]->Address(), "255.255.255.0");
  EXPECT_EQ(screen->address[2]->Address(), "10.1.2.254");
  // A text that is no address is shown as it stands, not blanked.
  EXPECT_FALSE(screen->address[3]->IsDotted());
  EXPECT_EQ(screen->address[3]->Address(), "not an address");
  EXPECT_TRUE(screen->address[4]->IsBlank());
  for (const IpAddressEdit* field : screen->address) EXPECT_TRUE(field->isEnabled());
  Pick(screen->dhcp, 1);
  for (const IpAddressEdit* field : screen->address) EXPECT_FALSE(field->isEnabled());
  Pick(screen->dhcp, 0);

  screen->address[0]->part(3)->setText("77");
  screen->address[2]->SetAddress({});  // cleared: 32 zero bytes
  screen->address[4]->part(0)->setText("8");  // a part typed alone, the others count as 0
  // It must be put right before the upload: erased, the four parts come back blank.
  Click(screen->uploadButton);
  EXPECT_EQ(uploads, 0);
  screen->address[3]->rawText()->selectAll();
  QTest::keyClick(screen->address[3]->rawText(), Qt::Key_Delete);
  EXPECT_TRUE(screen->address[3]->IsDotted());
  EXPECT_TRUE(screen->address[3]->IsBlank());
  ui.answers = {Answer::Ok};
  Click(screen->uploadButton);
  EXPECT_EQ(Texts(), (std::vector<std::string>{
                         "Setting error: Preferred DNS\n\"not an address\" is not an IP address. Enter four "
                         "numbers from 0 to 255.",
                         "Are you sure to upload?",
                         "The network settings have been uploaded to the device.\n"
                         "Restart the device to enable them."}));
  EXPECT_EQ(ui.messages.back().icon, Icon::Information);
  EXPECT_EQ(uploads, 1);
  const IpAddressBlock& ip = record->COM.TCP_IP.IP_ADDRESS;
  EXPECT_EQ(ip.DHCP, 0);
  EXPECT_STREQ(ip.MY, "10.1.2.77");
  EXPECT_STREQ(ip.SUBNETMASK, "255.255.255.0");
  const char zeros[32] = {};
  EXPECT_EQ(std::memcmp(ip.DEFAULT_GATEWAY, zeros, 32), 0);
  EXPECT_EQ(std::memcmp(ip.DNS1, zeros, 32), 0);
  EXPECT_STREQ(ip.DNS2, "8.0.0.0");
  EXPECT_EQ(screen->result(), QDialog::Accepted);
}

// A manual setting the device would drop off the network with is refused
// before the confirmation; the record keeps its values and nothing is sent.
TEST_F(DirectNetwork, NetworkScreenRefusesAManualSettingWithoutSoundAddresses) {
  struct Case {
    const char* name;
    int field;
    const char* stored;
    const char* label;
    const char* rule;  // the second line
  };
  const std::string needed = "\nManual setting needs an address of four numbers from 0 to 255.";
  const std::string malformed = "\" is not an IP address. Enter four numbers from 0 to 255.";
  const Case cases[] = {
      {"blank address", 0, "", "IP address", nullptr},
      {"blank mask", 1, "", "Subnet mask", nullptr},
      {"malformed address", 0, "10.1.2", "IP address", "10.1.2"},
      {"malformed mask", 1, "255.255.255.256", "Subnet mask", "255.255.255.256"},
      {"malformed gateway", 2, "gateway", "Default gateway", "gateway"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    IpAddressBlock& ip = record->COM.TCP_IP.IP_ADDRESS;
    ip.DHCP = 0;
    std::strcpy(ip.DNS1, "");
    std::strcpy(ip.MY, "10.1.2.3");
    std::strcpy(ip.SUBNETMASK, "255.255.255.0");
    std::strcpy(ip.DEFAULT_GATEWAY, "10.1.2.254");
    char(*texts[])[32] = {&ip.MY, &ip.SUBNETMASK, &ip.DEFAULT_GATEWAY};
    std::strcpy(*texts[c.field], c.stored);
    const auto before = Snapshot();
    ui.messages.clear();
    auto screen = Network();
    EXPECT_EQ(screen->address[c.field]->Address(), c.stored);
    Click(screen->uploadButton);
    const std::string message = std::string("Setting error: ") + c.label +
                                (c.rule ? "\n\"" + std::string(c.rule) + malformed : needed);
    EXPECT_EQ(Texts(), std::vector<std::string>{message});
    EXPECT_EQ(ui.messages[0].icon, Icon::Error);
    EXPECT_TRUE(screen->isVisible());
    EXPECT_EQ(uploads, 0);
    EXPECT_TRUE(SameRecord(*record, *before));
    // With DHCP the addresses are not used: the upload goes ahead and the stored text stays as it was.
    Pick(screen->dhcp, 1);
    ui.messages.clear();
    Click(screen->uploadButton);
    EXPECT_EQ(uploads, 1);
    EXPECT_STREQ(*texts[c.field], c.stored);
    EXPECT_EQ(record->COM.TCP_IP.IP_ADDRESS.DHCP, 1);
    uploads = 0;
  }
}

TEST_F(DirectNetwork, NetworkScreenFailedUploadReportsNoSuccess) {
  std::strcpy(record->COM.TCP_IP.IP_ADDRESS.DNS1, "");
  uploadResult = false;
  auto screen = Network();
  Click(screen->uploadButton);
  EXPECT_EQ(uploads, 1);
  EXPECT_EQ(Texts(), std::vector<std::string>{"Are you sure to upload?"});
  EXPECT_TRUE(screen->isVisible());
}

TEST_F(DirectNetwork, NetworkScreenCancelWritesNothing) {
  const auto before = Snapshot();
  auto screen = Network();
  Pick(screen->dhcp, 1);
  ui.answers = {Answer::Cancel};
  Click(screen->uploadButton);
  EXPECT_EQ(uploads, 0);
  EXPECT_TRUE(SameRecord(*record, *before));
}

// The read step of the screens' download, on a compressed configuration text.
class AccessDownload : public test::EditorTest {
 protected:
  static std::vector<std::uint8_t> Packed(const std::string& text) {
    CGzlib zip;
    EXPECT_TRUE(zip.Compress({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}));
    return {zip.Compressed().begin(), zip.Compressed().end()};
  }
  // The access-settings document of the device without one of its two blocks.
  static std::string Without(std::string text, const std::string& element) {
    const auto from = text.find("<" + element + ">");
    const std::string close = "</" + element + ">\r\n";
    const auto to = text.find(close);
    text.erase(from, to + close.size() - from);
    return text;
  }
};

TEST_F(AccessDownload, RefusesAConfigurationWithoutTheDevicesOwnBlocks) {
  auto device = NewSettingData();
  ApplyDefaults(*device);
  std::strcpy(device->COM.TCP_IP.IP_ADDRESS.MY, "172.16.0.9");
  std::strcpy(device->TK48GCFG.AUTH[0].LOGIN, "plant");
  std::strcpy(device->SYSTEM.NAME2, "from the device");
  const std::string refused =
      "Cannot edit: The setting data from the device does not hold its network access and IP address settings.";
  struct Case {
    const char* what;
    std::string text;
    bool accepted;
  };
  const std::string access = AccessSettingsText(*device);
  const Case cases[] = {
      {"the full configuration alone", ConfigurationText(*device), false},
      {"only the device-access block", Without(access, "COM"), false},
      {"only the network address block", Without(access, "TK48GCFG"), false},
      {"both blocks", access, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ApplyDefaults(*record);
    ui.messages.clear();
    const auto before = Snapshot();
    EXPECT_EQ(ReadAccessDownload(Packed(c.text), *record, ui, true), c.accepted);
    if (c.accepted) {
      EXPECT_TRUE(ui.messages.empty());
      EXPECT_STREQ(record->COM.TCP_IP.IP_ADDRESS.MY, "172.16.0.9");
      EXPECT_STREQ(record->TK48GCFG.AUTH[0].LOGIN, "plant");
    } else {
      ASSERT_EQ(Texts(), std::vector<std::string>{refused});
      EXPECT_EQ(ui.messages[0].icon, Icon::Error);
      EXPECT_TRUE(SameRecord(*record, *before));
    }
  }
}

TEST_F(AccessDownload, DecompressAndReadFailuresSpeakAsTheDownloadDoes) {
  const auto before = Snapshot();
  const std::vector<std::uint8_t> garbage{1, 2, 3, 4};
  EXPECT_FALSE(ReadAccessDownload(garbage, *record, ui, true));
  EXPECT_FALSE(ReadAccessDownload(Packed("<TK48G_CFG><SYSTEM>"), *record, ui, true));
  EXPECT_EQ(Texts(), (std::vector<std::string>{"Failed to decompress setting data.",
                                               "Failed to convert into setting data."}));
  EXPECT_TRUE(SameRecord(*record, *before));
}

}  // namespace
}  // namespace tk48
