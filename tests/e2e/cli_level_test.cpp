// The zlib level of what tk48gcfg-cli sends: "upload --level N" and "pack
// --level N" (1 to 9, default 9). Against tk48sim on a pseudo-terminal, level 9
// puts fewer bytes on the line than zlib's default 6, and the file the device
// keeps inflates, by zlib's own uncompress() as the device inflates it, to the
// very text uploaded.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstring>
#include <fstream>
#include <map>
#include <optional>

#include "model/defaults.h"
#include "model/gzlib.h"
#include "model/writer.h"
#include "tests/e2e/cli_run.h"
#include "tests/e2e/transfer_sim.h"

namespace tk48 {
namespace {

using namespace test;

std::string Text() {
  auto record = NewSettingData();
  ApplyDefaults(*record);
  std::strcpy(record->SYSTEM.NAME1, "Water works, east basin");
  record->SYSTEM.TIMEZONE = 9;
  return ConfigurationText(*record);
}

// zlib's own stream of `text`: compress() (level 6), or compress2() at `level`.
std::string Zlib(const std::string& text, std::optional<int> level = std::nullopt) {
  std::string out(compressBound(text.size()), '\0');
  uLongf len = out.size();
  auto* to = reinterpret_cast<Bytef*>(out.data());
  const auto* from = reinterpret_cast<const Bytef*>(text.data());
  EXPECT_EQ(level ? compress2(to, &len, from, text.size(), *level) : compress(to, &len, from, text.size()), Z_OK);
  out.resize(len);
  return out;
}

// What the device reads of a stored file: uncompress() into its work buffer.
std::optional<std::string> Inflate(const std::string& stored) {
  std::string out(CGzlib::kWorkBufferSize, '\0');
  uLongf len = out.size();
  if (uncompress(reinterpret_cast<Bytef*>(out.data()), &len, reinterpret_cast<const Bytef*>(stored.data()),
                 stored.size()) != Z_OK)
    return std::nullopt;
  out.resize(len);
  return out;
}

struct LevelCase {
  const char* what;
  std::vector<std::string> option;
  std::optional<int> zlibLevel;  // nullopt: compress(), zlib's default
};
const LevelCase kLevels[] = {
    {"no --level: 9", {}, 9},
    {"--level 9", {"--level", "9"}, 9},
    {"--level 6: zlib's default stream", {"--level", "6"}, std::nullopt},
    {"--level 1", {"--level", "1"}, 1},
};

class CliLevel : public ::testing::Test {
 protected:
  std::string Path(const char* name) const { return (dir_.Path() / name).string(); }
  TempDir dir_;
  const std::string text_ = Text();
};

TEST_F(CliLevel, UploadAtNineSendsFewerBytesThatInflateToTheSameText) {
  TransferSim sim;
  ASSERT_TRUE(sim.ready()) << sim.output();
  const std::string file = Path("basin.xml");
  std::ofstream(file, std::ios::binary) << text_;
  const std::string stored = (sim.StateDir() / "CONFIG_P").string();
  std::map<std::string, std::size_t> sent;
  for (const auto& c : kLevels) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> args{"upload", file, "--usb", sim.PtyPath()};
    args.insert(args.end(), c.option.begin(), c.option.end());
    const auto run = RunCli(args);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out + run.err, "");
    // The device keeps a full configuration as it came over the line.
    const std::string onDevice = ReadAll(stored);
    EXPECT_TRUE(onDevice == Zlib(text_, c.zlibLevel)) << "zlib's own stream at that level";
    EXPECT_TRUE(Inflate(onDevice) == text_);
    sent[c.what] = onDevice.size();
  }
  EXPECT_LT(sent["--level 9"], sent["--level 6: zlib's default stream"]);
  EXPECT_EQ(sent["no --level: 9"], sent["--level 9"]);
  // What the device holds now downloads as the text uploaded.
  const auto down = RunCli({"download", "--usb", sim.PtyPath()});
  EXPECT_EQ(down.status, 0) << down.err;
  EXPECT_TRUE(down.out == text_);
}

TEST_F(CliLevel, PackWritesWhatUploadSends) {
  const std::string file = Path("basin.xml");
  std::ofstream(file, std::ios::binary) << text_;
  for (const auto& c : kLevels) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> args{"pack", file, "-o", Path("basin.z")};
    args.insert(args.end(), c.option.begin(), c.option.end());
    const auto run = RunCli(args);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(ReadAll(Path("basin.z")) == Zlib(text_, c.zlibLevel));
    EXPECT_EQ(RunCli({"unpack", Path("basin.z")}).out, text_);
  }
}

// A level zlib does not take is a usage error, found before any file is read
// or any device is reached.
TEST_F(CliLevel, ALevelOutsideOneToNineIsAUsageError) {
  for (const char* level : {"0", "10", "-1", "x", "9x", ""}) {
    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"pack", "/nonexistent/tk48.xml"},
          std::vector<std::string>{"upload", "/nonexistent/tk48.xml", "--usb", "/nonexistent/tty"}}) {
      auto args = command;
      args.insert(args.end(), {"--level", level});
      SCOPED_TRACE(::testing::PrintToString(args));
      const auto run = RunCli(args, false, std::chrono::seconds(10));
      EXPECT_EQ(run.status, 2) << run.err;
      EXPECT_EQ(run.out, "");
      EXPECT_EQ(run.err, "tk48gcfg-cli: --level takes a zlib level, 1 to 9\n");
    }
  }
}

}  // namespace
}  // namespace tk48
