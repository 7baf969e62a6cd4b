// tk48gcfg-cli csv-export as a user runs it: the whole set or the files named,
// a failing file named on stderr, and the exit status.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "model/defaults.h"
#include "model/writer.h"
#include "tests/e2e/cli_folder.h"
#include "tests/e2e/cli_run.h"

namespace tk48 {
namespace {

namespace fs = std::filesystem;

class CliCsv : public test::CliFolder {
 protected:
  void SetUp() override {
    CliFolder::SetUp();
    fs::create_directories(dir_ / "out");
  }
  // The configuration file of the defaults after `change`.
  std::string Config(void (*change)(SettingData&)) const {
    auto r = NewSettingData();
    ApplyDefaults(*r);
    change(*r);
    std::ofstream(Path("in.xml"), std::ios::binary) << ConfigurationText(*r);
    return Path("in.xml");
  }
  std::size_t Files() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_ / "out"), fs::directory_iterator()));
  }
};

TEST_F(CliCsv, ExportsTheWholeSetOrTheFilesNamed) {
  const std::string in = Config([](SettingData&) {});
  auto run = test::RunCli({"csv-export", in, Path("out")});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(Files(), 30u);
  EXPECT_EQ(test::ReadAll(Path("out/System.csv")).substr(0, 12), "Name,,TK48\r\n");

  fs::remove_all(dir_ / "out");
  fs::create_directories(dir_ / "out");
  run = test::RunCli({"csv-export", in, Path("out"), "--only", "System.csv,AI.csv"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(Files(), 2u);
  EXPECT_TRUE(fs::exists(dir_ / "out" / "AI.csv"));

  EXPECT_EQ(test::RunCli({"csv-export", in, Path("out"), "--only", "Nope.csv"}).status, 2);
  run = test::RunCli({"csv-export", in, Path("no-such-folder")});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "Invalid file path is specified.\n");
}

TEST_F(CliCsv, AFailingFileIsNamedAndTheOthersWritten) {
  const std::string in = Config([](SettingData& r) {
    r.IO.DI[0].TYPE = 1;
    std::strcpy(r.IO.DI[0].COMMENT, "\xE5\x85\xA5\xE5\x8A\x9B");
  });
  const auto run = test::RunCli({"csv-export", in, Path("out")});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "Discrete input (DI):Write error\n");
  EXPECT_EQ(Files(), 30u);
}

}  // namespace
}  // namespace tk48

namespace tk48 {
namespace {

// csv-import: every file present over the defaults, the log in the folder, the
// configuration text out; a failing file named on stderr.
TEST_F(CliCsv, ImportsTheFilesPresent) {
  const std::string in = Config([](SettingData& r) { r.SYSTEM.TIMEZONE = -3; });
  ASSERT_EQ(test::RunCli({"csv-export", in, Path("out"), "--only", "System.csv,DI.csv"}).status, 0);
  auto run = test::RunCli({"csv-import", Path("out"), "-o", Path("back.xml")});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_NE(test::ReadAll(Path("back.xml")).find("<TIMEZONE>-3</TIMEZONE>"), std::string::npos);
  EXPECT_EQ(test::ReadAll(Path("out/ErrLog.txt")),
            std::string(60, '=') + "\r\n\\System.csv:Open\r\n\\System.csv:Close\r\n" + std::string(60, '=') +
                "\r\n\\DI.csv:Open\r\n\\DI.csv:Close\r\n");

  std::ofstream(Path("out/System.csv"), std::ios::binary) << "Name,,TK48\r\nTime zone,Hour,99\r\n";
  run = test::RunCli({"csv-import", Path("out")});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "System:Read error\nConfirm the log file.\n");
  EXPECT_NE(run.out.find("<TK48G_CFG>"), std::string::npos) << "the document still goes out";
  EXPECT_NE(test::ReadAll(Path("out/ErrLog.txt")).find("Setting error:Time zoneHour\r\nNo item:System-3"),
            std::string::npos);
}

// A FIFO or a file larger than any the export writes, under a name of the set,
// is refused unread (a FIFO nobody writes would hold the read for ever); the
// log has its ":Open Error" line, the other files are read, the refused stay.
TEST_F(CliCsv, AFifoOrAnOversizedFileAmongTheFilesIsRefused) {
  const std::string in = Config([](SettingData& r) { r.SYSTEM.TIMEZONE = -3; });
  ASSERT_EQ(test::RunCli({"csv-export", in, Path("out"), "--only", "System.csv"}).status, 0);
  const std::string fifo = Path("out/AI.csv"), big = Path("out/DI.csv");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::ofstream(big, std::ios::binary) << "";
  fs::resize_file(big, (4u << 20) + 1);
  const auto run = test::RunCli({"csv-import", Path("out"), "-o", Path("back.xml")}, false, std::chrono::seconds(30));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, fifo + " is not a regular file.\n" + big + " is larger than 4194304 bytes.\n");
  EXPECT_NE(test::ReadAll(Path("back.xml")).find("<TIMEZONE>-3</TIMEZONE>"), std::string::npos);
  EXPECT_EQ(test::ReadAll(Path("out/ErrLog.txt")), std::string(60, '=') +
                                                       "\r\n\\System.csv:Open\r\n\\System.csv:Close\r\n" + fifo +
                                                       ":Open Error\r\n" + big + ":Open Error\r\n");
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_EQ(fs::file_size(big), (4u << 20) + 1);
}

}  // namespace
}  // namespace tk48

namespace tk48 {
namespace {

// Replaces the value cell of item `item` (from 0) in the first line of `path`
// that `head` starts; the file has `headers` header cells.
void ReplaceCell(const std::string& path, const std::string& head, int headers, int item, const std::string& value) {
  std::string bytes = test::ReadAll(path);
  const std::size_t line = bytes.find("\r\n" + head) + 2;
  ASSERT_NE(line, std::string::npos + 2) << head;
  std::size_t at = line;
  for (int c = 0; c < headers + item; ++c) at = bytes.find(',', at) + 1;
  const std::size_t end = bytes.find_first_of(",\r", at);
  bytes.replace(at, end - at, value);
  std::ofstream(path, std::ios::binary) << bytes;
}

// Cells out of their editors' limits in three files: each is reported, and
// the configuration file written passes "check".
TEST_F(CliCsv, AnImportWithBadCellsWritesAFileThatChecks) {
  const std::string in = Config([](SettingData& r) { r.IO.AO[0].TYPE = 1; });
  ASSERT_EQ(test::RunCli({"csv-export", in, Path("out")}).status, 0);
  ReplaceCell(Path("out/MA.csv"), "Initial value,", 4, 9, "99999999999");
  ReplaceCell(Path("out/AO.csv"), "Scaling,", 4, 0, "0.0000");
  ReplaceCell(Path("out/AO.csv"), "Initial value,", 4, 0, "40000");
  ReplaceCell(Path("out/WEB.csv"), "Port address,", 3, 0, "21");  // the FTP server's port
  auto run = test::RunCli({"csv-import", Path("out"), "-o", Path("back.xml")});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err,
            "Analog function register (MA):Read error\nConfirm the log file.\n"
            "Analog output (AO):Read error\nConfirm the log file.\n"
            "Web server:Read error\nConfirm the log file.\n");
  const std::string log = test::ReadAll(Path("out/ErrLog.txt"));
  for (const char* line : {"\\MA.csv:Open\r\nSetting error:Initial valueMA010\r\n\\MA.csv:Close",
                           "\\AO.csv:Open\r\nSetting error:ScalingAO01\r\nSetting error:Initial valueAO01\r\n"
                           "\\AO.csv:Close",
                           "\\WEB.csv:Open\r\nSetting error:Port address\r\n\\WEB.csv:Close"})
    EXPECT_NE(log.find(line), std::string::npos) << line;
  run = test::RunCli({"check", Path("back.xml")});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
}

}  // namespace
}  // namespace tk48
