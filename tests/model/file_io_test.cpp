// Safe whole-file writes: the old file survives a failure, links and
// permissions are kept. Bounded reads: what is no regular file or is too large
// is refused before it is opened.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "model/file_io.h"
#include "model/writer.h"
#include "tests/model/unwritten_fifo.h"

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

// The refusals and their messages, with a bound of 8 bytes.
TEST_F(FileIo, BoundedReadsRefuseBeforeReading) {
  std::ofstream(dir_ / "eight") << "12345678";
  std::ofstream(dir_ / "nine") << "123456789";
  std::ofstream(dir_ / "empty");
  fs::create_directory(dir_ / "folder");
  fs::create_symlink(dir_ / "eight", dir_ / "link");
  fs::create_symlink(dir_ / "gone", dir_ / "dangling");
  const test::UnwrittenFifo fifo((dir_ / "fifo").string());
  ASSERT_TRUE(fifo.Made());
  fs::create_symlink(dir_ / "fifo", dir_ / "fifo-link");
  const struct {
    std::string path;
    ReadRefusal refusal;
    std::string bytesOrMessage;  // %: the path
  } cases[] = {
      {"eight", ReadRefusal::None, "12345678"},
      {"empty", ReadRefusal::None, ""},
      {"link", ReadRefusal::None, "12345678"},
      {"nine", ReadRefusal::TooLarge, "% is larger than 8 bytes."},
      {"folder", ReadRefusal::NotARegularFile, "% is not a regular file."},
      {"fifo", ReadRefusal::NotARegularFile, "% is not a regular file."},
      {"fifo-link", ReadRefusal::NotARegularFile, "% is not a regular file."},
      {"/dev/zero", ReadRefusal::NotARegularFile, "% is not a regular file."},
      {"missing", ReadRefusal::CannotOpen, "Failed to open file."},
      {"dangling", ReadRefusal::CannotOpen, "Failed to open file."},
  };
  for (const auto& c : cases) {
    const std::string path = c.path.front() == '/' ? c.path : (dir_ / c.path).string();
    SCOPED_TRACE(path);
    const FileRead read = ReadFileWithin(path, 8);
    EXPECT_EQ(read.refusal, c.refusal);
    if (c.refusal == ReadRefusal::None) {
      EXPECT_EQ(read.bytes, c.bytesOrMessage);
      continue;
    }
    EXPECT_FALSE(read.bytes);
    std::string message = c.bytesOrMessage;
    if (const auto at = message.find('%'); at != std::string::npos) message.replace(at, 1, path);
    EXPECT_EQ(RefusalText(read, path), message);
  }
  EXPECT_FALSE(fifo.WasOpened());
  EXPECT_TRUE(fs::is_fifo(dir_ / "fifo"));
}

// A configuration file is bounded by the text buffer; the plain read refuses the same.
TEST_F(FileIo, ConfigurationFilesEndAtTheTextBuffer) {
  const fs::path path = dir_ / "big.xml";
  std::ofstream(path) << "";
  fs::resize_file(path, kTextBufferSize);
  EXPECT_EQ(ReadConfigurationFile(path.string()).bytes->size(), kTextBufferSize);
  fs::resize_file(path, kTextBufferSize + 1);
  const FileRead read = ReadConfigurationFile(path.string());
  EXPECT_EQ(read.refusal, ReadRefusal::TooLarge);
  EXPECT_EQ(RefusalText(read, path.string()), path.string() + " is larger than 6815744 bytes.");
  EXPECT_FALSE(ReadWholeFile(path.string()));
  EXPECT_FALSE(ReadWholeFile("/dev/zero"));
}

// The size stat gives is not trusted alone: a file may grow between the look
// and the read. A /proc file reports 0 bytes and holds more.
TEST_F(FileIo, TheBoundHoldsForWhatIsReadNotOnlyForTheSizeSeen) {
  EXPECT_EQ(ReadFileWithin("/proc/self/maps", 8).refusal, ReadRefusal::TooLarge);
}

}  // namespace
}  // namespace tk48
