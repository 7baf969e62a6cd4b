// The main window: its opening state and every command's flow, with the device
// operations and the other parts' screens stood in for.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QShortcut>
#include <QTemporaryDir>
#include <filesystem>

#include "app/CAboutDlg.h"
#include "app/CDlgCom.h"
#include "app/CDlgCommConfirm.h"
#include "app/CDlgSetMain.h"
#include "app/CTK48CFGDlg.h"
#include "gui_fixture.h"
#include "model/defaults.h"
#include "model/file_io.h"
#include "model/writer.h"
#include "tests/model/unwritten_fifo.h"

namespace tk48::test {
namespace {

class MainWindow : public GuiTest {
 protected:
  MainWindow() {
    StoreEntry(1, "alpha", "10.0.0.1");
    StoreEntry(2, "beta", "10.0.0.2");
    Store(pref::kNet, "alpha");
    app.screens = [this](Screen s) -> ScreenOpener {
      if (!registered.contains(s)) return {};
      return [this, s](const ScreenContext&) {
        opened.push_back(s);
        return true;
      };
    };
    app.device.download = [this](SettingData& r, DeviceContext&) {
      ++downloads;
      if (!downloadSucceeds) return false;
      ApplyDefaults(r);
      r.COM.FTP.PORT = 4242;  // what the device holds
      return true;
    };
    app.device.checkConnection = [this](DeviceContext&) { return connectionOk; };
  }

  std::unique_ptr<CTK48CFGDlg> Open() {
    Start();
    auto window = std::make_unique<CTK48CFGDlg>(app);
    Show(*window);
    return window;
  }
  // Waits for the hub, notes what it shows, and leaves it.
  void ExpectHub() {
    WhenModal<CDlgSetMain>([this](CDlgSetMain& hub) {
      ++hubs;
      QTest::keyClick(&hub, Qt::Key_Escape);
    });
  }

  std::set<Screen> registered;
  std::vector<Screen> opened;
  int downloads = 0;
  bool downloadSucceeds = true;
  bool connectionOk = true;
  int hubs = 0;
  QTemporaryDir dir;
};

TEST_F(MainWindow, OpensWithTheStoredConnection) {
  struct Case {
    int comType;
    QString mode, device;
    bool comLog;
  } cases[] = {{1, "USB", "COM1", true}, {0, "Network", "alpha (10.0.0.1)", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mode.toStdString());
    Store(pref::kComType, c.comType);
    auto window = Open();
    EXPECT_EQ(window->windowTitle(), "TK48GCFG");
    EXPECT_EQ(window->AccessModeLabel()->text(), c.mode);
    EXPECT_EQ(window->DeviceLabel()->text(), c.device);
    EXPECT_EQ(window->ComLogButton()->isEnabled(), c.comLog);
    EXPECT_TRUE(window->ConfirmCheck()->isChecked());
    EXPECT_FALSE(window->ReadCsvButton()->isVisible());
    EXPECT_TRUE(window->QuitButton()->isDefault());
  }
}

TEST_F(MainWindow, ScreensOfOtherPartsAreDisabledUntilRegistered) {
  auto window = Open();
  for (auto* b : {window->MaintenanceButton(), window->RemoteConfigButton(), window->NetworkButton()})
    EXPECT_FALSE(b->isEnabled()) << b->text().toStdString();
  registered = {Screen::Maintenance, Screen::RemoteConfig, Screen::NetworkSettings};
  window = Open();
  for (auto* b : {window->MaintenanceButton(), window->RemoteConfigButton(), window->NetworkButton()})
    EXPECT_TRUE(b->isEnabled()) << b->text().toStdString();
}

TEST_F(MainWindow, ConfirmSwitchIsStoredAtOnce) {
  auto window = Open();
  EXPECT_FALSE(IsStored(pref::kConnectConfirm));
  Click(window->ConfirmCheck());
  EXPECT_EQ(StoredInt(pref::kConnectConfirm), 0);
  EXPECT_FALSE(app.confirmAccessMode);
}

TEST_F(MainWindow, NewSettingOpensTheHubOnTheNewRecord) {
  auto window = Open();
  auto expected = NewSettingData();
  ApplyNewSetting(*expected);
  window->Record().COM.FTP.PORT = 99;
  ExpectHub();
  Click(window->NewSettingButton());
  EXPECT_EQ(hubs, 1);
  EXPECT_TRUE(SameRecord(window->Record(), *expected));
  EXPECT_EQ(window->CurrentFile(), "");
}

TEST_F(MainWindow, ReadFileLoadsAndOpensTheHub) {
  auto saved = NewSettingData();
  ApplyDefaults(*saved);
  saved->COM.FTP.PORT = 2100;
  const std::string path = (dir.path() + "/in.xml").toStdString();
  ASSERT_TRUE(WriteFileAtomically(path, ConfigurationText(*saved)));
  auto window = Open();
  ui.files = {path};
  ExpectHub();
  Click(window->ReadFileButton());
  ASSERT_EQ(ui.fileDialogs.size(), 1u);
  EXPECT_FALSE(ui.fileDialogs[0].save);
  EXPECT_EQ(ui.fileDialogs[0].filter, "TK48GCFG File(*.xml)|*.xml||");
  EXPECT_EQ(ui.fileDialogs[0].initialName, "*.xml");
  EXPECT_EQ(hubs, 1);
  EXPECT_EQ(window->CurrentFile(), path);
  // What the file holds, read the way every configuration text is read.
  auto expected = NewSettingData();
  ScriptedUi quiet;
  ASSERT_TRUE(LoadSettingsText(*expected, ConfigurationText(*saved), quiet, true));
  EXPECT_TRUE(SameRecord(window->Record(), *expected));
  EXPECT_EQ(window->Record().COM.FTP.PORT, 2100);
  EXPECT_EQ(Texts(), std::vector<std::string>{});
}

TEST_F(MainWindow, AFileOfOnlyUnsupportedInformationStillOpensTheHub) {
  const std::string path = (dir.path() + "/future.xml").toStdString();
  ASSERT_TRUE(WriteFileAtomically(path, std::string_view("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                                         "<TK48G_CFG><FUTURE_SECTION><X>1</X></FUTURE_SECTION>"
                                                         "</TK48G_CFG>\n")));
  auto window = Open();
  ui.files = {path};
  ExpectHub();
  Click(window->ReadFileButton());
  EXPECT_EQ(hubs, 1);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text.rfind("Cannot edit parameter: Setting contains unsupported information.", 0), 0u);
  EXPECT_EQ(ui.messages[0].icon, Icon::Warning);
}

TEST_F(MainWindow, ReadFileFailuresKeepTheHubClosed) {
  const std::string broken = (dir.path() + "/broken.xml").toStdString();
  ASSERT_TRUE(WriteFileAtomically(broken, std::string_view("<TK48G_CFG><SYSTEM>")));
  struct Case {
    const char* what;
    std::string path;
    std::string message;
    std::string currentFile;
  } cases[] = {
      {"missing file", (dir.path() + "/missing.xml").toStdString(), "Failed to open file.", ""},
      {"not a configuration", broken, "Failed to convert into setting data.", broken},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ui.messages.clear();
    auto window = Open();
    ui.files = {c.path};
    Click(window->ReadFileButton());
    EXPECT_EQ(hubs, 0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, c.message);
    EXPECT_EQ(ui.messages[0].icon, Icon::Error);
    EXPECT_EQ(window->CurrentFile(), c.currentFile);
  }
}

// What is no regular file, or is larger than the text buffer, is refused before
// it is read (a FIFO nobody writes would hold the window for ever): the message
// names it, the record and the current file stay, the hub stays closed. A link
// to a regular file reads.
TEST_F(MainWindow, ReadFileRefusesWhatIsNoConfigurationFile) {
  auto saved = NewSettingData();
  ApplyDefaults(*saved);
  saved->COM.FTP.PORT = 2100;
  const std::string good = (dir.path() + "/good.xml").toStdString();
  ASSERT_TRUE(WriteFileAtomically(good, ConfigurationText(*saved)));
  const std::string big = (dir.path() + "/big.xml").toStdString();
  ASSERT_TRUE(WriteFileAtomically(big, ""));
  std::filesystem::resize_file(big, kTextBufferSize + 1);
  const UnwrittenFifo fifo((dir.path() + "/fifo.xml").toStdString());
  ASSERT_TRUE(fifo.Made());
  const std::string fifoLink = (dir.path() + "/fifo-link.xml").toStdString();
  std::filesystem::create_symlink(fifo.Path(), fifoLink);
  const std::string goodLink = (dir.path() + "/good-link.xml").toStdString();
  std::filesystem::create_symlink(good, goodLink);

  auto window = Open();
  ui.files = {good};
  ExpectHub();
  Click(window->ReadFileButton());
  ASSERT_EQ(hubs, 1);
  const auto before = NewSettingData();
  *before = window->Record();
  const struct {
    std::string path, message;
  } cases[] = {
      {fifo.Path(), fifo.Path() + " is not a regular file."},
      {fifoLink, fifoLink + " is not a regular file."},
      {dir.path().toStdString(), dir.path().toStdString() + " is not a regular file."},
      {"/dev/null", "/dev/null is not a regular file."},
      {big, big + " is larger than 6815744 bytes."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    ui.messages.clear();
    ui.files = {c.path};
    Click(window->ReadFileButton());
    EXPECT_EQ(hubs, 1);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, c.message);
    EXPECT_EQ(ui.messages[0].icon, Icon::Error);
    EXPECT_EQ(window->CurrentFile(), good);
    EXPECT_TRUE(SameRecord(window->Record(), *before));
  }
  EXPECT_FALSE(fifo.WasOpened());
  EXPECT_EQ(std::filesystem::file_size(big), kTextBufferSize + 1);

  ui.messages.clear();
  ui.files = {goodLink};
  ExpectHub();
  Click(window->ReadFileButton());
  EXPECT_EQ(hubs, 2);
  EXPECT_EQ(window->CurrentFile(), goodLink);
  EXPECT_EQ(window->Record().COM.FTP.PORT, 2100);
  EXPECT_EQ(Texts(), std::vector<std::string>{});
}

// Where the file went wrong goes under the message's details; the message is the same.
TEST_F(MainWindow, ReadFileOffersWhereTheFileWentWrong) {
  const struct {
    const char* what;
    std::string_view text;
    std::string message, details;
  } cases[] = {
      {"truncated", "<TK48G_CFG>\r\n<SYSTEM>\r\n<TIMEZONE>9</TIMEZ", "Failed to convert into setting data.",
       "Line 3, column 12: unclosed token"},
      {"refused value", "<TK48G_CFG>\r\n<SYSTEM>\r\n<TIMEZONE>14</TIMEZONE>\r\n</SYSTEM>\r\n</TK48G_CFG>\r\n",
       "Cannot edit: Setting contains unsupported parameter(s). Update TK48GCFG.\n<TK48G_CFG><SYSTEM><TIMEZONE>",
       "Line 3, column 11: SYSTEM.TIMEZONE = \"14\": expects an integer from -12 to 13"},
  };
  auto window = Open();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string path = (dir.path() + "/faulty.xml").toStdString();
    ASSERT_TRUE(WriteFileAtomically(path, c.text));
    ui.messages.clear();
    ui.files = {path};
    Click(window->ReadFileButton());
    EXPECT_EQ(hubs, 0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, c.message);
    EXPECT_EQ(ui.messages[0].details, c.details);
  }
}

TEST_F(MainWindow, DownloadPassesTheAccessModeGate) {
  struct Case {
    const char* what;
    bool confirm;
    std::function<void(CDlgCommConfirm&)> answer;  // empty: the dialog must not come
    int downloads, hubs;
  } cases[] = {
      {"confirmed", true, [](CDlgCommConfirm& d) { Click(d.ConnectButton()); }, 1, 1},
      {"cancelled", true, [](CDlgCommConfirm& d) { QTest::keyClick(&d, Qt::Key_Escape); }, 0, 0},
      {"confirmation off", false, {}, 1, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    downloads = hubs = 0;
    Store(pref::kConnectConfirm, c.confirm ? 1 : 0);
    auto window = Open();
    if (c.answer) WhenModal<CDlgCommConfirm>(c.answer);
    if (c.hubs) ExpectHub();
    Click(window->DownloadButton());
    EXPECT_EQ(downloads, c.downloads);
    EXPECT_EQ(hubs, c.hubs);
    if (c.hubs) {
      EXPECT_EQ(window->Record().COM.FTP.PORT, 4242);
    }
  }
}

TEST_F(MainWindow, FailedDownloadOpensNothing) {
  Store(pref::kConnectConfirm, 0);
  downloadSucceeds = false;
  auto window = Open();
  Click(window->DownloadButton());
  EXPECT_EQ(downloads, 1);
  EXPECT_EQ(hubs, 0);
}

TEST_F(MainWindow, DeviceScreensRunAfterTheirCheck) {
  Store(pref::kConnectConfirm, 0);
  registered = {Screen::Maintenance, Screen::NetworkSettings};
  auto window = Open();
  connectionOk = false;
  Click(window->MaintenanceButton());
  EXPECT_TRUE(opened.empty());
  connectionOk = true;
  Click(window->MaintenanceButton());
  EXPECT_EQ(opened, std::vector<Screen>{Screen::Maintenance});
  opened.clear();
  app.device.downloadAccess = [](SettingData&, DeviceContext&) { return false; };
  Click(window->NetworkButton());
  EXPECT_TRUE(opened.empty());
  app.device.downloadAccess = [](SettingData&, DeviceContext&) { return true; };
  Click(window->NetworkButton());
  EXPECT_EQ(opened, std::vector<Screen>{Screen::NetworkSettings});
}

TEST_F(MainWindow, ConnectChangesTheDescriptionAndTheLogin) {
  Store(pref::kComType, 0);
  auto window = Open();
  app.login = {"user", "pw", true};
  WhenModal<CDlgCom>([](CDlgCom& d) {
    d.NetCombo()->setCurrentIndex(1);
    QTest::keyClick(&d, Qt::Key_Return);
  });
  Click(window->ConnectButton());
  EXPECT_EQ(window->DeviceLabel()->text(), "beta (10.0.0.2)");
  EXPECT_FALSE(app.login.loggedIn);
  EXPECT_FALSE(window->ComLogButton()->isEnabled());

  WhenModal<CDlgCom>([](CDlgCom& d) {
    Click(d.UsbRadio());
    QTest::keyClick(&d, Qt::Key_Return);
  });
  Click(window->ConnectButton());
  EXPECT_EQ(window->AccessModeLabel()->text(), "USB");
  EXPECT_TRUE(window->ComLogButton()->isEnabled());
}

TEST_F(MainWindow, CommunicationLogWithoutPortShowsTheError) {
  Store(pref::kCom, 20);
  Store(ComPortPreferenceKey(20), (dir.path() + "/no-such-port").toStdString());
  auto window = Open();
  Click(window->ComLogButton());
  EXPECT_EQ(Texts(), std::vector<std::string>{"Cannot open COM port 20"});
  EXPECT_EQ(ui.messages[0].icon, Icon::Error);
}

// "Upload" then "Change" inside the hub can switch the connection: the window
// shows the new one when the hub closes, and the log never opens a port of a
// network connection.
TEST_F(MainWindow, ClosingTheHubShowsTheConnectionChangedInIt) {
  Store(pref::kComType, 1);
  Store(pref::kCom, 20);
  Store(ComPortPreferenceKey(20), (dir.path() + "/no-such-port").toStdString());
  auto window = Open();
  ASSERT_TRUE(window->ComLogButton()->isEnabled());
  WhenModal<CDlgSetMain>([this](CDlgSetMain& hub) {
    app.connection.usb = false;
    QTest::keyClick(&hub, Qt::Key_Escape);
  });
  Click(window->NewSettingButton());
  EXPECT_EQ(window->AccessModeLabel()->text(), "Network");
  EXPECT_EQ(window->DeviceLabel()->text(), "alpha (10.0.0.1)");
  EXPECT_FALSE(window->ComLogButton()->isEnabled());
  window->CommunicationLog();  // as a stray route to the slot would
  EXPECT_TRUE(ui.messages.empty()) << ui.Last();
}

TEST_F(MainWindow, AboutIsOfferedAfterASeparator) {
  auto window = Open();
  // "Backups" comes first in the same menu.
  const auto actions = window->actions();
  ASSERT_EQ(actions.size(), 3);
  EXPECT_EQ(actions[0]->text(), "Backups");
  EXPECT_TRUE(actions[1]->isSeparator());
  EXPECT_EQ(actions[2]->text(), "&About TK48GCFG...");
  EXPECT_EQ(window->contextMenuPolicy(), Qt::ActionsContextMenu);
  WhenModal<CAboutDlg>([](CAboutDlg& about) {
    QStringList texts;
    for (auto* label : about.findChildren<QLabel*>()) texts << label->text();
    EXPECT_EQ(texts, QStringList({"TK48GCFG Version 1.0.0"}));
    QTest::keyClick(&about, Qt::Key_Return);
  });
  actions[2]->trigger();
}

TEST_F(MainWindow, QuitAndEscapeClose) {
  for (const bool escape : {false, true}) {
    auto window = Open();
    if (escape) QTest::keyClick(window.get(), Qt::Key_Escape);
    else Click(window->QuitButton());
    EXPECT_FALSE(window->isVisible());
  }
}

}  // namespace
}  // namespace tk48::test

namespace tk48::test {
namespace {

// "Read file（CSV）" has no visible button: Ctrl+Shift+R runs it once its
// screen exists, and the hub follows when the import says so.
TEST_F(MainWindow, ReadCsvAnswersItsShortcut) {
  auto window = Open();
  EXPECT_FALSE(window->ReadCsvShortcut()->isEnabled());
  registered = {Screen::ReadCsv};
  window = Open();
  ASSERT_TRUE(window->ReadCsvShortcut()->isEnabled());
  EXPECT_EQ(window->ReadCsvShortcut()->key(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R));
  ExpectHub();
  emit window->ReadCsvShortcut()->activated();
  EXPECT_EQ(opened, std::vector<Screen>{Screen::ReadCsv});
  EXPECT_EQ(hubs, 1);
}

}  // namespace
}  // namespace tk48::test
