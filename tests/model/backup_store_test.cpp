// The backup store: names written and read back, the listing, atomic writes
// beside foreign files, the cap that removes the oldest first but never a
// backup of the current minute, and the rights that keep the passwords in a
// backup from other users.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "model/backup_store.h"
#include "model/file_io.h"
#include "tests/model/scoped_umask.h"

namespace tk48 {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Clock = std::chrono::system_clock;

// A fixed "now" on a whole minute, so that +59 s stays in it.
const Clock::time_point kNow = Clock::time_point(std::chrono::minutes(29'450'000));

TEST(BackupNames, WrittenNamesReadBack) {
  const struct {
    BackupOrigin origin;
    BackupKind kind;
    int sequence;
    const char* name;
  } cases[] = {
      {{BackupTransport::Network, "192.168.1.20"}, BackupKind::Download, 1, "2026-12-10T14-03-22_net_192.168.1.20.xml"},
      {{BackupTransport::Usb, "COM3"}, BackupKind::Upload, 1, "2026-12-10T14-03-22_usb_COM3_upload.xml"},
      {{BackupTransport::Usb, "COM3"}, BackupKind::Download, 2, "2026-12-10T14-03-22~2_usb_COM3.xml"},
      {{BackupTransport::Network, "fe80::1%eth0"}, BackupKind::Upload, 12, "2026-12-10T14-03-22~12_net_fe80--1-eth0_upload.xml"},
      {{BackupTransport::Usb, "/dev/pts/3"}, BackupKind::Download, 1, "2026-12-10T14-03-22_usb_dev-pts-3.xml"},
      // A device named like the upload mark stays a download.
      {{BackupTransport::Network, "x_upload"}, BackupKind::Download, 1, "2026-12-10T14-03-22_net_x-upload.xml"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(BackupFileName("2026-12-10T14-03-22", c.sequence, c.origin, c.kind), c.name);
    const auto entry = ParseBackupName(c.name);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->stamp, "2026-12-10T14-03-22");
    EXPECT_EQ(entry->Time(), "2026-12-10 14:03:22");
    EXPECT_EQ(entry->sequence, c.sequence);
    EXPECT_EQ(entry->transport, c.origin.transport);
    EXPECT_EQ(entry->kind, c.kind);
    EXPECT_EQ(entry->device, FileSafe(c.origin.device));
  }
}

TEST(BackupNames, ForeignNamesAreNoBackups) {
  for (const char* name : {"notes.xml", "tk48gcfg.xml", "2026-12-10T14-03-22_net_192.168.1.20.xml.tmp-12-0",
                           "2026-12-10T14-03-22_ftp_host.xml", "2026-12-10T14-03-22_net_.xml",
                           "2026-12-10T14-03-22_net__upload.xml", "2026-12-10T14-03-22_net_a b.xml",
                           "2026-12-10T14-03-22~1_net_host.xml", "2026-12-10T14-03-22~_net_host.xml",
                           "2026-12-10 14-03-22_net_host.xml", "2026-12-10T14-03_net_host.xml",
                           "2026-12-10T14-03-22_net_host.XML", "2026-12-10T14-03-22_net_host_upload_upload.xml"}) {
    EXPECT_FALSE(ParseBackupName(name)) << name;
  }
}

TEST(BackupNames, FileSafeDevices) {
  const std::pair<const char*, const char*> cases[] = {
      {"COM3", "COM3"},          {"plc-7.example.com", "plc-7.example.com"}, {"/dev/ttyUSB0", "dev-ttyUSB0"},
      {"boiler house", "boiler-house"}, {"../..", "..-.."}, {"", "device"}, {"///", "device"},
      {"装置A", "A"}};
  for (const auto& [device, safe] : cases) EXPECT_EQ(FileSafe(device), safe) << device;
  EXPECT_EQ(FileSafe(std::string(200, 'a')).size(), 64u);
}

class BackupStoreTest : public ::testing::Test {
 protected:
  BackupStoreTest() : dir_(fs::temp_directory_path() / ("tk48-backups-" + std::to_string(::getpid()))) {
    fs::remove_all(dir_);
  }
  ~BackupStoreTest() override { fs::remove_all(dir_); }

  BackupStore Store(std::uintmax_t cap = 1 << 30) {
    return BackupStore(dir_.string(), cap, [this] { return now_; });
  }
  // A backup made at `when`, of `size` bytes, written without the store.
  std::string Old(Clock::time_point when, std::size_t size, const char* device = "COM1") {
    const auto name = BackupFileName(BackupStamp(when), 1, {BackupTransport::Usb, device}, BackupKind::Download);
    fs::create_directories(dir_);
    std::ofstream(dir_ / name, std::ios::binary) << std::string(size, 'x');
    return name;
  }
  std::vector<std::string> Names(const BackupStore& store) const {
    std::vector<std::string> names;
    for (const auto& e : store.List()) names.push_back(e.fileName);
    return names;
  }

  fs::path dir_;
  Clock::time_point now_ = kNow;
};

TEST_F(BackupStoreTest, KeepsTextsAndListsThemNewestFirst) {
  const BackupStore store = Store();
  EXPECT_TRUE(store.List().empty()) << "no folder yet: nothing listed";
  std::string error;
  const auto first = store.Keep(BackupKind::Download, {BackupTransport::Network, "10.0.0.5"}, "<a/>", &error);
  ASSERT_TRUE(first) << error;
  now_ += 1s;
  const auto second = store.Keep(BackupKind::Upload, {BackupTransport::Network, "10.0.0.5"}, "<bb/>");
  const auto third = store.Keep(BackupKind::Upload, {BackupTransport::Network, "10.0.0.5"}, "<ccc/>");
  ASSERT_TRUE(second && third);
  EXPECT_EQ(ReadWholeFile(*first), "<a/>");
  EXPECT_EQ(ReadWholeFile(*third), "<ccc/>");

  // Foreign files beside them are neither listed nor touched.
  std::ofstream(dir_ / "notes.xml") << "mine";
  fs::create_directory(dir_ / (BackupStamp(kNow) + "_usb_COM1.xml"));  // a folder of a backup's name

  const auto entries = store.List();
  ASSERT_EQ(entries.size(), 3u);
  const std::string stamp = BackupStamp(kNow + 1s);
  EXPECT_EQ(entries[0].fileName, stamp + "~2_net_10.0.0.5_upload.xml");
  EXPECT_EQ(entries[0].size, 6u);
  EXPECT_EQ(entries[1].fileName, stamp + "_net_10.0.0.5_upload.xml");
  EXPECT_EQ(entries[2].fileName, BackupStamp(kNow) + "_net_10.0.0.5.xml");
  EXPECT_EQ(entries[2].kind, BackupKind::Download);
  EXPECT_EQ(entries[2].size, 4u);
  EXPECT_EQ(store.PathOf(entries[2]), *first);
  EXPECT_EQ(ReadWholeFile((dir_ / "notes.xml").string()), "mine");
  // No temporary file is left behind.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 5);
}

TEST_F(BackupStoreTest, TheCapRemovesTheOldestButNeverOneOfThisMinute) {
  const struct {
    const char* what;
    std::uintmax_t cap;
    std::vector<int> kept;  // of the old backups 0 (oldest) to 3 (this minute, earlier)
  } cases[] = {
      {"under the cap nothing goes", 1000, {0, 1, 2, 3}},
      {"over it the oldest go first", 700, {2, 3}},
      {"exactly at the cap nothing more goes", 600, {2, 3}},
      {"the current minute stays whatever the cap", 0, {3}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(dir_);
    // 3 days, 2 hours and 1 minute ago, then earlier in this minute.
    const std::string old[] = {Old(kNow - 72h, 200), Old(kNow - 2h, 200), Old(kNow - 1min, 200), Old(kNow, 200)};
    std::ofstream(dir_ / "notes.xml") << std::string(5000, 'n');  // no backup: not counted, never removed
    now_ = kNow + 30s;
    const BackupStore store = Store(c.cap);
    const auto made = store.Keep(BackupKind::Upload, {BackupTransport::Usb, "COM1"}, std::string(200, 'u'));
    ASSERT_TRUE(made);
    std::vector<std::string> expected{fs::path(*made).filename().string()};
    for (auto k = c.kept.rbegin(); k != c.kept.rend(); ++k) expected.push_back(old[*k]);
    EXPECT_EQ(Names(store), expected);
    EXPECT_TRUE(fs::exists(dir_ / "notes.xml"));
  }
}

TEST_F(BackupStoreTest, AFolderThatCannotBeMadeFailsWithItsReason) {
  fs::create_directories(dir_);
  std::ofstream(dir_ / "plain") << "x";
  const BackupStore store((dir_ / "plain" / "backups").string(), 1 << 20);
  std::string error;
  EXPECT_FALSE(store.Keep(BackupKind::Download, {BackupTransport::Usb, "COM1"}, "<a/>", &error));
  EXPECT_FALSE(error.empty());
  EXPECT_TRUE(store.List().empty());
  EXPECT_FALSE(BackupStore("", 1 << 20).Keep(BackupKind::Download, {}, "<a/>"));
}

// A backup holds the device's passwords: the folders the store makes and the
// files it writes are the owner's alone, whatever the umask would allow, even
// one that takes the owner's own rights.
TEST_F(BackupStoreTest, MadeFoldersAndBackupsAreTheOwnersAloneWhateverTheUmask) {
  for (const mode_t mask : {0000, 0022, 0277}) {
    SCOPED_TRACE(::testing::Message() << "umask " << std::oct << mask);
    fs::remove_all(dir_);
    const fs::path folder = dir_ / "nested" / "backups";
    std::optional<std::string> kept;
    std::string error;
    {
      test::ScopedUmask umask(mask);
      kept = BackupStore(folder.string(), 1 << 20).Keep(BackupKind::Upload, {}, "<pw/>", &error);
    }
    ASSERT_TRUE(kept) << error;
    for (const fs::path& made : {dir_, dir_ / "nested", folder}) EXPECT_EQ(test::ModeOf(made.c_str()), 0700u) << made;
    EXPECT_EQ(test::ModeOf(kept->c_str()), 0600u);
    EXPECT_EQ(ReadWholeFile(*kept), "<pw/>");
  }
}

// A folder that was there keeps its rights; the store only tells whether
// others have any on it.
TEST_F(BackupStoreTest, AnExistingFolderKeepsItsRightsAndTellsWhetherOthersHaveAny) {
  const struct {
    mode_t mode;
    bool open;
  } cases[] = {{0700, false}, {0500, false}, {0750, true}, {0710, true}, {0701, true}, {0777, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "mode " << std::oct << c.mode);
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    ::chmod(dir_.c_str(), c.mode);
    const BackupStore store = Store();
    EXPECT_EQ(store.OpenToOthers(), c.open);
    if (c.mode & 0200) {
      const auto kept = store.Keep(BackupKind::Download, {}, "<pw/>");
      ASSERT_TRUE(kept);
      EXPECT_EQ(test::ModeOf(kept->c_str()), 0600u);
    }
    EXPECT_EQ(test::ModeOf(dir_.c_str()), c.mode) << "left alone";
    ::chmod(dir_.c_str(), 0700);
  }
  std::ofstream(dir_ / "plain") << "x";
  for (const fs::path& none : {dir_ / "missing", dir_ / "plain", fs::path()})
    EXPECT_FALSE(BackupStore(none.string(), 1).OpenToOthers()) << none;
}

}  // namespace
}  // namespace tk48
