// Safe whole-file writes: the old file survives a failure, links and
// permissions are kept.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

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

}  // namespace
}  // namespace tk48
