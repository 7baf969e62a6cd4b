// The review before an upload, from the hub: what it compares against (the
// device's last download or upload in this run, else the file the hub opened,
// else the defaults), that Cancel sends nothing, and the switch that turns it
// off. The end-to-end case runs against tk48sim.
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <cstring>
#include <filesystem>

#include "app/CDlgSetMain.h"
#include "app/CTK48CFGDlg.h"
#include "app/change_review.h"
#include "app/upload_review.h"
#include "gui_fixture.h"
#include "model/defaults.h"
#include "model/file_io.h"
#include "model/writer.h"
#include "resources/strings.h"
#include "resources/text_ids.h"
#include "tests/e2e/sim_serial_process.h"

namespace tk48::test {
namespace {

struct Review {
  bool shown = false;
  std::string caption, summary;
  std::vector<std::string> rows;
};

// The review as the program has it (the fixture keeps it out of other tests).
void ReviewOn(CTK48CFGApp& app) { app.reviewUpload = ReviewUpload; }

// Presses "Upload to device" in `hub` and answers the review with `upload`
// (true: "Upload", false: "Cancel"); what the review showed.
Review UploadThroughReview(CDlgSetMain& hub, bool upload) {
  Review seen;
  WhenModal<CDlgChangeReview>([&](CDlgChangeReview& review) {
    seen.shown = true;
    seen.caption = review.Caption()->text().toStdString();
    seen.summary = review.Summary()->text().toStdString();
    const auto& m = review.Model();
    for (int r = 0; r < m.rowCount(); ++r) seen.rows.push_back(m.index(r).data().toString().toStdString());
    Click(upload ? review.UploadButton() : review.CloseButton());
  });
  Click(hub.UploadButton());
  return seen;
}

void StrongCredentials(SettingData& r) {
  for (auto& account : r.COM.WEB.AUTH) std::strcpy(account.PASSWORD, "s3cret-web");
  r.COM.FTP.MODE = 0;
}

std::string ConfigP(const std::filesystem::path& stateDir) {
  return ReadWholeFile((stateDir / "CONFIG_P").string()).value_or("");
}

// Against tk48sim: a download, two fields edited in two sections; the review
// lists exactly those, and Cancel leaves the device's CONFIG_P as it was.
// "Upload" then sends; the next review compares against what was sent.
TEST_F(GuiTest, ReviewListsTheHubsEditsAndCancelSendsNothing) {
  TempDir simDir;
  const std::string pty = (simDir.Path() / "ttyTK48").string();
  const auto state = simDir.Path() / "state";
  SimProcess sim;
  ASSERT_TRUE(sim.Start({"--pty", pty, "--state", state.string()}));
  Store(ComPortPreferenceKey(1), pty);
  Store(pref::kConnectConfirm, 0);
  ReviewOn(app);
  Start();
  CTK48CFGDlg window(app);
  Show(window);
  const std::string before = ConfigP(state);
  ASSERT_FALSE(before.empty());

  bool hubShown = false;
  WhenModal<CDlgSetMain>(
      [&](CDlgSetMain& hub) {
        hubShown = true;
        SettingData& r = window.Record();
        StrongCredentials(r);  // as the device holds them after the first upload below
        r.SYSTEM.TIMEZONE = 3;
        r.COM.FTP.PORT = 2121;
        ui.messages.clear();
        const Review cancelled = UploadThroughReview(hub, false);
        EXPECT_EQ(Texts(), std::vector<std::string>{"Are you sure to upload?"}) << "the review comes after it";
        EXPECT_EQ(cancelled.caption, LoadText(text::kReviewAgainstDevice));
        const std::vector<std::string> edits = {"SYSTEM (1)", "SYSTEM.TIMEZONE: 9 -> 3"};
        ASSERT_GE(cancelled.rows.size(), 4u);
        EXPECT_EQ(std::vector<std::string>(cancelled.rows.begin(), cancelled.rows.begin() + 2), edits);
        // The web passwords and the FTP mode are COM's too: the edited port is among them.
        EXPECT_EQ(cancelled.rows[2].rfind("COM (", 0), 0u) << cancelled.rows[2];
        EXPECT_NE(std::find(cancelled.rows.begin(), cancelled.rows.end(), "COM.FTP.PORT: 21 -> 2121"),
                  cancelled.rows.end());
        EXPECT_EQ(ui.progressDialogs, 1) << "only the download ran";
        EXPECT_EQ(ConfigP(state), before) << "the device's setting data changed";

        const Review sent = UploadThroughReview(hub, true);
        EXPECT_EQ(sent.rows, cancelled.rows);
        EXPECT_EQ(ui.progressDialogs, 2);
        EXPECT_NE(ConfigP(state), before);

        // Two fields in two sections against what the device now holds.
        const int line = r.RECORD.LOGGING.LINE;
        ASSERT_NE(line, 7);
        r.SYSTEM.TIMEZONE = 4;
        r.RECORD.LOGGING.LINE = 7;
        const Review next = UploadThroughReview(hub, false);
        EXPECT_EQ(next.rows, (std::vector<std::string>{"SYSTEM (1)", "SYSTEM.TIMEZONE: 3 -> 4", "RECORD (1)",
                                                       "RECORD.LOGGING.LINE: " +
                                                           std::to_string(line) + " -> 7"}));
        EXPECT_EQ(ui.progressDialogs, 2);
        Click(hub.BackButton());
      },
      60000);
  Click(window.DownloadButton());
  EXPECT_TRUE(hubShown);
}

// The baseline by how the hub was opened and which device the upload goes to,
// with stand-in device operations; and the switch that turns the review off.
class ReviewBaselineTest : public GuiTest {
 protected:
  ReviewBaselineTest() {
    Store(pref::kConnectConfirm, 0);
    ReviewOn(app);
    Start();
    app.device.download = [this](SettingData& r, DeviceContext&) {
      ApplyDefaults(r);
      StrongCredentials(r);
      r.SYSTEM.TIMEZONE = 7;
      return true;
    };
    app.device.upload = [this](const SettingData&, DeviceContext&) {
      ++uploads;
      return true;
    };
    auto fromFile = NewSettingData();
    ApplyDefaults(*fromFile);
    StrongCredentials(*fromFile);
    fromFile->SYSTEM.TIMEZONE = 5;
    WriteFileAtomically(file, ConfigurationText(*fromFile));
  }

  // Opens the hub with `open`, sets the time zone to 3 and uploads; what the review showed.
  Review EditAndUpload(QPushButton* open, bool upload = false) {
    Review seen;
    WhenModal<CDlgSetMain>([&](CDlgSetMain& hub) {
      StrongCredentials(window.Record());
      window.Record().SYSTEM.TIMEZONE = 3;
      seen = UploadThroughReview(hub, upload);
      ui.answers = {Answer::Ok};  // "Back" discards
      Click(hub.BackButton());
    });
    ui.files = {file};
    Click(open);
    return seen;
  }

  QTemporaryDir dir;
  std::string file = (dir.path() + "/plant.xml").toStdString();
  CTK48CFGDlg window{app};
  int uploads = 0;
};

TEST_F(ReviewBaselineTest, ComparesWithWhatTheDeviceHoldsAsFarAsKnown) {
  Show(window);
  const std::vector<std::string> fromFile = {"SYSTEM (1)", "SYSTEM.TIMEZONE: 5 -> 3"};
  const std::vector<std::string> fromDevice = {"SYSTEM (1)", "SYSTEM.TIMEZONE: 7 -> 3"};
  const std::string againstFile = FormatText(text::kReviewAgainstFile, file.c_str());

  Review r = EditAndUpload(window.NewSettingButton());
  EXPECT_EQ(r.caption, LoadText(text::kReviewAgainstDefaults));
  EXPECT_NE(std::find(r.rows.begin(), r.rows.end(), "SYSTEM.TIMEZONE: 9 -> 3"), r.rows.end());

  r = EditAndUpload(window.ReadFileButton());
  EXPECT_EQ(r.caption, againstFile);
  EXPECT_EQ(r.rows, fromFile);

  r = EditAndUpload(window.DownloadButton());
  EXPECT_EQ(r.caption, LoadText(text::kReviewAgainstDevice));
  EXPECT_EQ(r.rows, fromDevice);

  // What came from this device still counts when a file is opened afterwards.
  r = EditAndUpload(window.ReadFileButton());
  EXPECT_EQ(r.caption, LoadText(text::kReviewAgainstDevice));
  EXPECT_EQ(r.rows, fromDevice);

  // Another device: nothing known of it, so the file.
  Store(pref::kCom, 2);
  app.ReadConnection();
  r = EditAndUpload(window.ReadFileButton());
  EXPECT_EQ(r.caption, againstFile);
  EXPECT_EQ(r.rows, fromFile);
  EXPECT_EQ(uploads, 0) << "every review was cancelled";

  // Uploaded to it: the next review is against what was sent, and shows nothing.
  r = EditAndUpload(window.ReadFileButton(), true);
  EXPECT_EQ(uploads, 1);
  r = EditAndUpload(window.ReadFileButton());
  EXPECT_EQ(r.caption, LoadText(text::kReviewAgainstDevice));
  EXPECT_TRUE(r.rows.empty());
  EXPECT_EQ(r.summary, LoadText(text::kReviewNoUploadChange));

  // Switched off: the upload goes straight on.
  Store(pref::kReviewBeforeUpload, 0);
  WhenModal<CDlgSetMain>([&](CDlgSetMain& hub) {
    StrongCredentials(window.Record());
    Click(hub.UploadButton());
    Click(hub.BackButton());
  });
  ui.files = {file};
  Click(window.ReadFileButton());
  EXPECT_EQ(uploads, 2);
}

}  // namespace
}  // namespace tk48::test
