// Safe whole-file writes: the old file survives a failure, links and
// permissions are kept.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "model/file_io.h"

namespace tk48 {
namespace {

namespace fs = std::filesystem;

class FileIo : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("tk48-fileio-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
};

TEST_F(FileIo, WritesReplacesAndReadsBack) {
  const std::string path = (dir_ / "a.xml").string();
  ASSERT_TRUE(WriteFileAtomically(path, "first"));
  ASSERT_TRUE(WriteFileAtomically(path, std::string("second\0with nul", 15)));
  EXPECT_EQ(ReadWholeFile(path), std::string("second\0with nul", 15));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);  // no temporary left
  EXPECT_FALSE(ReadWholeFile((dir_ / "missing").string()));
}

TEST_F(FileIo, AFailedWriteKeepsTheOldFile) {
  // A folder that cannot take the temporary file (it is a file).
  std::ofstream(dir_ / "plain") << "x";
  EXPECT_FALSE(WriteFileAtomically((dir_ / "plain" / "a.xml").string(), "data"));
  // The target is a folder: the rename fails, the folder and its contents stay.
  fs::create_directories(dir_ / "folder" / "inside");
  EXPECT_FALSE(WriteFileAtomically((dir_ / "folder").string(), "data"));
  EXPECT_TRUE(fs::is_directory(dir_ / "folder" / "inside"));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 2);
}

TEST_F(FileIo, FollowsLinksAndKeepsPermissions) {
  const fs::path real = dir_ / "real.xml", link = dir_ / "link.xml";
  ASSERT_TRUE(WriteFileAtomically(real.string(), "old"));
  ::chmod(real.c_str(), 0640);
  fs::create_symlink(real, link);
  ASSERT_TRUE(WriteFileAtomically(link.string(), "new"));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadWholeFile(real.string()), "new");
  struct stat st {};
  ASSERT_EQ(::stat(real.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
}

// "-o /dev/null" and the like: a device or a pipe takes the bytes and stays
// what it is (as root a rename would have put a regular file in its place).
TEST_F(FileIo, APipeOrDeviceIsWrittenToNotReplaced) {
  const fs::path fifo = dir_ / "pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  EXPECT_TRUE(WriteFileAtomically(fifo.string(), "through"));
  char got[16] = {};
  EXPECT_EQ(::read(reader, got, sizeof got), 7);
  ::close(reader);
  EXPECT_STREQ(got, "through");
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);  // no temporary left
}

// Runs `write` as a user who cannot add files to a folder with mode 0555: as
// root, in a child process that has dropped to "nobody" (root writes anywhere).
bool AsUnprivilegedUser(const std::function<bool()>& write) {
  if (::geteuid() != 0) return write();
  const pid_t child = ::fork();
  if (child == 0) {
    const bool ok = ::setgid(65534) == 0 && ::setuid(65534) == 0 && write();
    ::_exit(ok ? 0 : 1);
  }
  int status = 0;
  return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(FileIo, AFolderThatTakesNoNewFileIsWrittenInPlace) {
  const fs::path folder = dir_ / "locked", file = folder / "a.xml";
  fs::create_directories(folder);
  ASSERT_TRUE(WriteFileAtomically(file.string(), "old text, longer than the new"));
  ::chmod(file.c_str(), 0666);
  ::chmod(folder.c_str(), 0555);
  EXPECT_TRUE(AsUnprivilegedUser([&] { return WriteFileAtomically(file.string(), "new"); }));
  EXPECT_EQ(ReadWholeFile(file.string()), "new");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
  // A new file there still cannot be made.
  EXPECT_FALSE(AsUnprivilegedUser([&] { return WriteFileAtomically((folder / "b.xml").string(), "x"); }));
  ::chmod(folder.c_str(), 0755);
}

TEST_F(FileIo, HardLinksAndOwnerStay) {
  const fs::path a = dir_ / "a.xml", b = dir_ / "b.xml";
  ASSERT_TRUE(WriteFileAtomically(a.string(), "old"));
  fs::create_hard_link(a, b);
  ASSERT_TRUE(WriteFileAtomically(a.string(), "new"));
  EXPECT_EQ(fs::hard_link_count(a), 2u);
  EXPECT_EQ(ReadWholeFile(b.string()), "new");

  if (::geteuid() != 0) GTEST_SKIP() << "handing a file to another owner needs root";
  const fs::path c = dir_ / "c.xml";
  ASSERT_TRUE(WriteFileAtomically(c.string(), "old"));
  ASSERT_EQ(::chown(c.c_str(), 65534, 65534), 0);
  ASSERT_TRUE(WriteFileAtomically(c.string(), "new"));
  struct stat st {};
  ASSERT_EQ(::stat(c.c_str(), &st), 0);
  EXPECT_EQ(st.st_uid, 65534u);
  EXPECT_EQ(ReadWholeFile(c.string()), "new");
}

}  // namespace
}  // namespace tk48
