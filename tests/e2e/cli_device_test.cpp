// tk48gcfg-cli's device commands against tk48sim, as a user runs them: what
// goes to stdout, the configurator's messages on stderr, and the exit status.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <system_error>
#include <fstream>

#include "model/backup_store.h"
#include "model/defaults.h"
#include "link/transfers.h"
#include "port/scripted_ui.h"
#include "model/writer.h"
#include "resources/strings.h"
#include "resources/text_ids.h"
#include "tests/e2e/cli_run.h"
#include "tests/e2e/transfer_sim.h"
#include "tests/model/scoped_umask.h"

namespace tk48 {
namespace {

using namespace test;
namespace fs = std::filesystem;

// The transport options for `sim`.
std::vector<std::string> Via(const TransferSim& sim, Transport t, std::vector<std::string> command) {
  if (t == Transport::Usb) {
    command.insert(command.end(), {"--usb", sim.PtyPath()});
  } else {
    command.insert(command.end(), {"--net", "127.0.0.1:" + std::to_string(sim.port()), "--login", kLoginId,
                                   "--password", kPassword});
  }
  return command;
}

std::string DefaultsText() {
  auto record = NewSettingData();
  ApplyDefaults(*record);
  return ConfigurationText(*record);
}

class CliDevice : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const std::string& text) {
    const auto path = (dir_.Path() / name).string();
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }
  TempDir dir_;
};

TEST_F(CliDevice, StatusPrintsModelVersionAndFlags) {
  TransferSim sim({"--version", "1.12.300", "--sd", "--logging"});
  ASSERT_TRUE(sim.ready()) << sim.output();
  for (const Transport t : kTransports) {
    SCOPED_TRACE(Name(t));
    const auto run = RunCli(Via(sim, t, {"status"}));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "model: 0x3E\nTK48-G Ver. 1.12.300\nSD card: inserted\nlogging: running\n");
    EXPECT_EQ(run.err, "");
  }
}

TEST_F(CliDevice, UploadThenDownloadGivesTheSameFile) {
  TransferSim sim;
  ASSERT_TRUE(sim.ready()) << sim.output();
  for (const Transport t : kTransports) {
    SCOPED_TRACE(std::string("download of the default over ") + Name(t));
    const auto run = RunCli(Via(sim, t, {"download"}));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, DefaultsText());
    EXPECT_EQ(run.err, "");
  }
  auto record = NewSettingData();
  ApplyDefaults(*record);
  record->SYSTEM.TIMEZONE = -3;
  std::strcpy(record->SYSTEM.NAME2, "Boiler house");
  const std::string text = ConfigurationText(*record);
  const auto file = Write("changed.xml", text);
  for (const Transport up : kTransports) {
    SCOPED_TRACE(std::string("upload over ") + Name(up));
    const auto run = RunCli(Via(sim, up, {"upload", file}));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out + run.err, "");
    const auto out = (dir_.Path() / "downloaded.xml").string();
    const auto down = RunCli(Via(sim, up == Transport::Usb ? Transport::Net : Transport::Usb, {"download", "-o", out}));
    EXPECT_EQ(down.status, 0) << down.err;
    EXPECT_EQ(ReadAll(out), text);
  }
}

TEST_F(CliDevice, FailuresShowTheConfiguratorsMessagesOnStderr) {
  const auto good = Write("good.xml", DefaultsText());
  const auto broken = Write("broken.xml", "<TK48G_CFG><SYSTEM>");
  const struct {
    const char* name;
    std::vector<std::string> simOptions;
    Transport transport;
    std::vector<std::string> command;
    const char* err;
  } cases[] = {
      {"device refuses", {"--put-result", "103"}, Transport::Usb, {"upload", good},
       "Cannot change logging setting during logging.\n"},
      {"network refusal", {"--net-refuse-put", "210"}, Transport::Net, {"upload", good}, "Error: Put\nFailed\nError\n"},
      {"get cut short", {"--net-cut-header", "G"}, Transport::Net, {"download"},
       "Error: Get\nFailed in receiving header\nError.\nCODE:0\n"},
      {"7-byte status", {"--status-length", "7"}, Transport::Usb, {"status"},
       "Error: Failed to obtain status information.\n"},
      {"no such file", {}, Transport::Usb, {"upload", "/nonexistent/tk48.xml"}, "Failed to open file.\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TransferSim sim(c.simOptions);
    ASSERT_TRUE(sim.ready()) << sim.output();
    const auto run = RunCli(Via(sim, c.transport, c.command));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, c.err);
  }
  {
    SCOPED_TRACE("a file that does not read: the reader's message, nothing sent");
    TransferSim sim;
    ASSERT_TRUE(sim.ready()) << sim.output();
    const auto run = RunCli(Via(sim, Transport::Usb, {"upload", broken}));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err, "");
    EXPECT_EQ(RunCli(Via(sim, Transport::Usb, {"download"})).out, DefaultsText());
  }
  {
    SCOPED_TRACE("wrong password, and a login the login dialog would refuse");
    TransferSim sim;
    ASSERT_TRUE(sim.ready()) << sim.output();
    const std::string net = "127.0.0.1:" + std::to_string(sim.port());
    auto run = RunCli({"status", "--net", net, "--login", kLoginId, "--password", "guess"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Error: Login\nFailed\n");
    run = RunCli({"status", "--net", net, "--login", "seventeen-chars-x", "--password", kPassword});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Invalid login ID and/or password\n");
  }
}

// The password stays off the command line: from a file's first line or a line
// of standard input; two ways at once is a usage error.
TEST_F(CliDevice, PasswordFromAFileOrStandardInput) {
  TransferSim sim;
  ASSERT_TRUE(sim.ready()) << sim.output();
  const std::string net = "127.0.0.1:" + std::to_string(sim.port());
  const std::vector<std::string> status = {"status", "--net", net, "--login", kLoginId};
  const auto with = [&](std::vector<std::string> extra) {
    auto args = status;
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
  };
  const std::string good = std::string(kPassword) + "\r\nsecond line\n";
  const std::string bad = "guess\n";
  const struct {
    const char* what;
    std::vector<std::string> args;
    const std::string* input;
    int status;
    std::string err;
  } cases[] = {
      {"file, first line", with({"--password-file", Write("pw", good)}), nullptr, 0, ""},
      {"file without a line end", with({"--password-file", Write("pw2", kPassword)}), nullptr, 0, ""},
      {"file, wrong password", with({"--password-file", Write("pw3", bad)}), nullptr, 1, "Error: Login\nFailed\n"},
      {"missing file", with({"--password-file", (dir_.Path() / "none").string()}), nullptr, 1,
       "Failed to open file.\n"},
      {"standard input", with({"--password", "-"}), &good, 0, ""},
      {"standard input, wrong password", with({"--password", "-"}), &bad, 1, "Error: Login\nFailed\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto run = RunCli(c.args, false, std::chrono::seconds(60), c.input);
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_EQ(run.err, c.err);
    if (c.status == 0) {
      EXPECT_EQ(run.out, "model: 0x3E\nTK48-G Ver. 2.0.0\nSD card: none\nlogging: stopped\n");
    }
  }
  const std::string empty;
  const std::vector<std::string> usage[] = {
      with({"--password", "-", "--password-file", Write("pw4", good)}),
      with({"--password", kPassword, "--password-file", Write("pw5", good)}),
      with({"--password", kPassword, "--password", "-"}),
      with({}),
  };
  for (const auto& args : usage) {
    SCOPED_TRACE(::testing::PrintToString(args));
    const auto run = RunCli(args, false, std::chrono::seconds(10), &good);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
  }
  const auto noLine = RunCli(with({"--password", "-"}), false, std::chrono::seconds(10), &empty);
  EXPECT_EQ(noLine.status, 2);
}

// --timeout bounds the network, --poll-limit the wait for a device that stays
// "processing".
TEST_F(CliDevice, TimeOutAndPollLimitBoundTheWaits) {
  Write("up.xml", DefaultsText());
  const auto timed = [](const std::vector<std::string>& args, std::chrono::seconds bound) {
    const auto start = std::chrono::steady_clock::now();
    const auto run = RunCli(args, false, std::chrono::seconds(60));
    EXPECT_LT(std::chrono::steady_clock::now() - start, bound);
    return run;
  };
  {
    TransferSim sim({"--processing-endless"});
    ASSERT_TRUE(sim.ready()) << sim.output();
    const auto run =
        timed(Via(sim, Transport::Usb, {"upload", (dir_.Path() / "up.xml").string(), "--poll-limit", "1"}), 20s);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, std::string(LoadText(text::kResultPollOutOfTime)) + "\n");
  }
  {
    TransferSim sim({"--net-mute"});
    ASSERT_TRUE(sim.ready()) << sim.output();
    const auto run = timed(Via(sim, Transport::Net, {"status", "--timeout", "1"}), 5s);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Error: Connect\nFailed in receiving header\n");
  }
  for (const char* bad : {"0", "-1", "x", "1.5", "86401"}) {
    for (const char* option : {"--timeout", "--poll-limit"}) {
      const auto run = RunCli({"status", "--usb", "/dev/null", option, bad}, false, std::chrono::seconds(10));
      EXPECT_EQ(run.status, 2) << option << " " << bad;
    }
  }
}

TEST_F(CliDevice, TransportOptionsAreCheckedFirst) {
  const std::vector<std::string> cases[] = {
      {"status"},
      {"status", "--usb", "/dev/null", "--net", "localhost"},
      {"download", "--net", "localhost"},
      {"download", "--net", "localhost", "--login", "a"},
      {"download", "--net", "localhost:0", "--login", "a", "--password", "b"},
      {"download", "--net", "localhost:65536", "--login", "a", "--password", "b"},
      {"download", "--net", ":30341", "--login", "a", "--password", "b"},
      {"upload", "--usb", "/dev/null"},
  };
  for (const auto& args : cases) {
    SCOPED_TRACE(::testing::PrintToString(args));
    const auto run = RunCli(args, false, std::chrono::seconds(10));
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
  }
}

TEST_F(CliDevice, ATerminalSeesAProgressBar) {
  TransferSim sim({"--baud", "400000"});  // about two seconds for the default configuration
  ASSERT_TRUE(sim.ready()) << sim.output();
  const auto run = RunCli(Via(sim, Transport::Usb, {"download", "-o", (dir_.Path() / "out.xml").string()}), true);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.err.find("\rPlease wait ["), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("%"), std::string::npos);
  EXPECT_EQ(run.err.substr(run.err.size() - 4), "\r\x1b[K") << "the bar is erased when the transfer ends";
}

// --backup-dir keeps what a download brought and what an upload sent, named
// as the configurator names its backups; a folder that cannot take them warns
// once and the command still succeeds.
TEST(CliBackups, DownloadAndUploadKeepTheirBackups) {
  TempDir dir;
  TransferSim sim;
  ASSERT_TRUE(sim.ready()) << sim.output();
  const std::string backups = (dir.Path() / "backups").string();
  const BackupStore store(backups, 1 << 30);

  auto record = NewSettingData();
  ApplyDefaults(*record);
  std::strcpy(record->SYSTEM.NAME1, "Pump station");
  const std::string uploaded = ConfigurationText(*record);
  const std::string file = (dir.Path() / "pump.xml").string();
  std::ofstream(file, std::ios::binary) << uploaded;

  auto run = RunCli(Via(sim, Transport::Net, {"download", "--backup-dir", backups}));
  EXPECT_EQ(run.status, 0) << run.err;
  const std::string downloaded = run.out;
  run = RunCli(Via(sim, Transport::Usb, {"upload", file, "--backup-dir", backups}));
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");

  const auto entries = store.List();
  ASSERT_EQ(entries.size(), 2u);
  const auto& up = entries[0].kind == BackupKind::Upload ? entries[0] : entries[1];
  const auto& down = entries[0].kind == BackupKind::Upload ? entries[1] : entries[0];
  EXPECT_EQ(down.transport, BackupTransport::Network);
  EXPECT_EQ(down.device, "127.0.0.1");
  // The device's own text: it reads back to what the download printed.
  auto readBack = NewSettingData();
  ScriptedUi quiet;
  ASSERT_TRUE(LoadSettingsText(*readBack, ReadAll(store.PathOf(down)), quiet, false));
  EXPECT_TRUE(ConfigurationText(*readBack) == downloaded);
  EXPECT_EQ(up.transport, BackupTransport::Usb);
  EXPECT_EQ(up.device, FileSafe(sim.PtyPath()));
  EXPECT_TRUE(ReadAll(store.PathOf(up)) == uploaded);

  // A failed download keeps nothing.
  TransferSim refusing({"--refuse-get", "CONFIG_P"});
  ASSERT_TRUE(refusing.ready()) << refusing.output();
  EXPECT_EQ(RunCli(Via(refusing, Transport::Usb, {"download", "--backup-dir", backups})).status, 1);
  EXPECT_EQ(store.List().size(), 2u);

  // A file where the folder should be.
  const std::string blocked = (dir.Path() / "pump.xml" / "backups").string();
  run = RunCli(Via(sim, Transport::Usb, {"download", "--backup-dir", blocked}));
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.out == uploaded);
  EXPECT_EQ(run.err,
            FormatText(text::kBackupNotWritten, blocked.c_str(), std::generic_category().message(ENOTDIR).c_str()) +
                "\n");
}

// A backup holds the device's passwords. Under a umask that would let everyone
// read, the folder --backup-dir makes (with the folders above it) is 0700 and
// the backup 0600; a folder that was there and lets others in keeps its
// rights, and stderr names it while the command succeeds.
TEST(CliBackups, BackupsAreTheOwnersAloneAndAnOpenFolderIsNamed) {
  TempDir dir;
  TransferSim sim;
  ASSERT_TRUE(sim.ready()) << sim.output();
  const std::string upload = (dir.Path() / "up.xml").string();
  std::ofstream(upload, std::ios::binary) << DefaultsText();

  const fs::path made = dir.Path() / "made" / "backups";
  CliRun run;
  {
    ScopedUmask everyone(0);
    run = RunCli(Via(sim, Transport::Usb, {"download", "--backup-dir", made.string()}));
  }
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(ModeOf(made.parent_path().c_str()), 0700u);
  EXPECT_EQ(ModeOf(made.c_str()), 0700u);
  const auto kept = BackupStore(made.string(), 1 << 30).List();
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(ModeOf((made / kept[0].fileName).c_str()), 0600u);

  const fs::path shared = dir.Path() / "shared";
  fs::create_directories(shared);
  ::chmod(shared.c_str(), 0755);
  const std::string named = FormatText(text::kBackupFolderOpen, shared.c_str()) + "\n";
  const std::vector<std::string> commands[] = {{"download", "-o", (dir.Path() / "down.xml").string()},
                                               {"upload", upload}};
  for (const auto& command : commands) {
    SCOPED_TRACE(command[0]);
    auto args = Via(sim, Transport::Usb, command);
    args.insert(args.end(), {"--backup-dir", shared.string()});
    run = RunCli(args);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, named);
  }
  EXPECT_EQ(ModeOf(shared.c_str()), 0755u) << "the user's folder keeps its rights";
  const BackupStore store(shared.string(), 1 << 30);
  ASSERT_EQ(store.List().size(), 2u);
  for (const auto& entry : store.List()) EXPECT_EQ(ModeOf(store.PathOf(entry).c_str()), 0600u) << entry.fileName;
}

}  // namespace
}  // namespace tk48
