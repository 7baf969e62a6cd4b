// "tk48gcfg-cli fleet" against several tk48sim devices (loopback and
// pseudo-terminals): a line per device in the devices' order, each device's
// messages on its own line, what the devices then hold, the exit status, and
// what is refused before any device is touched.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <optional>

#include "model/backup_store.h"
#include "model/defaults.h"
#include "model/writer.h"
#include "tests/e2e/cli_run.h"
#include "tests/e2e/transfer_sim.h"

namespace tk48 {
namespace {

using namespace test;
namespace fs = std::filesystem;

constexpr char kHeader[] = "name,transport,login,password_file\n";
constexpr char kMac[] = "00-1B-48-47-00-01";

std::string UsbRow(const std::string& name, const std::string& path) { return name + ",usb:" + path + ",,\n"; }
std::string NetRow(const std::string& name, const TransferSim& sim, const std::string& passwordFile = "pw") {
  return name + ",net:127.0.0.1:" + std::to_string(sim.port()) + "," + kLoginId + "," + passwordFile + "\n";
}

std::string ConfigWithName2(const std::string& name2) {
  auto record = NewSettingData();
  ApplyDefaults(*record);
  std::strcpy(record->SYSTEM.NAME2, name2.c_str());
  return ConfigurationText(*record);
}

// An environment variable set for one scope, given back on every path.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::optional<std::string>& value) : name_(name) {
    if (const char* old = std::getenv(name)) saved_ = old;
    if (value)
      ::setenv(name, value->c_str(), 1);
    else
      ::unsetenv(name);
  }
  ~ScopedEnv() {
    if (saved_)
      ::setenv(name_, saved_->c_str(), 1);
    else
      ::unsetenv(name_);
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::optional<std::string> saved_;
};

// The tk48gcfg-cli this test process started and that still runs; -1 when none.
pid_t RunningCli() {
  for (const auto& entry : fs::directory_iterator("/proc")) {
    // "PID (COMM) STATE PPID ..."
    const std::string stat = ReadAll((entry.path() / "stat").string());
    const auto close = stat.rfind(')');
    if (close == std::string::npos || stat.find("(tk48gcfg-cli)") == std::string::npos) continue;
    pid_t parent = 0;
    if (std::sscanf(stat.c_str() + close + 1, " %*c %d", &parent) == 1 && parent == ::getpid())
      return static_cast<pid_t>(std::stol(entry.path().filename().string()));
  }
  return -1;
}

// A network device that takes the connection and never answers: once the
// fleet has connected to it, its process gets SIGINT (Ctrl-C).
class InterruptOnConnect {
 public:
  InterruptOnConnect() : listener_(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::listen(listener_, 1);
    ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size);
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] {
      pollfd p{listener_, POLLIN, 0};
      if (::poll(&p, 1, 60000) != 1) return;
      connection_ = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
      for (int tries = 0; tries < 100 && !interrupted_; ++tries) {
        const pid_t cli = RunningCli();
        interrupted_ = cli > 0 && ::kill(cli, SIGINT) == 0;
        if (!interrupted_) std::this_thread::sleep_for(std::chrono::milliseconds(20));
      }
    });
  }
  ~InterruptOnConnect() {
    thread_.join();
    for (int fd : {connection_, listener_})
      if (fd >= 0) ::close(fd);
  }
  std::uint16_t port() const { return port_; }
  bool interrupted() const { return interrupted_; }

 private:
  int listener_;
  int connection_ = -1;
  std::uint16_t port_ = 0;
  std::atomic<bool> interrupted_{false};
  std::thread thread_;
};

class CliFleet : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const std::string& text, mode_t mode = 0600) {
    const auto path = (dir_.Path() / name).string();
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
    ::chmod(path.c_str(), mode);
    return path;
  }
  // The devices file, and the network password beside it as "pw".
  std::string Devices(const std::string& rows) {
    Write("pw", std::string(kPassword) + "\n");
    return Write("devices.csv", kHeader + rows);
  }
  std::string Folder(const std::string& name) {
    const auto path = dir_.Path() / name;
    fs::create_directories(path);
    return path.string();
  }
  // What the device holds now, read by the single-device command.
  std::string Download(const std::vector<std::string>& transport, const std::string& name) {
    const auto out = (dir_.Path() / name).string();
    std::vector<std::string> args = {"download", "-o", out};
    args.insert(args.end(), transport.begin(), transport.end());
    const auto run = RunCli(args);
    EXPECT_EQ(run.status, 0) << run.err;
    return out;
  }
  TempDir dir_;
};

std::vector<std::string> Usb(const TransferSim& sim) { return {"--usb", sim.PtyPath()}; }
std::vector<std::string> Net(const TransferSim& sim) {
  return {"--net", "127.0.0.1:" + std::to_string(sim.port()), "--login", kLoginId, "--password", kPassword};
}

TEST_F(CliFleet, ApplyChangesOneFieldOnEveryDeviceAndNothingElse) {
  TransferSim a, b, c;
  ASSERT_TRUE(a.ready() && b.ready() && c.ready()) << a.output() << b.output() << c.output();
  // Each device starts from its own configuration.
  const std::vector<std::string> transports[] = {Net(a), Usb(b), Usb(c)};
  for (int i = 0; i < 3; ++i) {
    std::vector<std::string> args = {"upload", Write("start.xml", ConfigWithName2("device " + std::to_string(i)))};
    args.insert(args.end(), transports[i].begin(), transports[i].end());
    ASSERT_EQ(RunCli(args).status, 0);
  }
  std::vector<std::string> before;
  for (int i = 0; i < 3; ++i) before.push_back(Download(transports[i], "before" + std::to_string(i) + ".xml"));

  const auto devices = Devices(NetRow("hall", a) + UsbRow("boiler", b.PtyPath()) + UsbRow("roof", c.PtyPath()));
  const auto changes = Write("changes.txt", "# the site's new timezone\nSYSTEM.TIMEZONE=-5\n");
  const auto backups = (dir_.Path() / "backups").string();
  const auto run = RunCli({"fleet", "apply", changes, "--devices", devices, "--backup-dir", backups});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  const std::string changed = "ok 1 field changed: SYSTEM.TIMEZONE 9 -> -5\n";
  EXPECT_EQ(run.out, "hall: " + changed + "boiler: " + changed + "roof: " + changed);

  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    const auto after = Download(transports[i], "after" + std::to_string(i) + ".xml");
    const auto diff = RunCli({"diff", before[i], after});
    EXPECT_EQ(diff.status, 1) << diff.err;
    EXPECT_EQ(diff.out, "SYSTEM.TIMEZONE: 9 -> -5\n");
  }
  SCOPED_TRACE("each device's download and upload kept, named by host or by serial path");
  std::vector<BackupEntry> kept = BackupStore(backups, kDefaultBackupCapMb * kBytesPerMb).List();
  ASSERT_EQ(kept.size(), 6u);
  const auto count = [&](BackupTransport t, BackupKind k) {
    return std::count_if(kept.begin(), kept.end(),
                         [&](const BackupEntry& e) { return e.transport == t && e.kind == k; });
  };
  EXPECT_EQ(count(BackupTransport::Network, BackupKind::Download), 1);
  EXPECT_EQ(count(BackupTransport::Network, BackupKind::Upload), 1);
  EXPECT_EQ(count(BackupTransport::Usb, BackupKind::Download), 2);
  EXPECT_EQ(count(BackupTransport::Usb, BackupKind::Upload), 2);
  for (const auto& e : kept) {
    if (e.transport == BackupTransport::Network) {
      EXPECT_EQ(e.device, "127.0.0.1");
    } else {
      EXPECT_TRUE(e.device == FileSafe(b.PtyPath()) || e.device == FileSafe(c.PtyPath())) << e.device;
    }
  }

  SCOPED_TRACE("the same changes again change nothing, and nothing is uploaded");
  const auto again = RunCli({"fleet", "apply", changes, "--devices", devices, "--backup-dir", backups});
  EXPECT_EQ(again.status, 0) << again.err;
  EXPECT_EQ(again.out, "hall: ok no change\nboiler: ok no change\nroof: ok no change\n");
  EXPECT_EQ(BackupStore(backups, kDefaultBackupCapMb * kBytesPerMb).List().size(), 9u);
}

// Each failed device shows the message the single-device command shows; the
// others succeed; the exit status counts the failures; -j 1 and -j 8 print the same.
TEST_F(CliFleet, AFailedDeviceIsReportedWithItsMessageWhileTheOthersSucceed) {
  TransferSim good, refusing({"--net-refuse-put", "210"});
  ASSERT_TRUE(good.ready() && refusing.ready()) << good.output() << refusing.output();
  Write("wrong", "guess\n");
  const auto devices =
      Devices(NetRow("net-ok", good) + NetRow("wrong-password", good, "wrong") + UsbRow("usb-ok", good.PtyPath()) +
              UsbRow("unplugged", "/nonexistent/ttyUSB9") + NetRow("refusing", refusing));
  const auto file = Write("up.xml", ConfigWithName2("uploaded"));
  const std::string expected = "net-ok: ok uploaded " + file +
                               "\n"
                               "wrong-password: failed: Error: Login / Failed\n"
                               "usb-ok: ok uploaded " +
                               file +
                               "\n"
                               "unplugged: failed: Cannot open COM port 1\n"
                               "refusing: failed: Error: Put / Failed / Error\n";
  for (const char* jobs : {"1", "8"}) {
    SCOPED_TRACE(std::string("-j ") + jobs);
    const auto run = RunCli({"fleet", "upload", file, "--devices", devices, "-j", jobs});
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.out, expected);
    EXPECT_EQ(run.err, "") << "no progress where stderr is no terminal";
  }
}

// A second open of a serial port fails ("Cannot open COM port") while the
// first holds it: rows on one port, by one path or another, all succeed only
// when they never run at once.
TEST_F(CliFleet, RowsOnOneSerialPortNeverRunAtOnce) {
  TransferSim sim;
  ASSERT_TRUE(sim.ready()) << sim.output();
  const auto resolved = fs::canonical(sim.PtyPath()).string();
  const auto devices = Devices(UsbRow("one", sim.PtyPath()) + UsbRow("two", resolved) + UsbRow("three", sim.PtyPath()));
  const auto out = Folder("out");
  const auto run = RunCli({"fleet", "download", out, "--devices", devices, "-j", "8"});
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(run.out, "one: ok wrote " + out + "/one.xml\ntwo: ok wrote " + out + "/two.xml\nthree: ok wrote " + out +
                         "/three.xml\n");
}

TEST_F(CliFleet, DownloadThenUploadEachRoundTrip) {
  TransferSim a, b;
  ASSERT_TRUE(a.ready() && b.ready()) << a.output() << b.output();
  const auto devices = Devices(NetRow("alpha", a) + UsbRow("beta", b.PtyPath()));
  const auto first = Folder("first");
  auto run = RunCli({"fleet", "download", first, "--devices", devices});
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(ReadAll(first + "/alpha.xml"), ConfigWithName2(""));

  // Each device gets a file of its own, and a device without one fails alone.
  for (const char* name : {"alpha", "beta"}) Write(std::string("first/") + name + ".xml", ConfigWithName2(name));
  const auto withMissing = Write("devices.csv", std::string(kHeader) + NetRow("alpha", a) +
                                                    UsbRow("beta", b.PtyPath()) + UsbRow("gamma", a.PtyPath()));
  run = RunCli({"fleet", "upload-each", first, "--devices", withMissing});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "alpha: ok uploaded " + first + "/alpha.xml\nbeta: ok uploaded " + first +
                         "/beta.xml\ngamma: failed: Failed to open file.\n");

  const auto second = Folder("second");
  run = RunCli({"fleet", "download", second, "--devices", devices});
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  for (const char* name : {"alpha", "beta"})
    EXPECT_EQ(ReadAll(second + "/" + name + ".xml"), ConfigWithName2(name)) << name;
}

TEST_F(CliFleet, MaintPassesThroughToEachDevice) {
  TransferSim a, b;
  ASSERT_TRUE(a.ready() && b.ready()) << a.output() << b.output();
  const auto devices = Devices(NetRow("alpha", a) + UsbRow("beta", b.PtyPath()));
  auto run = RunCli({"fleet", "maint", "mac", "--devices", devices});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, std::string("alpha: ok ") + kMac + "\nbeta: ok " + kMac + "\n");

  const auto logs = Folder("logs");
  run = RunCli({"fleet", "maint", "log", "-o", logs, "--devices", devices});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "alpha: ok\nbeta: ok\n");
  EXPECT_EQ(ReadAll(logs + "/alpha.log"), ReadAll((a.StateDir() / "LOG").string()));
  EXPECT_EQ(ReadAll(logs + "/beta.log"), ReadAll((b.StateDir() / "LOG").string()));

  SCOPED_TRACE("the maintenance command's arguments are checked before any device");
  run = RunCli({"fleet", "maint", "preset", "999", "1", "--devices", devices});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("CH takes 1 to 128"), std::string::npos) << run.err;
  EXPECT_FALSE(fs::exists(a.StateDir() / "SUM"));
}

// Ctrl-C starts no further device; the one in flight ends within its bound.
// On a terminal, each device in flight has its line there meanwhile.
TEST_F(CliFleet, InterruptStartsNoFurtherDevice) {
  TransferSim good;
  ASSERT_TRUE(good.ready()) << good.output();
  InterruptOnConnect mute;
  const auto devices = Devices("mute,net:127.0.0.1:" + std::to_string(mute.port()) + "," + kLoginId + ",pw\n" +
                               UsbRow("next", good.PtyPath()) + NetRow("last", good));
  const auto run = RunCli({"fleet", "status", "--devices", devices, "-j", "1", "--timeout", "3"}, true);
  EXPECT_TRUE(mute.interrupted());
  EXPECT_EQ(run.status, 3) << run.err;
  EXPECT_EQ(run.out,
            "mute: failed: Error: Connect / Failed in receiving header\nnext: not started\nlast: not started\n");
  EXPECT_NE(run.err.find("mute: connecting"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("interrupted"), std::string::npos) << run.err;
}

TEST_F(CliFleet, FaultsBeforeAnyDeviceAreUsageErrors) {
  TransferSim sim;
  ASSERT_TRUE(sim.ready()) << sim.output();
  const auto good = Devices(NetRow("hall", sim));
  const struct {
    const char* what;
    std::vector<std::string> args;
    std::string err;  // a part of stderr
  } cases[] = {
      {"no devices", {"fleet", "status"}, "--devices"},
      {"unknown command", {"fleet", "reboot", "--devices", good}, "no fleet command reboot"},
      {"-j 0", {"fleet", "status", "--devices", good, "-j", "0"}, "-j takes 1 to 64"},
      {"-j 65", {"fleet", "status", "--devices", good, "-j", "65"}, "-j takes 1 to 64"},
      {"an option of one device", {"fleet", "status", "--devices", good, "--usb", "/dev/null"}, "does not take --usb"},
      {"--level for status", {"fleet", "status", "--devices", good, "--level", "6"}, "does not take --level"},
      {"--login with a devices file", {"fleet", "status", "--devices", good, "--login", "x"}, "--login is for"},
      {"download into no folder",
       {"fleet", "download", (dir_.Path() / "none").string(), "--devices", good},
       "is no folder"},
      {"upload of no file",
       {"fleet", "upload", (dir_.Path() / "none.xml").string(), "--devices", good},
       "Failed to open file."},
      {"changes that do not parse",
       {"fleet", "apply", Write("bad.txt", "no change here\n"), "--devices", good},
       "line 1"},
      {"maint help", {"fleet", "maint", "help", "--devices", good}, "touches no device"},
      {"maint log without -o", {"fleet", "maint", "log", "--devices", good}, "needs -o DIR"},
      {"a password file others may read",
       {"fleet", "status", "--devices", Write("open.csv", kHeader + NetRow("hall", sim, "open-pw")), "-j", "2"},
       "others may use the password file"},
  };
  Write("open-pw", std::string(kPassword) + "\n", 0644);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto run = RunCli(c.args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("usage: tk48gcfg-cli fleet"), std::string::npos) << run.err;
  }
}

// The devices file as "fleet list" reads it: every fault names its line.
TEST_F(CliFleet, DevicesFileRowsAndTheirFaults) {
  const struct {
    const char* what;
    std::string text;
    std::string out;  // with exit 0
    std::string err;  // else: the fault, with exit 2
  } cases[] = {
      {"comments, blanks, quotes, CRLF and a byte order mark",
       "\xEF\xBB\xBF"
       "name,transport,login,password_file\r\n# boilers\r\n\r\n"
       "\"Boiler, east\",usb:/dev/ttyUSB0\r\n  hall , net:plant-a ,admin,pw\r\n  # the "
       "roof\nroof,net:10.0.0.9:4000,op,\n",
       "Boiler, east: usb /dev/ttyUSB0\nhall: net plant-a:30341 login admin\nroof: net 10.0.0.9:4000 login op\n", ""},
      {"no header", "hall,usb:/dev/ttyUSB0,,\n", "", "devices.csv:1: the first line is the header"},
      {"header only", "name,transport,login,password_file\n# nothing\n", "", "devices.csv: no device"},
      {"unknown transport", std::string(kHeader) + "a,usb:/dev/x,,\n\nb,ftp:host,,\n", "",
       "devices.csv:4: transport \"ftp:host\" is neither"},
      {"usb without a path", std::string(kHeader) + "a,usb:,,\n", "", "devices.csv:2: transport"},
      {"port out of range", std::string(kHeader) + "a,net:host:65536,x,\n", "", "devices.csv:2: transport"},
      {"network without a login", std::string(kHeader) + "a,net:host,,pw\n", "",
       "devices.csv:2: a network device needs a login"},
      {"a name given twice", std::string(kHeader) + "a,usb:/dev/x,,\nb,usb:/dev/y,,\na,usb:/dev/z,,\n", "",
       "devices.csv:4: the name a stands already at line 2"},
      {"a name with a slash", std::string(kHeader) + "a/b,usb:/dev/x,,\n", "", "devices.csv:2: the name \"a/b\""},
      {"a name with a colon", std::string(kHeader) + "a:b,usb:/dev/x,,\n", "", "devices.csv:2: the name \"a:b\""},
      {"the parent folder", std::string(kHeader) + "..,usb:/dev/x,,\n", "", "devices.csv:2: the name .."},
      {"no name", std::string(kHeader) + ",usb:/dev/x,,\n", "", "devices.csv:2: a device needs a name"},
      {"five cells", std::string(kHeader) + "a,usb:/dev/x,,,more\n", "", "devices.csv:2: a row has 2 to 4 cells"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto run = RunCli({"fleet", "list", "--devices", Write("devices.csv", c.text)});
    EXPECT_EQ(run.status, c.err.empty() ? 0 : 2) << run.err;
    EXPECT_EQ(run.out, c.out);
    if (!c.err.empty()) {
      EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    }
  }
}

// The desktop application's preferences file as QSettings writes it.
TEST_F(CliFleet, AddressBookIsReadAsTheDesktopApplicationWritesIt) {
  const ScopedEnv config("XDG_CONFIG_HOME", dir_.Path().string());
  const auto book = [&](const std::string& text) { Write("VELTRA/TK48GCFG.conf", text); };
  const struct {
    const char* what;
    std::string ini;
    std::string out;
    std::string err;
  } cases[] = {
      {"entries in order, on the stored port; one without an address is skipped",
       "[General]\nx=1\n\n[TK48GCFG]\nCOMTYPE=0\nNETPORT=30400\nNET=Hall\n\n"
       "[DST1]\nADDR=192.168.0.20\nNAME=Hall\n\n[DST2]\nADDR=\nNAME=Spare\n\n[DST10]\nADDR=plant-b\nNAME=Boiler\n",
       "Hall: net 192.168.0.20:30400 login admin\nBoiler: net plant-b:30400 login admin\n", ""},
      {"Qt's quoting and escapes",
       "; the configurator's preferences\n[DST1]\nNAME=\"  Hall, east \"\nADDR=10.0.0.1 ; a comment\n"
       "[DST2]\nNAME=say \\\"hi\\\" \\x41\\0102\nADDR=10.0.0.2\n[DST3]\nNAME=\xC3\x89tage 3\nADDR=10.0.\\\n0.3\n"
       "[DST4]\nNAME=@@home\nADDR=\"10.0.0.4\"\n[DST5]\n%4EAME=Five\nADDR=10.0.0.5\n",
       "  Hall, east : net 10.0.0.1:30341 login admin\nsay \"hi\" AB: net 10.0.0.2:30341 login admin\n"
       "\xC3\x89tage 3: net 10.0.0.3:30341 login admin\n@home: net 10.0.0.4:30341 login admin\n"
       "Five: net 10.0.0.5:30341 login admin\n",
       ""},
      {"a list (unquoted comma) or a variant reads as no text",
       "[DST1]\nNAME=a, b\nADDR=10.0.0.1\n[DST2]\nNAME=@Invalid()\nADDR=10.0.0.2\n[DST3]\nNAME=c\nADDR=10.0.0.3\n",
       "c: net 10.0.0.3:30341 login admin\n", ""},
      {"the same name twice", "[DST1]\nNAME=a\nADDR=x\n[DST4]\nNAME=a\nADDR=y\n", "",
       "DST4: the name a stands already at DST1"},
      {"a name that cannot name a file", "[DST2]\nNAME=a/b\nADDR=x\n", "", "DST2: the name \"a/b\""},
      {"no entry", "[TK48GCFG]\nNETPORT=30341\n", "", "the address book holds no device"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    book(c.ini);
    const auto run = RunCli({"fleet", "list", "--devices", "address-book", "--login", "admin"});
    EXPECT_EQ(run.status, c.err.empty() ? 0 : 2) << run.err;
    EXPECT_EQ(run.out, c.out);
    if (!c.err.empty()) {
      EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    }
  }
  {
    SCOPED_TRACE("without XDG_CONFIG_HOME: ~/.config");
    const ScopedEnv noConfig("XDG_CONFIG_HOME", std::nullopt);
    const ScopedEnv home("HOME", dir_.Path().string());
    Write(".config/VELTRA/TK48GCFG.conf", "[DST1]\nNAME=home\nADDR=h\n");
    const auto run = RunCli({"fleet", "list", "--devices", "address-book"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "home: net h:30341 login \n");
  }
  {
    SCOPED_TRACE("against devices: the password asked for each device, a line of standard input each");
    TransferSim sim;
    ASSERT_TRUE(sim.ready()) << sim.output();
    book("[TK48GCFG]\nNETPORT=" + std::to_string(sim.port()) +
         "\n[DST1]\nNAME=first\nADDR=127.0.0.1\n[DST2]\nNAME=second\nADDR=127.0.0.1\n");
    const std::string passwords = std::string(kPassword) + "\nguess\n";
    const auto run = RunCli({"fleet", "maint", "version", "--devices", "address-book", "--login", kLoginId}, false,
                            std::chrono::seconds(60), &passwords);
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(run.out, "first: ok TK48-G Ver. 2.0.0\nsecond: failed: Error: Login / Failed\n");
    EXPECT_EQ(RunCli({"fleet", "status", "--devices", "address-book"}).status, 2) << "no --login";
  }
}

}  // namespace
}  // namespace tk48
