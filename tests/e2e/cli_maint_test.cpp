// "tk48gcfg-cli maint" against tk48sim: every command on both transports in
// one table (what it prints, what the device then holds), the two password
// options, and the faults of the gets and puts with nothing left behind.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

#include "maintenance/device_files.h"
#include "maintenance/menu_checks.h"
#include "maintenance/schedule_files.h"
#include "model/defaults.h"
#include "model/writer.h"
#include "tests/e2e/cli_run.h"
#include "tests/e2e/transfer_sim.h"

namespace tk48 {
namespace {

using namespace test;
namespace fs = std::filesystem;

constexpr std::int32_t kOutMd = 3;
constexpr std::int32_t kUse = 1;

// A device configuration the menus can work on: unit 1 in use with pattern 2
// on Sunday, pattern 2 driving MD5, PI3 a counter, template 1 with a
// recipient, logging enabled.
void PrepareDevice(const fs::path& state) {
  auto record = NewSettingData();
  ApplyDefaults(*record);
  auto& schedule = record->SCHEDULE;
  schedule.UNIT[0].MODE = kUse;
  std::strcpy(schedule.UNIT[0].NAME, "Hall");
  schedule.UNIT[0].BASIC[0].PTN = 2;
  std::strcpy(schedule.PATTERN[1].PTN_NAME, "Pattern two");
  schedule.PATTERN[1].OUT[0].CH = {kOutMd, 5};
  record->IO.PI[2].TYPE = kTypeCard;
  record->IO.PI[2].MODE = 0;  // counting
  record->IO.PI[2].SCALE = 1;
  record->MAIL_REPORT.FORM[0].MODE = kUse;
  record->MAIL_REPORT.FORM[0].DST[0] = 1;  // TO
  record->RECORD.LOGGING.MODE = kUse;
  const std::string text = ConfigurationText(*record);
  const auto packed = maint::Compress({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
  std::ofstream(state / "CONFIG_P", std::ios::binary).write(reinterpret_cast<const char*>(packed->data()),
                                                             static_cast<std::streamsize>(packed->size()));
}

class CliMaint : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const std::string& text) {
    const auto path = (dir_.Path() / name).string();
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }
  // The maint command with the transport options; the network password from a file.
  std::vector<std::string> Via(const TransferSim& sim, Transport t, std::vector<std::string> command,
                               std::vector<std::string> extra = {}) {
    command.insert(command.begin(), "maint");
    if (t == Transport::Usb)
      command.insert(command.end(), {"--usb", sim.PtyPath()});
    else
      command.insert(command.end(), {"--net", "127.0.0.1:" + std::to_string(sim.port()), "--login", kLoginId,
                                     "--password-file", Write("pw", std::string(kPassword) + "\n")});
    command.insert(command.end(), extra.begin(), extra.end());
    return command;
  }
  TempDir dir_;
};

std::string Bytes(std::initializer_list<int> bytes) {
  std::string s;
  for (int b : bytes) s += static_cast<char>(b);
  return s;
}

TEST_F(CliMaint, EveryCommandOnBothTransports) {
  TransferSim sim({"--sd"}, PrepareDevice);
  ASSERT_TRUE(sim.ready()) << sim.output();
  const auto state = sim.StateDir();
  const auto stateFile = [&](const char* name) { return ReadAll((state / name).string()); };
  const std::string image = Write("img/a.jpg", "\xFF\xD8 an image \xFF\xD9");
  const std::string view = (dir_.Path() / "site").string();
  Write("site/index.html", "<html>hello</html>");
  Write("site/app.js", "let x = 1;");
  const std::string logOut = (dir_.Path() / "log.txt").string();

  struct Case {
    std::vector<std::string> command;
    int status;
    std::string out;                    // stdout exactly
    std::function<void()> deviceHolds;  // then the device's state
  };
  const std::string log = stateFile("LOG");
  const std::vector<Case> cases = {
      {{"time", "2030-01-06T03:04:05"}, 0, "",
       [&] { EXPECT_EQ(stateFile("TIME"), Bytes({0xEE, 7, 1, 0, 6, 0, 3, 0, 4, 0, 5, 0})); }},
      {{"mac"}, 0, "00-1B-48-47-00-01\n", {}},
      {{"version"}, 0, "TK48-G Ver. 2.0.0\n", {}},
      {{"disk"}, 0, "7.50GB (8053063680byte)\n", {}},
      {{"log", "-o", logOut}, 0, "", [&] { EXPECT_EQ(ReadAll(logOut), log); }},
      {{"log-reset"}, 0, "", [&] { EXPECT_EQ(stateFile("LOG"), ""); }},
      {{"preset", "3", "12.5"}, 0, "",
       [&] { EXPECT_EQ(stateFile("SUM"), maint::PresetDocument("PI", 3, "12.5")); }},
      {{"init-memory"}, 0, "", [&] { EXPECT_EQ(stateFile("MBCLR"), Bytes({0})); }},
      {{"init-opemon"}, 0, "", [&] { EXPECT_EQ(stateFile("OPMNCLR"), Bytes({0})); }},
      {{"ftp-test"}, 0, "", [&] { EXPECT_EQ(stateFile("FTPC"), Bytes({110})); }},
      {{"test-mail", "1"}, 0, "", [&] { EXPECT_EQ(stateFile("MAIL"), Bytes({0})); }},
      {{"test-mail", "101"}, 1, "", [&] { EXPECT_EQ(stateFile("MAIL"), Bytes({0})); }},
      {{"images", "2=" + image}, 0, "",
       [&] { EXPECT_EQ(ReadAll((state / "images" / "fig2.jpg").string()), ReadAll(image)); }},
      {{"images-reset"}, 0, "", [&] { EXPECT_FALSE(fs::exists(state / "images")); }},
      {{"trend-clear", "16"}, 0, "", [&] { EXPECT_EQ(stateFile("TREND"), Bytes({16})); }},
      {{"trend-clear", "all"}, 0, "", [&] { EXPECT_EQ(stateFile("TREND"), Bytes({0})); }},
      {{"logging"}, 0, "logging started\n", [&] { EXPECT_EQ(stateFile("LGNG"), Bytes({1})); }},
      {{"logging"}, 0, "logging stopped\n", [&] { EXPECT_EQ(stateFile("LGNG"), Bytes({0})); }},
      {{"event-clear"}, 0, "", [&] { EXPECT_EQ(stateFile("EVECLR"), Bytes({0})); }},
      {{"view", view}, 0, "",
       [&] {
         EXPECT_EQ(ReadAll((state / "view" / "index.html").string()), "<html>hello</html>");
         EXPECT_EQ(ReadAll((state / "view" / "app.js").string()), "let x = 1;");
       }},
      {{"view-reset"}, 0, "", [&] { EXPECT_FALSE(fs::exists(state / "view")); }},
      {{"restart"}, 0, "", [&] { EXPECT_EQ(stateFile("OPE"), Bytes({4})); }},
      // The clock says 2030-01-06, a Sunday: the first of the seven days.
      {{"onetime", "1", "2", "2"}, 0,
       "1\t1/6 (Sunday)\tNone\t\n2\t1/7 (Monday)\t2\tPattern two\n3\t1/8 (Tuesday)\tNone\t\n4\t1/9 (Wednesday)\tNone\t\n"
       "5\t1/10 (Thursday)\tNone\t\n6\t1/11 (Friday)\tNone\t\n7\t1/12 (Saturday)\tNone\t\n",
       [&] {
         const std::string plain = stateFile("PATTERN_P");
         const auto file = maint::ParseOneTime({reinterpret_cast<const std::uint8_t*>(plain.data()), plain.size()});
         ASSERT_TRUE(file);
         EXPECT_EQ(file->units[0][1].pattern, 2);
       }},
      {{"onetime", "2"}, 1, "", {}},  // not in use
      {{"permanent", "1", "4", "2031/2/3", "2"}, 0,
       "1\t\tNone\t\n2\t\tNone\t\n3\t\tNone\t\n4\t2031/2/3 (Monday)\t2\tPattern two\n5\t\tNone\t\n6\t\tNone\t\n"
       "7\t\tNone\t\n8\t\tNone\t\n9\t\tNone\t\n10\t\tNone\t\n",
       {}},
      {{"permanent", "1", "5", "2021/2/29", "2"}, 1, "", {}},  // "Invalid date"
      {{"outputs", "MD", "5", "ON"}, 0, "MD\t5\tMD5\tMD5\tON\n", {}},
      {{"outputs", "MD", "6", "ON"}, 1, "", {}},  // driven by no unit in use
      {{"outputs"}, 0, "MD\t5\tMD5\tMD5\tON\n", {}},
  };
  for (const Transport t : kTransports) {
    SCOPED_TRACE(Name(t));
    fs::remove(logOut);
    for (const Case& c : cases) {
      SCOPED_TRACE(::testing::PrintToString(c.command));
      const auto run = RunCli(Via(sim, t, c.command));
      EXPECT_EQ(run.status, c.status) << run.err;
      EXPECT_EQ(run.out, c.out);
      EXPECT_EQ(run.err.empty(), c.status == 0) << run.err;
      if (c.deviceHolds) c.deviceHolds();
    }
    std::ofstream(state / "LOG", std::ios::binary) << log;
  }
  // Packaging needs no device.
  const auto packed = RunCli({"maint", "view-pack", view, "-o", dir_.Path().string()});
  EXPECT_EQ(packed.status, 0) << packed.err;
  EXPECT_TRUE(fs::exists(dir_.Path() / "user_romfile.dir"));
  EXPECT_TRUE(fs::exists(dir_.Path() / "user_romfile.dat"));
}

TEST_F(CliMaint, PasswordFromStandardInput) {
  TransferSim sim;
  ASSERT_TRUE(sim.ready()) << sim.output();
  const std::string input = std::string(kPassword) + "\n";
  const auto run = RunCli({"maint", "mac", "--net", "127.0.0.1:" + std::to_string(sim.port()), "--login", kLoginId,
                           "--password", "-"},
                          false, std::chrono::seconds(60), &input);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "00-1B-48-47-00-01\n");
}

// The names in a folder, for "nothing left behind".
std::vector<std::string> Names(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST_F(CliMaint, FaultsEndWithTheMessageAndNothingChanged) {
  struct Fault {
    const char* name;
    Transport transport;
    std::vector<std::string> simOptions;
    std::vector<std::string> command;
    std::string err;  // part of the message
  };
  const std::string view = (dir_.Path() / "site").string();
  // Several blocks even compressed, so that a device can stop reading halfway.
  std::string noise(16384, '\0');
  std::uint32_t x = 12345;
  for (char& c : noise) c = static_cast<char>((x = x * 1103515245 + 12345) >> 24);
  Write("site/noise.bin", noise);
  const fs::path outDir = dir_.Path() / "out";
  const std::string out = (outDir / "log.txt").string();
  const std::vector<Fault> faults = {
      {"log refused", Transport::Usb, {"--refuse-get", "LOG"}, {"log", "-o", out}, "Failed to receive."},
      {"log refused", Transport::Net, {"--refuse-get", "LOG"}, {"log", "-o", out}, "CODE:210"},
      {"log cut", Transport::Usb, {"--cut-get", "LOG:9"}, {"log", "-o", out}, "Failed to receive."},
      {"log cut", Transport::Net, {"--cut-get", "LOG:40"}, {"log", "-o", out}, "Error.\nCODE:"},
      {"log silent", Transport::Net, {"--net-silent", "G"}, {"log", "-o", out}, "Error.\nCODE:"},
      {"onetime refused", Transport::Usb, {"--refuse-get", "PATTERN_P"}, {"onetime", "1"}, "Failed to receive."},
      {"onetime refused", Transport::Net, {"--refuse-get", "SCHPER_P"}, {"onetime", "1"}, "CODE:210"},
      {"onetime cut", Transport::Usb, {"--cut-get", "PATTERN_P:30"}, {"onetime", "1"}, "Failed to receive."},
      {"onetime cut", Transport::Net, {"--cut-get", "PATTERN_P:40"}, {"onetime", "1"}, "Error.\nCODE:"},
      {"view refused", Transport::Usb, {"--put-result", "3"}, {"view", view}, "Failed to save setting."},
      {"view refused", Transport::Net, {"--net-refuse-put", "3"}, {"view", view}, "Failed to save setting."},
      {"view silent", Transport::Net, {"--net-silent", "P"}, {"view", view}, "Error.\nCODE:"},
      {"view silent", Transport::Usb, {"--stop-reading", "1"}, {"view", view}, "Failed to transmit."},
      {"endless processing", Transport::Usb, {"--processing-endless"}, {"restart"}, "the outcome is unknown"},
  };
  for (const Fault& f : faults) {
    SCOPED_TRACE(std::string(f.name) + " over " + Name(f.transport));
    fs::remove_all(outDir);
    fs::create_directories(outDir);
    Write("out/log.txt", "earlier log");
    TransferSim sim(f.simOptions, PrepareDevice);
    ASSERT_TRUE(sim.ready()) << sim.output();
    const auto before = Names(sim.StateDir());
    const auto run = RunCli(Via(sim, f.transport, f.command, {"--timeout", "1", "--poll-limit", "1"}));
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_NE(run.err.find(f.err), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(Names(outDir), std::vector<std::string>{"log.txt"});  // no temporary file
    EXPECT_EQ(ReadAll(out), "earlier log");
    // The first failed get or put changed nothing; a device still processing has taken its put.
    if (f.command[0] != "restart") {
      EXPECT_EQ(Names(sim.StateDir()), before);
    }
  }
}

}  // namespace
}  // namespace tk48
