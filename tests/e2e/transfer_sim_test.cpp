// Download and upload of the setting data against tk48sim, over USB (a pty)
// and the network (loopback): the whole sequences, the device's refusals and
// the faults, each with the messages the user sees and the record untouched.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

#include "model/defaults.h"
#include "model/writer.h"
#include "resources/strings.h"
#include "resources/text_ids.h"
#include "tests/e2e/transfer_sim.h"
#include "tests/model/section_doc.h"

namespace tk48 {
namespace {

using namespace test;
using Texts = std::vector<std::string>;

constexpr const char* kNoStatus = "Error: Failed to obtain status information.";
constexpr const char* kPi7 = "Setting error: PI7\nSLMP device not supported by this TK48 version.";

using testing::Defaults;

// A configuration that differs from the defaults in a few places, PI7 among them.
std::unique_ptr<SettingData> Changed(std::uint16_t pi7DeviceCode = 0x5A) {
  auto record = Defaults();
  record->SYSTEM.TIMEZONE = 5;
  std::strcpy(record->SYSTEM.NAME1, "Line 3 \xE6\xB8\xA9\xE5\xBA\xA6");  // UTF-8 survives the trip
  record->IO.PI[6].TYPE = kTypeSlmp;
  record->IO.PI[6].SLMP_DEV_CODE = pi7DeviceCode;
  return record;
}

std::unique_ptr<SettingData> Copy(const SettingData& record) {
  auto copy = NewSettingData();
  std::memcpy(copy.get(), &record, sizeof record);
  return copy;
}

// What the device holds now.
std::string DeviceText(const TransferSim& sim, Transport transport) {
  DeviceOperation op(sim, transport);
  auto record = NewSettingData();
  EXPECT_TRUE(DownloadSettings(*record, op.ctx)) << ::testing::PrintToString(op.ui.Texts());
  return ConfigurationText(*record);
}

TEST(TransferSim, DownloadOfTheDefaultConfiguration) {
  TransferSim sim;
  ASSERT_TRUE(sim.ready()) << sim.output();
  for (const Transport t : kTransports) {
    SCOPED_TRACE(Name(t));
    DeviceOperation op(sim, t);
    auto record = Changed();
    EXPECT_TRUE(DownloadSettings(*record, op.ctx));
    EXPECT_EQ(op.ui.Texts(), Texts{});
    EXPECT_EQ(ConfigurationText(*record), ConfigurationText(*Defaults()));
    ASSERT_EQ(op.ui.dialogs.size(), 1u);
    EXPECT_EQ(op.ui.dialogs[0].kind, t == Transport::Usb ? WaitKind::Usb : WaitKind::Network);
    EXPECT_EQ(op.ui.dialogs[0].length, static_cast<std::int64_t>(kReceiveBufferSize));
  }
}

TEST(TransferSim, UploadThenDownloadGivesTheSameFileOnEitherTransport) {
  TransferSim sim;
  ASSERT_TRUE(sim.ready()) << sim.output();
  std::int16_t zone = 0;
  for (const Transport up : kTransports) {
    SCOPED_TRACE(std::string("upload over ") + Name(up));
    auto sent = Changed();
    sent->SYSTEM.TIMEZONE = ++zone;  // each round leaves its own mark
    DeviceOperation op(sim, up);
    EXPECT_TRUE(UploadSettings(*sent, op.ctx));
    EXPECT_EQ(op.ui.Texts(), Texts{});
    EXPECT_EQ(op.ui.offThreadMessages, 0);
    for (const Transport down : kTransports) {
      SCOPED_TRACE(std::string("download over ") + Name(down));
      DeviceOperation get(sim, down);
      auto received = Defaults();
      EXPECT_TRUE(DownloadSettings(*received, get.ctx));
      EXPECT_EQ(ConfigurationText(*received), ConfigurationText(*sent));
    }
  }
}

// One operation against a simulator started with `options`; the caller's
// record is compared before and after.
struct FaultCase {
  const char* name;
  Transport transport;
  std::vector<std::string> options;
  bool upload;
  bool outcome;
  Texts shown;
  Icon icon = Icon::Error;  // of every message shown
  bool deviceUnchanged = false;  // nothing reached the device: its file is as before
  // Non-zero: the poll limit and the network receive bound are cut to 1 s,
  // and the operation must end within this.
  std::chrono::milliseconds bound{0};
};

void RunCase(const FaultCase& c, std::uint16_t pi7DeviceCode = 0x5A) {
  SCOPED_TRACE(std::string(c.name) + " over " + Name(c.transport));
  TransferSim sim(c.options);
  ASSERT_TRUE(sim.ready()) << sim.output();
  const std::string before = c.deviceUnchanged ? DeviceText(sim, c.transport) : std::string();
  DeviceOperation op(sim, c.transport);
  if (c.bound.count() > 0) {
    op.ctx.transferTiming.pollPause = 100ms;
    op.ctx.transferTiming.pollLimit = 1000ms;
    op.ctx.netOptions.receiveTimeout = 1000ms;
  }
  auto record = Changed(pi7DeviceCode);
  const auto copy = Copy(*record);
  const auto start = std::chrono::steady_clock::now();
  const bool outcome = c.upload ? UploadSettings(*record, op.ctx) : DownloadSettings(*record, op.ctx);
  if (c.bound.count() > 0) {
    EXPECT_LT(std::chrono::steady_clock::now() - start, c.bound);
  }
  EXPECT_EQ(op.ui.waits, 1) << "connecting runs behind the wait dialog";
  EXPECT_EQ(outcome, c.outcome);
  EXPECT_EQ(op.ui.Texts(), c.shown);
  for (const auto& m : op.ui.messages) EXPECT_EQ(m.icon, c.icon) << m.text;
  EXPECT_EQ(op.ui.offThreadMessages, 0);
  if (!c.upload || !c.outcome) {
    EXPECT_TRUE(SameRecord(*record, *copy)) << "the caller's record changed";
  }
  if (c.deviceUnchanged) {
    EXPECT_EQ(DeviceText(sim, c.transport), before) << "the device took a refused upload";
  }
}

TEST(TransferSim, DeviceRefusalsAndFaultsShowTheirMessages) {
  const FaultCase cases[] = {
      {"5-byte status", Transport::Usb, {"--status-length", "5"}, false, false, {kNoStatus}},
      {"7-byte status", Transport::Usb, {"--status-length", "7"}, false, false, {kNoStatus}},
      {"7-byte status", Transport::Usb, {"--status-length", "7"}, true, false, {kNoStatus}},
      {"still processing", Transport::Usb, {"--processing", "3"}, true, true, {}},
      {"result 100", Transport::Usb, {"--put-result", "100"}, true, false, {}},
      {"result 210", Transport::Usb, {"--put-result", "210"}, true, false, {"Error"}},
      {"result 101", Transport::Usb, {"--put-result", "101", "--put-message", "IO.AI[1].SCALE_100"}, true, false,
       {"Cannot save: Unsupported setting value(s).\nIO.AI[1].SCALE_100"}},
      {"result 103", Transport::Usb, {"--logging", "--put-result", "103"}, true, false,
       {"Cannot change logging setting during logging."}},
      {"refused with 100", Transport::Net, {"--net-refuse-put", "100"}, true, true, {}},
      {"refused with 210", Transport::Net, {"--net-refuse-put", "210"}, true, false, {"Error: Put\nFailed", "Error"}},
      {"refused with 101", Transport::Net, {"--net-refuse-put", "101", "--net-refuse-message", "AI1 scale"}, true,
       false, {"Error: Put\nFailed", "Cannot save: Unsupported setting value(s).\nAI1 scale"}},
      {"put cut short", Transport::Net, {"--net-cut-header", "P"}, true, false,
       {"Error: Put\nFailed in receiving header", "Error.\nCODE:0"}},
      {"get cut short", Transport::Net, {"--net-cut-header", "G"}, false, false,
       {"Error: Get\nFailed in receiving header", "Error.\nCODE:0"}},
      {"status cut short", Transport::Net, {"--net-cut-header", "C"}, false, false,
       {"Error: Connect\nFailed in receiving header"}},
      {"other model", Transport::Net, {"--net-model", "63"}, false, false, {"Error: Connect\nUnsupported device"},
       Icon::Warning},
      {"no challenge", Transport::Net, {"--net-no-challenge"}, true, false, {"Error: Connect\nConnection failure"}},
  };
  for (const auto& c : cases) RunCase(c);
}

// Devices that never finish: each operation ends within its bound with its
// message, the caller's record untouched, every message on the UI thread.
TEST(TransferSim, EveryWaitEndsWithinItsBound) {
  const Texts outOfTime{LoadText(text::kResultPollOutOfTime).data()};
  const Texts pollFailed{LoadText(text::kResultPollFailed).data()};
  const Texts noAnswer{"Error: Connect\nFailed in receiving header"};
  const FaultCase cases[] = {
      {"endless processing", Transport::Usb, {"--processing-endless"}, true, false, outOfTime, Icon::Error, false,
       2500ms},
      {"one-byte poll reply", Transport::Usb, {"--poll-length", "1"}, true, false, pollFailed, Icon::Error, false,
       3000ms},
      {"empty poll reply", Transport::Usb, {"--poll-length", "0"}, true, false, pollFailed, Icon::Error, false,
       3000ms},
      // Three attempts at the next block, each a byte wait and a pause.
      {"stops reading", Transport::Usb, {"--stop-reading", "2"}, true, false, {"Failed to transmit."}, Icon::Error,
       false, 3 * 1100ms + 1500ms},
      {"accepts and never answers", Transport::Net, {"--net-mute"}, false, false, noAnswer, Icon::Error, false,
       2500ms},
      {"accepts and never answers", Transport::Net, {"--net-mute"}, true, false, noAnswer, Icon::Error, false,
       2500ms},
  };
  for (const auto& c : cases) RunCase(c);
}

TEST(TransferSim, OldFirmwareRefusesSlmpDevicesItCannotRead) {
  for (const Transport t : kTransports) {
    RunCase({"0x5A on 1.9.0", t, {"--version", "1.9.0"}, true, true, {}}, 0x5A);
    RunCase({"0x90 on 1.9.0", t, {"--version", "1.9.0"}, true, false, {kPi7}, Icon::Error, true}, 0x90);
    RunCase({"0x90 on 2.0.0", t, {"--version", "2.0.0"}, true, true, {}}, 0x90);
  }
}

TEST(TransferSim, AReceivedFileThatIsNoZlibStreamChangesNothing) {
  TransferSim sim({}, [](const std::filesystem::path& state) {
    std::ofstream(state / "CONFIG_P", std::ios::binary) << "not compressed";
  });
  ASSERT_TRUE(sim.ready()) << sim.output();
  for (const Transport t : kTransports) {
    SCOPED_TRACE(Name(t));
    DeviceOperation op(sim, t);
    auto record = Changed();
    const auto copy = Copy(*record);
    EXPECT_FALSE(DownloadSettings(*record, op.ctx));
    EXPECT_EQ(op.ui.Texts(), Texts{"Failed to decompress setting data."});
    EXPECT_TRUE(SameRecord(*record, *copy));
  }
}

TEST(TransferSim, ConnectionFailuresBeforeAnyTransfer) {
  TransferSim sim;
  ASSERT_TRUE(sim.ready()) << sim.output();
  const auto check = [](DeviceOperation& op, const Texts& shown) {
    auto record = Changed();
    const auto copy = Copy(*record);
    EXPECT_FALSE(DownloadSettings(*record, op.ctx));
    EXPECT_FALSE(UploadSettings(*record, op.ctx));
    EXPECT_EQ(op.ui.Texts(), shown);
    EXPECT_TRUE(op.ui.dialogs.empty());
    EXPECT_TRUE(SameRecord(*record, *copy));
  };
  {
    SCOPED_TRACE("no such COM port");
    DeviceOperation op(sim, Transport::Usb);
    op.ctx.comPath = [](int) { return std::optional<std::string>("/nonexistent/ttyTK48"); };
    check(op, {"Cannot open COM port 3", "Cannot open COM port 3"});
  }
  {
    SCOPED_TRACE("COM number without a port");
    DeviceOperation op(sim, Transport::Usb);
    op.ctx.comPath = [](int) { return std::optional<std::string>(); };
    check(op, {"Cannot open COM port 3", "Cannot open COM port 3"});
  }
  {
    SCOPED_TRACE("no address-book entry");
    DeviceOperation op(sim, Transport::Net);
    op.settings.entryName = "elsewhere";
    check(op, {"Illegal network address", "Illegal network address"});
    EXPECT_EQ(op.ui.loginPrompts, 0);
  }
  {
    SCOPED_TRACE("login cancelled");
    DeviceOperation op(sim, Transport::Net);
    op.ui.logins = {std::nullopt, std::nullopt};
    check(op, {});
    EXPECT_EQ(op.ui.loginPrompts, 2);
  }
  {
    SCOPED_TRACE("nothing listening");
    DeviceOperation op(sim, Transport::Net);
    op.settings.addressBook[4].address = "127.0.0.1";
    op.settings.netPort = 1;  // privileged and unused
    op.ui.logins.push_back(Credentials{kLoginId, kPassword});
    check(op, {"Error: Open\nConnection failure", "Error: Open\nConnection failure"});
  }
}

TEST(TransferSim, TheLoginIsAskedForUntilOneSucceeds) {
  TransferSim sim;
  ASSERT_TRUE(sim.ready()) << sim.output();
  LoginState login;  // the application's, across operations
  {
    SCOPED_TRACE("wrong password");
    DeviceOperation op(sim, Transport::Net, &login);
    op.ui.logins = {Credentials{kLoginId, "wrong"}};
    auto record = Defaults();
    EXPECT_FALSE(DownloadSettings(*record, op.ctx));
    EXPECT_EQ(op.ui.Texts(), Texts{"Error: Login\nFailed"});
    EXPECT_FALSE(login.loggedIn);
  }
  {
    SCOPED_TRACE("asked again, then logged in");
    DeviceOperation op(sim, Transport::Net, &login);
    auto record = Defaults();
    EXPECT_TRUE(DownloadSettings(*record, op.ctx));
    EXPECT_EQ(op.ui.loginPrompts, 1);
    EXPECT_TRUE(login.loggedIn);
    EXPECT_EQ(login.login, kLoginId);
  }
  {
    SCOPED_TRACE("logged in: not asked");
    DeviceOperation op(sim, Transport::Net, &login);
    op.ui.logins.clear();
    EXPECT_TRUE(UploadSettings(*Changed(), op.ctx));
    EXPECT_EQ(op.ui.loginPrompts, 0);
    EXPECT_TRUE(login.loggedIn);
  }
  {
    SCOPED_TRACE("a failed connection clears the flag");
    DeviceOperation op(sim, Transport::Net, &login);
    op.settings.netPort = 1;
    EXPECT_FALSE(ReadDeviceStatus(op.ctx));
    EXPECT_FALSE(login.loggedIn);
  }
}

TEST(TransferSim, NamedDeviceFiles) {
  TransferSim sim({"--version", "2.3.45", "--sd"});
  ASSERT_TRUE(sim.ready()) << sim.output();
  for (const Transport t : kTransports) {
    SCOPED_TRACE(Name(t));
    DeviceOperation op(sim, t);
    const auto status = ReadDeviceStatus(op.ctx);
    ASSERT_TRUE(status);
    EXPECT_EQ(status->model, 0x3E);
    EXPECT_EQ(VersionText(*status), "TK48-G Ver. 2.3.45");
    EXPECT_TRUE(status->sdCard());
    EXPECT_FALSE(status->logging());
  }
  {
    SCOPED_TRACE("network get of a file the device does not have");
    DeviceOperation op(sim, Transport::Net);
    EXPECT_FALSE(GetDeviceFile(op.ctx, "NO_SUCH_FILE", 1024));
    // The refusal's code is an unsigned byte.
    EXPECT_EQ(op.ui.Texts(), (Texts{"Error: Get\nFailed", "Error.\nCODE:210"}));
  }
}

}  // namespace
}  // namespace tk48
