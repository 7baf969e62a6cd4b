// The configuration hub: the baseline behind "Back", "Save file", the upload
// with its credential check and "ID, Password", the section buttons.
#include <sys/resource.h>
#include <unistd.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <csignal>
#include <cstring>

#include "app/CDlgCom.h"
#include "app/CDlgCommConfirm.h"
#include "app/CDlgSetIdPwd.h"
#include "app/CDlgSetMain.h"
#include "app/credential_check.h"
#include "app/screen_table.h"
#include "editors/toolkit/list_screen.h"
#include "editors/toolkit/menu_screen.h"
#include "gui_fixture.h"
#include "model/defaults.h"
#include "model/file_io.h"
#include "model/writer.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48::test {
namespace {

constexpr std::int32_t kUse = 1, kNoUse = 0;

void SetText(char* field, std::size_t size, const char* text) {
  std::memset(field, 0, size);
  std::strncpy(field, text, size - 1);
}
#define SET_TEXT(field, text) SetText(field, sizeof(field), text)

// A record whose server credentials raise no flag.
void StrongCredentials(SettingData& r) {
  for (auto& account : r.COM.WEB.AUTH) SET_TEXT(account.PASSWORD, "s3cret-web");
  r.COM.FTP.MODE = kNoUse;
}

class HubTest : public GuiTest {
 protected:
  HubTest() {
    ApplyNewSetting(*record);
    Start();
    app.screens = [this](Screen s) { return s == registered ? opener : ScreenOpener{}; };
    app.device.upload = [this](const SettingData& r, DeviceContext&) {
      ++uploads;
      uploaded = std::make_unique<SettingData>(r);
      return uploadSucceeds;
    };
  }

  std::unique_ptr<CDlgSetMain> OpenHub(std::string currentFile = {}) {
    auto hub = std::make_unique<CDlgSetMain>(app, *record, std::move(currentFile));
    Show(*hub);
    return hub;
  }
  void Edit() { record->COM.FTP.PORT = 2121; }
  // Presses "Back"; true when the hub closed.
  bool Back(CDlgSetMain& hub) {
    Click(hub.BackButton());
    return !hub.isVisible();
  }

  std::unique_ptr<SettingData> record = NewSettingData();
  Screen registered = Screen::System;
  ScreenOpener opener;
  int uploads = 0;
  std::unique_ptr<SettingData> uploaded;
  bool uploadSucceeds = true;
  QTemporaryDir dir;
};

TEST_F(HubTest, OpeningShowsTheConnectionAndTheSwitch) {
  Store(pref::kTagMessage, 0);
  auto hub = OpenHub();
  EXPECT_EQ(hub->windowTitle(), "Configuration");
  EXPECT_EQ(hub->AccessModeLabel()->text(), "USB");
  EXPECT_EQ(hub->DeviceLabel()->text(), "COM1");
  EXPECT_FALSE(hub->TagMessageCheck()->isChecked());
}

TEST_F(HubTest, BackWithoutEditsAsksNothing) {
  struct Case {
    const char* what;
    std::function<void(CDlgSetMain&)> press;
  } cases[] = {
      {"Back", [](CDlgSetMain& h) { Click(h.BackButton()); }},
      {"Enter", [](CDlgSetMain& h) { QTest::keyClick(&h, Qt::Key_Return); }},
      {"Escape", [](CDlgSetMain& h) { QTest::keyClick(&h, Qt::Key_Escape); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    auto hub = OpenHub();
    c.press(*hub);
    EXPECT_FALSE(hub->isVisible());
    EXPECT_TRUE(ui.messages.empty());
  }
}

TEST_F(HubTest, BackAfterAnEditAsksAndCancelStays) {
  auto hub = OpenHub();
  Edit();
  ui.answers = {Answer::Cancel};
  EXPECT_FALSE(Back(*hub));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Discarding present setting to return to main menu");
  EXPECT_EQ(ui.messages[0].icon, Icon::Question);
  EXPECT_EQ(ui.messages[0].buttons, Buttons::OkCancel);
  QTest::keyClick(hub.get(), Qt::Key_Escape);  // OK this time
  EXPECT_FALSE(hub->isVisible());
  EXPECT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(record->COM.FTP.PORT, 2121) << "the working record keeps its edits";
}

TEST_F(HubTest, SaveFileWritesTheTextAndTakesTheBaseline) {
  auto hub = OpenHub();
  Edit();
  const std::string path = (dir.path() + "/saved.xml").toStdString();
  ui.files = {path};
  Click(hub->SaveFileButton());
  ASSERT_EQ(ui.fileDialogs.size(), 1u);
  const FileDialog& asked = ui.fileDialogs[0];
  EXPECT_TRUE(asked.save);
  EXPECT_EQ(asked.filter, "TK48GCFG File(*.xml)|*.xml||");
  EXPECT_EQ(asked.initialName, "tk48gcfg.xml");
  EXPECT_EQ(asked.defaultExt, "xml");
  EXPECT_EQ(ReadWholeFile(path), ConfigurationText(*record));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "File saved.");
  EXPECT_EQ(ui.messages[0].icon, Icon::Information);
  EXPECT_TRUE(Back(*hub)) << "nothing left to lose";
  EXPECT_EQ(ui.messages.size(), 1u);
}

// While it lives, the process acts as "nobody" where it runs as root (root
// writes anywhere); access() still answers for the real user.
class ActingAsNobody {
 public:
  ActingAsNobody() : root_(::geteuid() == 0) {
    if (root_) {
      EXPECT_EQ(::seteuid(65534), 0);
    }
  }
  ~ActingAsNobody() {
    if (root_) ::seteuid(0);
  }

 private:
  bool root_;
};

// A folder that takes no new file, and a hard-linked file: the save writes the
// file in place and says what it always says.
TEST_F(HubTest, SaveWritesInPlaceWhereARenameCannotServe) {
  QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                        QFileDevice::ExeGroup | QFileDevice::ExeOther);
  const QString lockedDir = dir.path() + "/locked";
  ASSERT_TRUE(QDir().mkdir(lockedDir));
  const std::string locked = (lockedDir + "/plant.xml").toStdString();
  ASSERT_TRUE(WriteFileAtomically(locked, "old"));
  ASSERT_EQ(::chown(locked.c_str(), ::geteuid() == 0 ? 65534 : ::geteuid(), static_cast<gid_t>(-1)), 0);
  ::chmod(locked.c_str(), 0666);
  ::chmod(lockedDir.toUtf8().constData(), 0555);
  const std::string linked = (dir.path() + "/linked.xml").toStdString();
  const std::string other = (dir.path() + "/other-name.xml").toStdString();
  ASSERT_TRUE(WriteFileAtomically(linked, "old"));
  ASSERT_EQ(::link(linked.c_str(), other.c_str()), 0);

  for (const std::string& path : {locked, linked}) {
    SCOPED_TRACE(path);
    ui.messages.clear();
    auto hub = OpenHub();
    Edit();
    ui.files = {path};
    {
      std::optional<ActingAsNobody> nobody;
      if (path == locked) nobody.emplace();
      Click(hub->SaveFileButton());
    }
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "File saved.");
    EXPECT_TRUE(ReadWholeFile(path) == ConfigurationText(*record));
    EXPECT_TRUE(Back(*hub)) << "saved: nothing left to lose";
    record->COM.FTP.PORT = 21;
  }
  EXPECT_EQ(::geteuid(), ::getuid()) << "acting as ourselves again";
  EXPECT_TRUE(ReadWholeFile(other) == ReadWholeFile(linked)) << "the hard link holds";
  EXPECT_EQ(QDir(lockedDir).entryList(QDir::Files), QStringList({"plant.xml"}));
  ::chmod(lockedDir.toUtf8().constData(), 0755);
}

// A text the file cannot carry is refused before any file is chosen.
TEST_F(HubTest, SaveRefusesATextTheFileCannotCarry) {
  auto hub = OpenHub();
  record->SYSTEM.NAME1[0] = '\x07';
  Click(hub->SaveFileButton());
  EXPECT_TRUE(ui.fileDialogs.empty());
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, FormatText(text::kUnwritableText, "SYSTEM.NAME1"));
  EXPECT_EQ(ui.messages[0].icon, Icon::Error);
}

TEST_F(HubTest, SaveOffersTheCurrentFileName) {
  auto hub = OpenHub("/data/plant.xml");
  Click(hub->SaveFileButton());  // cancelled: nothing happens
  ASSERT_EQ(ui.fileDialogs.size(), 1u);
  EXPECT_EQ(ui.fileDialogs[0].initialName, "/data/plant.xml");
  EXPECT_TRUE(ui.messages.empty());
}

// Caps the size of files this process writes: writes beyond it fail (EFBIG),
// whoever the process runs as.
class FileSizeCap {
 public:
  explicit FileSizeCap(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old_);
    previous_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit cap = old_;
    cap.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &cap);
  }
  ~FileSizeCap() {
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, previous_);
  }

 private:
  rlimit old_{};
  void (*previous_)(int) = nullptr;
};

TEST_F(HubTest, AFailedSaveKeepsTheOldFileAndTheBaseline) {
  const std::string existing = (dir.path() + "/existing.xml").toStdString();
  const std::string before = "<TK48G_CFG>the user's previous file</TK48G_CFG>\n";
  ASSERT_TRUE(WriteFileAtomically(existing, before));
  struct Case {
    const char* what;
    std::string path;
    bool capped;
    std::string message;
  } cases[] = {
      {"missing folder", (dir.path() + "/no/such/folder/x.xml").toStdString(), false, "Failed to open file."},
      {"a folder in the file's place", dir.path().toStdString(), false, "Failed to open file."},
      {"the write fails", existing, true, "Failed to save file."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ui.messages.clear();
    auto hub = OpenHub();
    Edit();
    ui.files = {c.path};
    {
      std::optional<FileSizeCap> cap;
      if (c.capped) cap.emplace(4096);
      Click(hub->SaveFileButton());
    }
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, c.message);
    EXPECT_EQ(ui.messages[0].icon, Icon::Error);
    EXPECT_EQ(ReadWholeFile(existing), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"existing.xml"})) << "no temporary left";
    ui.answers = {Answer::Ok};
    EXPECT_TRUE(Back(*hub));
    EXPECT_EQ(ui.messages.size(), 2u) << "the edit is still unsaved";
    record->COM.FTP.PORT = 21;
  }
}

TEST_F(HubTest, TagMessageSwitchIsStoredAtOnce) {
  auto hub = OpenHub();
  ASSERT_TRUE(hub->TagMessageCheck()->isChecked());
  EXPECT_FALSE(IsStored(pref::kTagMessage)) << "opening writes nothing";
  Click(hub->TagMessageCheck());
  EXPECT_EQ(StoredInt(pref::kTagMessage), 0);
  EXPECT_FALSE(app.tagMessage);
  Click(hub->TagMessageCheck());
  EXPECT_EQ(StoredInt(pref::kTagMessage), 1);
  EXPECT_TRUE(app.tagMessage);
}

TEST_F(HubTest, SectionButtonsWorkOnlyOnceTheirScreenExists) {
  SettingData* seen = nullptr;
  opener = [&](const ScreenContext& c) {
    seen = &c.record;
    c.record.SYSTEM.TIMEZONE = 7;  // an editor's OK writes into the working record
    return true;
  };
  auto hub = OpenHub();
  // The sections still missing.
  for (Screen s : {Screen::InputOutput, Screen::Email, Screen::GraphDisplay, Screen::Record, Screen::Scheduler,
                   Screen::ProcessMonitor})
    EXPECT_FALSE(hub->ScreenButton(s)->isEnabled()) << int(s);
  EXPECT_EQ(hub->ScreenButton(Screen::System)->text(), "System");
  Click(hub->ScreenButton(Screen::System));
  EXPECT_EQ(seen, record.get());
  ui.answers = {Answer::Cancel};
  EXPECT_FALSE(Back(*hub)) << "the editor's change is unsaved";
}

// The real screen table: every section button works.
TEST_F(HubTest, SectionButtonsOfTheRealScreenTable) {
  app.screens = RegisteredScreen;
  auto hub = OpenHub();
  for (Screen s : {Screen::System, Screen::InputOutput, Screen::Communication, Screen::Email, Screen::GraphDisplay,
                   Screen::Record, Screen::Scheduler, Screen::ProcessMonitor}) {
    EXPECT_TRUE(hub->ScreenButton(s)->isEnabled()) << int(s);
  }
  // "Record", "Scheduler" and "Graph/Display" open their menus; Back leaves them.
  const struct {
    Screen section;
    const char* title;
    QStringList buttons;
  } menus[] = {
      {Screen::Record, "Record", {"Logging", "Event", "Report", "Back"}},
      {Screen::Scheduler, "Scheduler",
       {"Pattern setting", "Schedule unit setting", "Maintenance SW setting", "Back"}},
      {Screen::GraphDisplay, "Graph/Display", {"Trend", "Data", "Back"}},
      {Screen::Email, "E-mail",
       {"Address list", "Mail template", "Regular report", "Delivery failure output", "E-mailing calendar", "Back"}},
  };
  for (const auto& m : menus) {
    bool shown = false;
    WhenModal<MenuScreen>([&](MenuScreen& menu) {
      shown = true;
      EXPECT_EQ(menu.windowTitle(), m.title);
      QStringList texts;
      for (const QPushButton* b : menu.findChildren<QPushButton*>()) texts << b->text();
      EXPECT_EQ(texts, m.buttons);
      Click(menu.backButton());
    });
    Click(hub->ScreenButton(m.section));
    EXPECT_TRUE(shown) << m.title;
  }
  // "Process operation monitor" opens the process list.
  bool listed = false;
  WhenModal<ListScreen>([&](ListScreen& list) {
    listed = true;
    EXPECT_EQ(list.windowTitle(), "Process operation monitor");
    EXPECT_EQ(list.list()->model()->rowCount(), 32);
    Click(list.backButton());
  });
  Click(hub->ScreenButton(Screen::ProcessMonitor));
  EXPECT_TRUE(listed);
  ui.answers = {};
  EXPECT_TRUE(Back(*hub)) << "menus write nothing";
}

TEST_F(HubTest, CommunicationAndTheIdPasswordEditorsAreRegistered) {
  for (Screen s : {Screen::Communication, Screen::WebAuth, Screen::FtpServer}) EXPECT_TRUE(RegisteredScreen(s)) << int(s);
}

// ---- Upload ----

TEST_F(HubTest, CredentialFlags) {
  struct Case {
    const char* what;
    std::function<void(SettingData&)> change;
    bool web, ftp;
  } cases[] = {
      {"new setting: account 0 in use with the factory login", [](SettingData&) {}, true, false},
      {"account 0 not in use", [](SettingData& r) { r.COM.WEB.AUTH[0].MODE = kNoUse; }, false, false},
      {"new password", [](SettingData& r) { SET_TEXT(r.COM.WEB.AUTH[0].PASSWORD, "x"); }, false, false},
      {"new login, factory password", [](SettingData& r) { SET_TEXT(r.COM.WEB.AUTH[0].LOGIN, "me"); }, false, false},
      {"factory login with a longer password",
       [](SettingData& r) { SET_TEXT(r.COM.WEB.AUTH[0].PASSWORD, (std::string(r.COM.WEB.AUTH[0].PASSWORD) + "1").c_str()); },
       false, false},
      {"blank password on account 31",
       [](SettingData& r) {
         StrongCredentials(r);
         r.COM.WEB.AUTH[31].MODE = kUse;
         SET_TEXT(r.COM.WEB.AUTH[31].LOGIN, "x");
         SET_TEXT(r.COM.WEB.AUTH[31].PASSWORD, "");
       },
       true, false},
      {"blank login of an unused account", [](SettingData& r) { StrongCredentials(r); SET_TEXT(r.COM.WEB.AUTH[3].LOGIN, ""); },
       false, false},
      {"FTP in use with factory ID and password", [](SettingData& r) { StrongCredentials(r); r.COM.FTP.MODE = kUse; },
       false, true},
      {"FTP in use, blank ID",
       [](SettingData& r) {
         StrongCredentials(r);
         r.COM.FTP.MODE = kUse;
         SET_TEXT(r.COM.FTP.ID, "");
       },
       false, true},
      {"FTP in use, new password",
       [](SettingData& r) {
         StrongCredentials(r);
         r.COM.FTP.MODE = kUse;
         SET_TEXT(r.COM.FTP.PASSWORD, "other");
       },
       false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    auto r = NewSettingData();
    ApplyNewSetting(*r);
    c.change(*r);
    const CredentialFlags flags = CheckCredentials(*r);
    EXPECT_EQ(flags.web, c.web);
    EXPECT_EQ(flags.ftp, c.ftp);
  }
}

TEST_F(HubTest, WeakCredentialsWarnThenOfferTheirEditors) {
  struct Case {
    const char* what;
    std::function<void(SettingData&)> change;
    QStringList buttons;
  } cases[] = {
      {"web only", [](SettingData&) {}, {"Web server"}},
      {"FTP only", [](SettingData& r) { StrongCredentials(r); r.COM.FTP.MODE = kUse; }, {"FTP server"}},
      {"both", [](SettingData& r) { r.COM.FTP.MODE = kUse; }, {"Web server", "FTP server"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ApplyNewSetting(*record);
    c.change(*record);
    ui.messages.clear();
    auto hub = OpenHub();
    WhenModal<CDlgSetIdPwd>([&](CDlgSetIdPwd& d) {
      QStringList shown;
      for (int i = 0; i < 2; ++i)
        if (d.Slot(i)->isVisible()) shown << d.Slot(i)->text();
      EXPECT_EQ(shown, c.buttons);
      EXPECT_TRUE(d.Slot(0)->isVisible()) << "the top slot fills first";
      EXPECT_FALSE(d.Slot(0)->isEnabled()) << "no editor registered yet";
      Click(d.CancelButton());
    });
    Click(hub->UploadButton());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, LoadText(text::kCredentialsWarning));
    EXPECT_EQ(ui.messages[0].icon, Icon::Warning);
    EXPECT_EQ(uploads, 0);
  }
}

TEST_F(HubTest, EscapeInIdPasswordActsAsOk) {
  Store(pref::kConnectConfirm, 0);
  Start();
  auto hub = OpenHub();
  // Escape: still weak, so the question; OK on it goes on to the upload's question.
  WhenModal<CDlgSetIdPwd>([](CDlgSetIdPwd& d) { QTest::keyClick(&d, Qt::Key_Escape); });
  ui.answers = {Answer::Ok /* warning */, Answer::Ok /* still weak */, Answer::Ok /* upload? */};
  Click(hub->UploadButton());
  EXPECT_EQ(Texts(), (std::vector<std::string>{LoadText(text::kCredentialsWarning).data(),
                                               LoadText(text::kCredentialsStillWeak).data(),
                                               "Are you sure to upload?"}));
  EXPECT_EQ(ui.messages[1].icon, Icon::Warning);
  EXPECT_EQ(ui.messages[1].buttons, Buttons::OkCancel);
  EXPECT_EQ(ui.messages[2].icon, Icon::Information);
  EXPECT_EQ(uploads, 1);
}

TEST_F(HubTest, IdPasswordQuestionCancelKeepsItOpen) {
  CDlgSetIdPwd dialog(app, *record);
  Show(dialog);
  ui.answers = {Answer::Cancel};
  Click(dialog.OkButton());
  EXPECT_TRUE(dialog.isVisible());
  ui.answers = {Answer::Ok};
  QTest::keyClick(&dialog, Qt::Key_Return);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(HubTest, IdPasswordEditorThatFixesTheAccountsLetsOkCloseWithoutQuestion) {
  registered = Screen::WebAuth;
  opener = [](const ScreenContext& c) {
    SET_TEXT(c.record.COM.WEB.AUTH[0].PASSWORD, "changed");
    return true;
  };
  CDlgSetIdPwd dialog(app, *record);
  Show(dialog);
  Click(dialog.Slot(0));
  Click(dialog.OkButton());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_TRUE(ui.messages.empty());
}

class UploadTest : public HubTest {
 protected:
  UploadTest() {
    StrongCredentials(*record);
    Store(pref::kConnectConfirm, 0);
    Start();
  }
};

TEST_F(UploadTest, CancellingTheQuestionSendsNothing) {
  auto hub = OpenHub();
  Edit();
  ui.answers = {Answer::Cancel};
  Click(hub->UploadButton());
  EXPECT_EQ(Texts(), std::vector<std::string>{"Are you sure to upload?"});
  EXPECT_EQ(ui.messages[0].buttons, Buttons::OkCancel);
  EXPECT_EQ(uploads, 0);
  ui.answers = {Answer::Cancel};
  EXPECT_FALSE(Back(*hub));
}

TEST_F(UploadTest, SuccessTakesTheBaselineFailureDoesNot) {
  for (const bool ok : {false, true}) {
    SCOPED_TRACE(ok);
    uploadSucceeds = ok;
    ui.messages.clear();
    auto hub = OpenHub();
    Edit();
    Click(hub->UploadButton());
    ASSERT_EQ(uploads, ok ? 2 : 1);
    EXPECT_TRUE(SameRecord(*uploaded, *record));
    ui.answers = {Answer::Cancel};
    EXPECT_EQ(Back(*hub), ok);
    record->COM.FTP.PORT = 21;
  }
}

// "Change" in the confirmation, then "Cancel": nothing is sent, and the hub
// shows the connection as it now is.
TEST_F(UploadTest, TheHubShowsAConnectionChangedBeforeACancel) {
  Store(pref::kConnectConfirm, 1);
  Store(pref::kComType, 0);
  Store(pref::kNet, "alpha");
  StoreEntry(1, "alpha", "10.0.0.1");
  StoreEntry(2, "beta", "beta.example");
  Start();
  auto hub = OpenHub();
  EXPECT_EQ(hub->DeviceLabel()->text(), "alpha (10.0.0.1)");
  WhenModal<CDlgCommConfirm>([](CDlgCommConfirm& d) {
    WhenModal<CDlgCom>([](CDlgCom& c) {
      c.NetCombo()->setCurrentIndex(1);
      QTest::keyClick(&c, Qt::Key_Return);
    });
    Click(d.ChangeButton());
    Click(d.CancelButton());
  });
  Click(hub->UploadButton());
  EXPECT_EQ(uploads, 0);
  EXPECT_EQ(hub->DeviceLabel()->text(), "beta (beta.example)");
  EXPECT_EQ(hub->AccessModeLabel()->text(), "Network");
}

TEST_F(UploadTest, ConfirmAccessModeGatesTheUpload) {
  Store(pref::kConnectConfirm, 1);
  Start();
  auto hub = OpenHub();
  WhenModal<CDlgCommConfirm>([](CDlgCommConfirm& d) { Click(d.CancelButton()); });
  Click(hub->UploadButton());
  EXPECT_EQ(uploads, 0);
  WhenModal<CDlgCommConfirm>([](CDlgCommConfirm& d) { Click(d.ConnectButton()); });
  Click(hub->UploadButton());
  EXPECT_EQ(uploads, 1);
}

}  // namespace
}  // namespace tk48::test
