// The backups of the desktop application against tk48sim on a pseudo-terminal:
// a download keeps what the hub shows, a failed one keeps nothing, a folder
// that cannot take a backup warns once without failing the upload, a folder
// others may read is named once and left as it is, BACKUP_ENABLE=0 keeps
// none, the cap removes the oldest; and "Backups" in the main window's menu
// lists them and opens one into the hub.
#include <sys/stat.h>

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QTemporaryDir>
#include <cstring>
#include <fstream>
#include <tuple>

#include "app/CDlgBackups.h"
#include "app/CDlgSetMain.h"
#include "app/CTK48CFGDlg.h"
#include "app/change_review.h"
#include "gui_fixture.h"
#include "link/transfers.h"
#include "model/backup_store.h"
#include "model/defaults.h"
#include "model/file_io.h"
#include "model/gzlib.h"
#include "model/transfer_container.h"
#include "model/writer.h"
#include "resources/strings.h"
#include "resources/text_ids.h"
#include "tests/e2e/sim_serial_process.h"

namespace tk48::test {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::system_clock;

std::unique_ptr<SettingData> Named(const char* name) {
  auto record = NewSettingData();
  ApplyDefaults(*record);
  std::strncpy(record->SYSTEM.NAME1, name, sizeof record->SYSTEM.NAME1 - 1);
  // Accounts of our own: the upload asks nothing about them.
  for (auto& account : record->COM.WEB.AUTH) {
    std::strcpy(account.LOGIN, "operator");
    std::strcpy(account.PASSWORD, "Op3rator!");
  }
  return record;
}

void Write(const fs::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// A device on a pseudo-terminal, reached as COM1.
class Device {
 public:
  // `config`: the text the device holds (compressed as "CONFIG_P"), or raw
  // bytes that are no such file at all.
  bool Start(Preferences& prefs, std::vector<std::string> options, std::optional<std::string> config = {},
             bool packed = true) {
    const auto state = dir_.Path() / "state";
    fs::create_directories(state);
    if (config) {
      ScriptedUi quiet;
      const auto file = packed ? PackForUpload(*config, quiet) : std::vector<std::uint8_t>(config->begin(), config->end());
      if (!file) return false;
      Write(state / "CONFIG_P", {reinterpret_cast<const char*>(file->data()), file->size()});
    }
    const std::string pty = (dir_.Path() / "ttyTK48").string();
    options.insert(options.end(), {"--pty", pty, "--state", state.string()});
    prefs.WriteText(pref::kMain, ComPortPreferenceKey(1), pty);
    return sim_.Start(options);
  }

 private:
  TempDir dir_;
  SimProcess sim_;
};

class Backups : public GuiTest {
 protected:
  Backups() {
    Store(pref::kBackupDir, folder_);
    Store(pref::kConnectConfirm, 0);
    Store("REVIEW_BEFORE_UPLOAD", 0);  // the upload goes straight on after its confirmation
  }

  std::vector<BackupEntry> Kept() const { return BackupStore(folder_, 1 << 30).List(); }
  static std::unique_ptr<SettingData> ReadText(const std::string& text) {
    auto record = NewSettingData();
    ScriptedUi quiet;
    EXPECT_TRUE(LoadSettingsText(*record, text, quiet, false));
    return record;
  }
  static std::unique_ptr<SettingData> ReadBack(const std::string& path) {
    return ReadText(ReadWholeFile(path).value_or(""));
  }
  // The text the device serves now, fetched without keeping a backup.
  std::string Served() {
    DeviceContext ctx = app.DeviceCtx();
    ctx.keepBackup = {};
    const auto file = GetDeviceFile(ctx, kConfigFile, kReceiveBufferSize);
    CGzlib zip;
    EXPECT_TRUE(file && zip.Decompress(*file));
    return {reinterpret_cast<const char*>(zip.Decompressed().data()), zip.Decompressed().size()};
  }

  QTemporaryDir dir_;
  std::string folder_ = (dir_.path() + "/backups").toStdString();
};

TEST_F(Backups, ADownloadKeepsOneBackupThatReadsBackAsTheHubShows) {
  const std::string onDevice = ConfigurationText(*Named("Filter plant 3"));
  Device device;
  ASSERT_TRUE(device.Start(prefs, {}, onDevice));
  Start();
  CTK48CFGDlg window(app);
  Show(window);
  auto shown = NewSettingData();
  WhenModal<CDlgSetMain>(
      [&](CDlgSetMain& hub) {
        *shown = window.Record();
        Click(hub.BackButton());
      },
      60000);
  Click(window.DownloadButton());
  ASSERT_STREQ(shown->SYSTEM.NAME1, "Filter plant 3");

  const auto kept = Kept();
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(kept[0].kind, BackupKind::Download);
  EXPECT_EQ(kept[0].transport, BackupTransport::Usb);
  EXPECT_EQ(kept[0].device, "COM1");
  const std::string path = BackupStore(folder_, 0).PathOf(kept[0]);
  EXPECT_TRUE(ReadWholeFile(path) == Served()) << "the device's own text";
  EXPECT_TRUE(SameRecord(*ReadBack(path), *shown));
  EXPECT_EQ(Texts(), std::vector<std::string>{});
}

TEST_F(Backups, AFailedDownloadKeepsNone) {
  const struct {
    const char* what;
    std::vector<std::string> options;
    std::optional<std::string> config;
  } cases[] = {
      {"the device refuses the file", {"--refuse-get", "CONFIG_P"}, std::nullopt},
      {"the file arrives but does not decompress", {}, std::string("no zlib stream here")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Device device;
    ASSERT_TRUE(device.Start(prefs, c.options, c.config, false));
    Start();
    ui.messages.clear();
    DeviceContext ctx = app.DeviceCtx();
    auto record = NewSettingData();
    EXPECT_FALSE(app.device.download(*record, ctx));
    EXPECT_FALSE(ui.messages.empty());
    EXPECT_TRUE(Kept().empty());
  }
}

TEST_F(Backups, AFolderThatTakesNoBackupWarnsOnceAndTheUploadSucceeds) {
  Device device;
  ASSERT_TRUE(device.Start(prefs, {}));
  Write(dir_.path().toStdString() + "/plain", "a file, no folder");
  const std::string blocked = dir_.path().toStdString() + "/plain/backups";
  Store(pref::kBackupDir, blocked);
  Start();
  auto record = Named("Upload with no backup");
  CDlgSetMain hub(app, *record, {});
  Show(hub);
  hub.Upload();
  EXPECT_EQ(Texts(), (std::vector<std::string>{
                         LoadText(text::kConfirmUpload).data(),
                         FormatText(text::kBackupNotWritten, blocked.c_str(),
                                    std::generic_category().message(ENOTDIR).c_str()),
                     }));
  EXPECT_EQ(ui.messages.back().icon, Icon::Warning);
  EXPECT_STREQ(ReadText(Served())->SYSTEM.NAME1, "Upload with no backup") << "the device took it";
  hub.reject();
  EXPECT_FALSE(hub.isVisible()) << "uploaded: nothing to lose";
}

// A backup holds the device's passwords. A chosen folder that others may read
// is named once per folder in a run, keeps its rights, and takes backups that
// only their owner reads; the transfers go on.
TEST_F(Backups, AFolderOthersMayReadIsNamedOnceAndKeepsItsRights) {
  Device device;
  ASSERT_TRUE(device.Start(prefs, {}));
  const std::string other = (dir_.path() + "/team").toStdString();
  for (const auto& [folder, mode] : {std::pair{folder_, 0750}, std::pair{other, 0705}}) {
    fs::create_directories(folder);
    ::chmod(folder.c_str(), static_cast<mode_t>(mode));
  }
  Start();
  const auto download = [&] {
    DeviceContext ctx = app.DeviceCtx();
    auto record = NewSettingData();
    EXPECT_TRUE(app.device.download(*record, ctx));
  };
  download();
  download();
  Store(pref::kBackupDir, other);
  download();
  EXPECT_EQ(Texts(), (std::vector<std::string>{FormatText(text::kBackupFolderOpen, folder_.c_str()),
                                               FormatText(text::kBackupFolderOpen, other.c_str())}));
  for (const auto& m : ui.messages) EXPECT_EQ(m.icon, Icon::Warning);

  for (const auto& [folder, mode, backups] : {std::tuple{folder_, 0750, 2}, std::tuple{other, 0705, 1}}) {
    SCOPED_TRACE(folder);
    struct stat st {};
    ASSERT_EQ(::stat(folder.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, static_cast<mode_t>(mode)) << "left as the user set it";
    const BackupStore store(folder, 1 << 30);
    const auto kept = store.List();
    EXPECT_EQ(kept.size(), static_cast<std::size_t>(backups));
    for (const auto& entry : kept) {
      ASSERT_EQ(::stat(store.PathOf(entry).c_str(), &st), 0);
      EXPECT_EQ(st.st_mode & 07777, 0600u) << entry.fileName;
    }
  }
}

// BACKUP_ENABLE=0: neither a download nor an upload leaves a backup, not even
// the folder.
TEST_F(Backups, BackupEnableZeroKeepsNone) {
  Device device;
  ASSERT_TRUE(device.Start(prefs, {}));
  const struct {
    const char* what;
    std::optional<int> enable;
    bool kept;
  } cases[] = {{"not stored: kept", std::nullopt, true}, {"0: none", 0, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(folder_);
    if (c.enable) Store(pref::kBackupEnable, *c.enable);
    Start();
    ui.messages.clear();
    auto record = NewSettingData();
    DeviceContext down = app.DeviceCtx();
    ASSERT_TRUE(app.device.download(*record, down));
    std::strcpy(record->SYSTEM.NAME1, "Uploaded");
    DeviceContext up = app.DeviceCtx();
    ASSERT_TRUE(app.device.upload(*record, up));
    EXPECT_EQ(fs::exists(folder_), c.kept);
    EXPECT_EQ(Kept().size(), c.kept ? 2u : 0u);
    EXPECT_EQ(Texts(), std::vector<std::string>{});
    EXPECT_STREQ(ReadText(Served())->SYSTEM.NAME1, "Uploaded") << "the upload went on";
  }
}

TEST_F(Backups, TheCapRemovesTheOldestFirst) {
  Device device;
  ASSERT_TRUE(device.Start(prefs, {}));
  constexpr int kCapMb = 8;
  const std::uintmax_t cap = kCapMb * kBytesPerMb;
  Store(pref::kBackupCapMb, kCapMb);
  Start();
  const std::size_t served = Served().size();
  ASSERT_LT(served, cap) << "one backup fits the cap";
  // Three old backups: with the new one they exceed the cap by less than one of them.
  const std::size_t oldSize = (cap - served) / 2;
  const auto now = Clock::now();
  std::vector<std::string> old;
  fs::create_directories(folder_);
  fs::permissions(folder_, fs::perms::owner_all);  // as the store makes it: nothing to warn about
  for (const auto age : {std::chrono::hours(50), std::chrono::hours(26), std::chrono::hours(2)}) {
    old.push_back(BackupFileName(BackupStamp(now - age), 1, {BackupTransport::Usb, "COM1"}, BackupKind::Download));
    Write(fs::path(folder_) / old.back(), std::string(oldSize, 'x'));
  }
  DeviceContext ctx = app.DeviceCtx();
  auto record = NewSettingData();
  ASSERT_TRUE(app.device.download(*record, ctx));

  const auto kept = Kept();
  ASSERT_EQ(kept.size(), 3u);
  EXPECT_EQ(kept[1].fileName, old[2]);
  EXPECT_EQ(kept[2].fileName, old[1]);
  EXPECT_FALSE(fs::exists(fs::path(folder_) / old[0])) << "the oldest went";
  EXPECT_EQ(Texts(), std::vector<std::string>{});
}

// "Backups" lists the kept files newest first; "Compare" shows what changed
// from a backup to another or to the record in the window; "Open" reads the
// chosen one as "Read file" does and the hub shows it.
TEST_F(Backups, TheListOpensTheChosenBackupInTheHub) {
  const auto now = Clock::now();
  const struct {
    std::chrono::hours age;
    BackupOrigin origin;
    BackupKind kind;
    const char* name;
  } files[] = {
      {std::chrono::hours(30), {BackupTransport::Usb, "COM2"}, BackupKind::Download, "Oldest"},
      {std::chrono::hours(3), {BackupTransport::Network, "10.1.2.3"}, BackupKind::Upload, "Middle"},
      {std::chrono::hours(1), {BackupTransport::Network, "10.1.2.3"}, BackupKind::Download, "Newest"},
  };
  fs::create_directories(folder_);
  std::vector<std::string> paths;
  for (const auto& f : files) {
    paths.push_back(folder_ + "/" + BackupFileName(BackupStamp(now - f.age), 1, f.origin, f.kind));
    Write(paths.back(), ConfigurationText(*Named(f.name)));
  }
  Write(folder_ + "/notes.txt", "not a backup");
  Start();
  CTK48CFGDlg window(app);
  window.Record() = *Named("In the window");
  Show(window);

  bool listed = false;
  WhenModal<CDlgBackups>([&](CDlgBackups& dialog) {
    listed = true;
    EXPECT_EQ(dialog.FolderLabel()->text().toStdString(), FormatText(text::kBackupFolder, folder_.c_str()));
    const QAbstractItemModel& model = *dialog.List()->model();
    ASSERT_EQ(model.rowCount(), 3);
    ASSERT_EQ(model.columnCount(), 5);
    QStringList headers;
    for (int c = 0; c < 5; ++c) headers << model.headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(headers, (QStringList{"Time", "Transport", "Device", "Size", "Transfer"}));
    const auto cell = [&](int row, int column) { return model.index(row, column).data().toString().toStdString(); };
    EXPECT_EQ(cell(0, 0), ParseBackupName(fs::path(paths[2]).filename().string())->Time());
    EXPECT_EQ(cell(0, 1), "Network");
    EXPECT_EQ(cell(0, 2), "10.1.2.3");
    EXPECT_EQ(cell(0, 4), "Download");
    EXPECT_EQ(cell(1, 4), "Upload");
    EXPECT_EQ(cell(2, 1), "USB");
    EXPECT_EQ(cell(2, 2), "COM2");
    EXPECT_FALSE(cell(2, 3).empty());

    // Compare: the older of two backups to the newer, or one to the current record.
    const auto compare = [&](std::vector<int> rows, const std::string& caption, const char* from, const char* to) {
      dialog.List()->clearSelection();
      for (const int row : rows)
        dialog.List()->selectionModel()->select(model.index(row, 0),
                                                QItemSelectionModel::Select | QItemSelectionModel::Rows);
      bool shown = false;
      WhenModal<CDlgChangeReview>([&](CDlgChangeReview& review) {
        shown = true;
        EXPECT_EQ(review.Caption()->text().toStdString(), caption);
        ASSERT_EQ(review.Model().Changes(), 1u) << "only the name differs";
        const std::string change = review.Model().index(1).data().toString().toStdString();
        EXPECT_NE(change.find(from), std::string::npos) << change;
        EXPECT_LT(change.find(from), change.find(to)) << change;
        Click(review.CloseButton());
      });
      Click(dialog.CompareButton());
      EXPECT_TRUE(shown);
    };
    const auto label = [&](int file) {
      const auto entry = ParseBackupName(fs::path(paths[file]).filename().string());
      return FormatText(text::kBackupLabel, entry->Time().c_str(), entry->device.c_str());
    };
    compare({0, 2}, FormatText(text::kBackupAgainstBackup, label(0).c_str(), label(2).c_str()), "Oldest", "Newest");
    compare({1}, FormatText(text::kBackupAgainstCurrent, label(1).c_str()), "Middle", "In the window");

    // Open takes exactly one backup; Compare one or two.
    dialog.List()->selectAll();
    EXPECT_FALSE(dialog.OpenButton()->isEnabled());
    EXPECT_FALSE(dialog.CompareButton()->isEnabled());
    dialog.List()->clearSelection();
    EXPECT_FALSE(dialog.OpenButton()->isEnabled());
    EXPECT_FALSE(dialog.CompareButton()->isEnabled());
    dialog.List()->selectRow(1);
    WhenModal<CDlgSetMain>([&](CDlgSetMain& hub) {
      EXPECT_STREQ(window.Record().SYSTEM.NAME1, "Middle");
      Click(hub.BackButton());
    });
    Click(dialog.OpenButton());
  });
  window.BackupsAction()->trigger();
  EXPECT_TRUE(listed);
  EXPECT_EQ(window.CurrentFile(), paths[1]);
  EXPECT_EQ(Texts(), std::vector<std::string>{});
  EXPECT_TRUE(window.actions().contains(window.BackupsAction())) << "in the window's context menu";
}

}  // namespace
}  // namespace tk48::test
