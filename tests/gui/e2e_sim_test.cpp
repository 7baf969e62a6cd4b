// End to end through the desktop application's own screens against tk48sim on
// a pseudo-terminal reached through the COM1 override: New setting, Save file,
// Back, Read file, Upload to device, then Download from device shows the
// uploaded record in the hub.
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTimer>
#include <cstring>

#include "app/CDlgSetIdPwd.h"
#include "app/CDlgSetMain.h"
#include "app/CDlgWait232c.h"
#include "app/CTK48CFGDlg.h"
#include "app/qt_ui.h"
#include "editors/com/CDlgSetCom.h"
#include "editors/com/CDlgSetComFtps.h"
#include "editors/com/CDlgSetComWebAuth.h"
#include "editors/com/CDlgSetComWebAuthConf.h"
#include "gui_fixture.h"
#include "link/transfers.h"
#include "model/defaults.h"
#include "model/writer.h"
#include "resources/strings.h"
#include "resources/text_ids.h"
#include "tests/e2e/sim_serial_process.h"

namespace tk48::test {
namespace {

void SetName(SettingData& r, const char* name) {
  std::memset(r.SYSTEM.NAME1, 0, sizeof r.SYSTEM.NAME1);
  std::strncpy(r.SYSTEM.NAME1, name, sizeof r.SYSTEM.NAME1 - 1);
}

// The record as a configuration text: what the device keeps of it.
std::string AsText(const SettingData& r) { return ConfigurationText(r); }

TEST_F(GuiTest, SettingRoundTripThroughTheDevice) {
  TempDir simDir;
  const std::string pty = (simDir.Path() / "ttyTK48").string();
  SimProcess sim;
  ASSERT_TRUE(sim.Start({"--pty", pty}));
  Store(ComPortPreferenceKey(1), pty);
  Store(pref::kConnectConfirm, 0);
  Start();
  QTemporaryDir dir;
  const std::string file = (dir.path() + "/plant.xml").toStdString();

  CTK48CFGDlg window(app);
  Show(window);

  // New setting: edit, save, and Back asks nothing. Read file, then upload
  // from the hub: the web account still has its factory login, so the warning
  // and "ID, Password" come first; uploaded, Back asks nothing.
  std::string uploadedText;
  SaveAndReadBack(
      window, file,
      [&](CDlgSetMain&) {
        SetName(window.Record(), "E2E plant");
        window.Record().COM.FTP.PORT = 2121;
      },
      [&](CDlgSetMain& hub, const SettingData& r) {
        EXPECT_EQ(Texts(), std::vector<std::string>{"File saved."});
        EXPECT_STREQ(r.SYSTEM.NAME1, "E2E plant");
        uploadedText = AsText(r);
        WhenModal<CDlgSetIdPwd>([](CDlgSetIdPwd& d) { Click(d.OkButton()); });
        ui.messages.clear();
        Click(hub.UploadButton());
        EXPECT_EQ(Texts(), (std::vector<std::string>{LoadText(text::kCredentialsWarning).data(),
                                                     LoadText(text::kCredentialsStillWeak).data(),
                                                     "Are you sure to upload?"}));
        EXPECT_EQ(ui.progressDialogs, 1);
      });
  EXPECT_EQ(window.CurrentFile(), file);

  // Another record in the window, then Download from device.
  SetName(window.Record(), "something else");
  ui.messages.clear();
  bool hubShown = false;
  WhenModal<CDlgSetMain>(
      [&](CDlgSetMain& hub) {
        hubShown = true;
        EXPECT_STREQ(window.Record().SYSTEM.NAME1, "E2E plant");
        EXPECT_EQ(window.Record().COM.FTP.PORT, 2121);
        EXPECT_EQ(AsText(window.Record()), uploadedText);
        Click(hub.BackButton());
      },
      60000);
  Click(window.DownloadButton());
  EXPECT_TRUE(hubShown);
  EXPECT_EQ(Texts(), std::vector<std::string>{});
  EXPECT_EQ(ui.progressDialogs, 2);
}

// The server credentials put right through the real screens on the way to an
// upload: the FTP server enabled with its factory account (hub, Communication,
// FTP server); Upload warns and "ID, Password" offers both servers; the web
// identity and the FTP account fixed there; OK goes on without the second
// question; the upload succeeds and a download brings the new logins back.
TEST_F(GuiTest, UploadFixesServerCredentialsThroughTheirScreens) {
  TempDir simDir;
  const std::string pty = (simDir.Path() / "ttyTK48").string();
  SimProcess sim;
  ASSERT_TRUE(sim.Start({"--pty", pty}));
  Store(ComPortPreferenceKey(1), pty);
  Store(pref::kConnectConfirm, 0);
  Start();
  CTK48CFGDlg window(app);
  Show(window);

  bool uploaded = false;
  WhenModal<CDlgSetMain>([&](CDlgSetMain& hub) {
    WhenModal<CDlgSetCom>([&](CDlgSetCom& menu) {
      WhenModal<CDlgSetComFtps>([](CDlgSetComFtps& ftp) {
        QTest::keyClick(ftp.mode, Qt::Key_Down);  // "Enable"
        Click(ftp.okButton);
      });
      Click(menu.button(1));
      Click(menu.backButton());
    });
    Click(hub.ScreenButton(Screen::Communication));
    ASSERT_EQ(window.Record().COM.FTP.MODE, 1);

    WhenModal<CDlgSetIdPwd>([&](CDlgSetIdPwd& d) {
      EXPECT_EQ(d.Slot(0)->text(), "Web server");
      EXPECT_EQ(d.Slot(1)->text(), "FTP server");
      WhenModal<CDlgSetComWebAuth>([](CDlgSetComWebAuth& web) {
        WhenModal<CDlgSetComWebAuthConf>([](CDlgSetComWebAuthConf& identity) {
          identity.login->setText("operator");
          identity.password->setText("Op3rator!");
          Click(identity.okButton);
        });
        web.identities->Edit(0);
        Click(web.okButton);
      });
      Click(d.Slot(0));
      WhenModal<CDlgSetComFtps>([](CDlgSetComFtps& ftp) {
        ftp.login->setText("loader");
        ftp.password->setText("L0ader#");
        Click(ftp.okButton);
      });
      Click(d.Slot(1));
      Click(d.OkButton());
    });
    ui.messages.clear();
    Click(hub.UploadButton());
    EXPECT_EQ(Texts(), (std::vector<std::string>{LoadText(text::kCredentialsWarning).data(),
                                                 "Are you sure to upload?"}));
    EXPECT_EQ(ui.progressDialogs, 1);
    Click(hub.BackButton());
    uploaded = !hub.isVisible();
  });
  Click(window.NewSettingButton());
  ASSERT_TRUE(uploaded) << "after the upload the hub has nothing to lose";

  std::memset(window.Record().COM.WEB.AUTH[0].LOGIN, 0, sizeof window.Record().COM.WEB.AUTH[0].LOGIN);
  ui.messages.clear();
  bool hubShown = false;
  WhenModal<CDlgSetMain>(
      [&](CDlgSetMain& hub) {
        hubShown = true;
        const ComSection& com = window.Record().COM;
        EXPECT_STREQ(com.WEB.AUTH[0].LOGIN, "operator");
        EXPECT_STREQ(com.WEB.AUTH[0].PASSWORD, "Op3rator!");
        EXPECT_EQ(com.FTP.MODE, 1);
        EXPECT_STREQ(com.FTP.ID, "loader");
        EXPECT_STREQ(com.FTP.PASSWORD, "L0ader#");
        Click(hub.BackButton());
      },
      60000);
  Click(window.DownloadButton());
  EXPECT_TRUE(hubShown);
  EXPECT_EQ(Texts(), std::vector<std::string>{});
}

// The same download with the Qt port: the real "Please wait" dialog runs the
// transfer's worker, then the hub opens.
TEST_F(GuiTest, DownloadShowsThePleaseWaitDialogThenTheHub) {
  TempDir simDir;
  const std::string pty = (simDir.Path() / "ttyTK48").string();
  SimProcess sim;
  ASSERT_TRUE(sim.Start({"--pty", pty}));
  Store(ComPortPreferenceKey(1), pty);
  Store(pref::kConnectConfirm, 0);
  Store(pref::kTagMessage, 0);
  QtUi qtUi;
  CTK48CFGApp qtApp(prefs, qtUi);
  qtApp.ReadPreferences();
  CTK48CFGDlg window(qtApp);
  Show(window);
  bool waited = false, hubShown = false;
  WhenModal<CDlgWait232c>(
      [&](CDlgWait232c& wait) {
        waited = true;
        EXPECT_EQ(wait.Bar()->maximum(), 6815744);
        WhenModal<CDlgSetMain>(
            [&](CDlgSetMain& hub) {
              hubShown = true;
              Click(hub.BackButton());
            },
            60000);
      },
      30000);
  Click(window.DownloadButton());
  EXPECT_TRUE(waited);
  EXPECT_TRUE(hubShown);
}

// A device that stays "processing": the result poll runs inside the "Please
// wait" dialog, the window keeps handling events all the while, and at the
// limit (RESULT_POLL_LIMIT) the upload ends with its message.
TEST_F(GuiTest, TheResultPollKeepsTheWindowAlive) {
  TempDir simDir;
  const std::string pty = (simDir.Path() / "ttyTK48").string();
  SimProcess sim;
  ASSERT_TRUE(sim.Start({"--pty", pty, "--processing-endless"}));
  Store(ComPortPreferenceKey(1), pty);
  Store(pref::kResultPollLimit, 2);
  QtUi qtUi;
  CTK48CFGApp qtApp(prefs, qtUi);
  qtApp.ReadPreferences();
  auto record = NewSettingData();
  ApplyDefaults(*record);
  SetName(*record, "kept");
  const std::string before = AsText(*record);

  // Every tick notes the time and whether the transfer's dialog was up.
  QElapsedTimer clock;
  clock.start();
  qint64 lastTick = 0, longestGap = 0;
  int ticksUnderTheDialog = 0;
  QTimer ticker;
  QObject::connect(&ticker, &QTimer::timeout, [&] {
    const qint64 now = clock.elapsed();
    longestGap = std::max(longestGap, now - lastTick);
    lastTick = now;
    if (qobject_cast<CDlgWait232c*>(QApplication::activeModalWidget())) ++ticksUnderTheDialog;
  });
  ticker.start(50);
  std::string shown;
  WhenModal<QMessageBox>(
      [&](QMessageBox& box) {
        shown = box.text().toStdString();
        Click(box.button(QMessageBox::Ok));
      },
      60000);
  DeviceContext ctx = qtApp.DeviceCtx();
  EXPECT_FALSE(UploadSettings(*record, ctx));
  ticker.stop();
  EXPECT_EQ(shown, LoadText(text::kResultPollOutOfTime));
  EXPECT_LT(longestGap, 1000) << "the window stopped handling events";
  EXPECT_GE(ticksUnderTheDialog * 50, 1500) << "the poll ran after the dialog had closed";
  EXPECT_EQ(AsText(*record), before);
}

}  // namespace
}  // namespace tk48::test
