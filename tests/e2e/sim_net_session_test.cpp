// The configurator's network session against tk48sim: the whole road of a
// download and an upload, the access-settings upload, and the device faults.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "link/net_frame.h"
#include "link/net_session.h"
#include "link/net_socket.h"
#include "model/defaults.h"
#include "model/gzlib.h"
#include "model/reader.h"
#include "model/writer.h"
#include "port/scripted_ui.h"
#include "tests/e2e/sim_net_process.h"

namespace tk48 {
namespace {

using testing::SimNetProcess;
using namespace std::chrono_literals;

constexpr std::size_t kReceiveBuffer = 6815744;
const NetSessionOptions kOptions{10ms, 20s};

std::span<const std::uint8_t> Bytes(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::vector<std::uint8_t> Compressed(std::string_view text) {
  CGzlib gz;
  EXPECT_TRUE(gz.Compress(Bytes(text)));
  return {gz.Compressed().begin(), gz.Compressed().end()};
}

// One operation's session: open, status, login.
struct Connected {
  Connected(const SimNetProcess& sim, LoginState& login) : session(login, kOptions) {
    opened = session.Open("127.0.0.1", sim.port()) && session.Status(&status) && session.Login();
  }
  NetSession session;
  SessionStatus status;
  bool opened = false;
};

// "CONFIG_P" from the device, decompressed.
std::string DownloadText(const SimNetProcess& sim, LoginState& login) {
  Connected c(sim, login);
  EXPECT_TRUE(c.opened) << c.session.error();
  std::vector<std::uint8_t> buffer(kReceiveBuffer);
  std::size_t length = 0;
  EXPECT_TRUE(c.session.Get("CONFIG_P", buffer, length)) << c.session.error();
  CGzlib gz;
  EXPECT_TRUE(gz.Decompress(std::span(buffer).first(length)));
  return {reinterpret_cast<const char*>(gz.Decompressed().data()), gz.Decompressed().size()};
}

std::unique_ptr<SettingData> Read(std::string_view text, ReadResult* result = nullptr) {
  auto record = NewSettingData();
  ApplyDefaults(*record);
  const ReadResult r = ParseConfiguration(*record, text);
  EXPECT_TRUE(r.ok()) << r.path;
  if (result) *result = r;
  return record;
}

bool Upload(const SimNetProcess& sim, LoginState& login, std::string_view text, std::int32_t* code = nullptr) {
  Connected c(sim, login);
  EXPECT_TRUE(c.opened) << c.session.error();
  std::int32_t result = 0;
  char message[kPutMessageSize] = {};
  const bool ok = c.session.Put("CONFIG_P", Compressed(text), result, message);
  if (code) *code = result;
  return ok;
}

TEST(SimNetSession, DownloadHoldsTheConfigurationAndTheDeviceAccessBlocks) {
  SimNetProcess sim({"--account", "admin:secret", "--version", "2.1.7", "--sd"});
  ASSERT_TRUE(sim.ready()) << sim.output();
  LoginState login{"admin", "secret", false};
  Connected c(sim, login);
  ASSERT_TRUE(c.opened) << c.session.error();
  EXPECT_TRUE(login.loggedIn);
  EXPECT_EQ(c.status.model, 0x3E);
  EXPECT_EQ(c.status.major, 2);
  EXPECT_EQ(c.status.minor, 1);
  EXPECT_EQ(c.status.revision, 7);
  EXPECT_EQ(c.status.flags, 1);

  std::vector<std::uint8_t> buffer(kReceiveBuffer);
  std::size_t length = 0;
  ASSERT_TRUE(c.session.Get("CONFIG_P", buffer, length)) << c.session.error();
  EXPECT_EQ(c.session.progress.load(), static_cast<std::int32_t>((length + 15) / 16 * 16));
  CGzlib gz;
  ASSERT_TRUE(gz.Decompress(std::span(buffer).first(length)));
  const std::string text(reinterpret_cast<const char*>(gz.Decompressed().data()), gz.Decompressed().size());
  EXPECT_NE(text.find("<TK48G_CFG>\r\n\r\n<TK48GCFG>"), std::string::npos);
  ReadResult read;
  const auto record = Read(text, &read);
  EXPECT_TRUE(read.sawAccessBlock);
  EXPECT_TRUE(read.sawIpAddress);
  EXPECT_EQ(record->TK48GCFG.PORT, 30341);
  EXPECT_EQ(record->TK48GCFG.AUTH[0].MODE, 1);
}

TEST(SimNetSession, WrongPasswordFailsTheLogin) {
  SimNetProcess sim({"--account", "admin:secret"});
  ASSERT_TRUE(sim.ready()) << sim.output();
  for (const char* password : {"Secret", "secret-and-more", ""}) {
    SCOPED_TRACE(password);
    LoginState login{"admin", password, true};
    NetSession session(login, kOptions);
    ASSERT_TRUE(session.Open("127.0.0.1", sim.port()));
    ASSERT_TRUE(session.Status());
    EXPECT_FALSE(session.Login());
    EXPECT_EQ(session.error(), kNetBadPassword);
    EXPECT_FALSE(login.loggedIn);
    ScriptedUi ui;
    session.ShowSessionError(ui, "Error: Login");
    EXPECT_EQ(ui.Last(), "Error: Login\nFailed");
  }
  // A known password under another login ID is refused as well.
  LoginState other{"guest", "secret", false};
  Connected c(sim, other);
  EXPECT_FALSE(c.opened);
  EXPECT_EQ(c.session.error(), kNetBadPassword);
}

struct FaultCase {
  const char* name;
  std::vector<std::string> options;
  std::int32_t code;
  Icon icon;
  std::string line;
};

TEST(SimNetSession, DeviceFaultsEndWithTheirCodeAndMessage) {
  const std::vector<FaultCase> cases = {
      {"wrong model", {"--net-model", "63"}, kNetUnsupportedDevice, Icon::Warning, "Unsupported device"},
      {"no challenge", {"--net-no-challenge"}, kNetConnectionFailure, Icon::Error, "Connection failure"},
      {"status header cut", {"--net-cut-header", "C"}, kNetHeaderNotReceived, Icon::Error,
       "Failed in receiving header"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto options = c.options;
    options.insert(options.end(), {"--account", "admin:secret"});
    SimNetProcess sim(options);
    ASSERT_TRUE(sim.ready()) << sim.output();
    LoginState login{"admin", "secret", true};
    NetSession session(login, kOptions);
    ASSERT_TRUE(session.Open("127.0.0.1", sim.port()));
    EXPECT_FALSE(session.Status());
    EXPECT_EQ(session.error(), c.code);
    EXPECT_FALSE(login.loggedIn);
    ScriptedUi ui;
    session.ShowSessionError(ui, "Error: Connect");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Error: Connect\n" + c.line);
    EXPECT_EQ(ui.messages[0].icon, c.icon);
  }
}

TEST(SimNetSession, GetFailures) {
  SimNetProcess sim({"--account", "admin:secret", "--net-cut-header", "P"});
  ASSERT_TRUE(sim.ready()) << sim.output();
  LoginState login{"admin", "secret", false};
  {  // no such file: the device's detail byte
    Connected c(sim, login);
    ASSERT_TRUE(c.opened);
    std::vector<std::uint8_t> buffer(64, 0xFF);
    std::size_t length = 0;
    EXPECT_FALSE(c.session.Get("NO_SUCH", buffer, length));
    EXPECT_EQ(c.session.error(), kNetRefused);
    EXPECT_EQ(buffer[0], 210);
  }
  {  // a buffer one byte short of the file
    Connected c(sim, login);
    ASSERT_TRUE(c.opened);
    std::vector<std::uint8_t> buffer(5);
    std::size_t length = 0;
    EXPECT_FALSE(c.session.Get("MAC", buffer, length));
    EXPECT_EQ(c.session.error(), kNetInvalidSize);
    EXPECT_EQ(buffer[0], 0);
  }
  {  // the put's reply header cut short
    Connected c(sim, login);
    ASSERT_TRUE(c.opened);
    std::int32_t code = 0;
    char message[kPutMessageSize] = {};
    EXPECT_FALSE(c.session.Put("MAC", Bytes("123456"), code, message));
    EXPECT_EQ(c.session.error(), kNetHeaderNotReceived);
  }
}

TEST(SimNetSession, RefusedPutGivesTheDeviceCodeAndText) {
  SimNetProcess sim({"--account", "admin:secret", "--net-refuse-put", "101", "--net-refuse-message",
                     "IO.AI[1].SCALE_100"});
  ASSERT_TRUE(sim.ready()) << sim.output();
  LoginState login{"admin", "secret", false};
  Connected c(sim, login);
  ASSERT_TRUE(c.opened);
  std::int32_t code = 0;
  char message[kPutMessageSize] = {};
  EXPECT_FALSE(c.session.Put("CONFIG_P", Compressed("x"), code, message));
  EXPECT_EQ(c.session.error(), kNetRefused);
  EXPECT_EQ(code, 101);
  EXPECT_STREQ(message, "IO.AI[1].SCALE_100");
}

TEST(SimNetSession, UploadRoundTripsAndKeepsTheDeviceAccessBlocks) {
  SimNetProcess sim({"--account", "admin:secret"});
  ASSERT_TRUE(sim.ready()) << sim.output();
  LoginState login{"admin", "secret", false};
  auto record = Read(DownloadText(sim, login));
  std::strcpy(record->SYSTEM.NAME1, "Boiler house");
  // The configurator's upload carries no access blocks.
  ASSERT_TRUE(Upload(sim, login, ConfigurationText(*record)));

  ReadResult read;
  const auto back = Read(DownloadText(sim, login), &read);
  EXPECT_STREQ(back->SYSTEM.NAME1, "Boiler house");
  EXPECT_TRUE(read.sawAccessBlock);
  EXPECT_EQ(ConfigurationText(*back), ConfigurationText(*record));

  // A put the device refuses leaves everything as it was.
  std::int32_t code = 0;
  EXPECT_FALSE(Upload(sim, login, "<TK48G_CFG><SYSTEM><NAME1>", &code));
  EXPECT_NE(code, 0);
  EXPECT_STREQ(Read(DownloadText(sim, login))->SYSTEM.NAME1, "Boiler house");
}

TEST(SimNetSession, AccessSettingsUploadChangesOnlyThoseBlocks) {
  SimNetProcess sim({"--account", "admin:secret"});
  ASSERT_TRUE(sim.ready()) << sim.output();
  LoginState login{"admin", "secret", false};
  const auto before = Read(DownloadText(sim, login));

  auto edited = NewSettingData();
  *edited = *before;
  std::strcpy(edited->SYSTEM.NAME1, "not in the access document");
  edited->TK48GCFG.AUTH[3].MODE = 1;
  std::strcpy(edited->TK48GCFG.AUTH[3].LOGIN, "operator");
  std::strcpy(edited->TK48GCFG.AUTH[3].PASSWORD, "op-pass");
  std::strcpy(edited->COM.TCP_IP.IP_ADDRESS.MY, "192.168.10.20");
  ASSERT_TRUE(Upload(sim, login, AccessSettingsText(*edited)));

  // The new account logs in; the served document shows the new blocks and
  // the rest of the configuration as before.
  LoginState operatorLogin{"operator", "op-pass", false};
  const auto after = Read(DownloadText(sim, operatorLogin));
  EXPECT_TRUE(operatorLogin.loggedIn);
  EXPECT_STREQ(after->COM.TCP_IP.IP_ADDRESS.MY, "192.168.10.20");
  EXPECT_EQ(AccessSettingsText(*after), AccessSettingsText(*edited));
  EXPECT_EQ(ConfigurationText(*after), ConfigurationText(*before));
}

// A bare connection to the simulator.
Socket Connect(const SimNetProcess& sim) {
  Socket socket(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
  sockaddr_in peer{};
  peer.sin_family = AF_INET;
  peer.sin_port = htons(sim.port());
  peer.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  EXPECT_TRUE(ConnectWithin(socket, reinterpret_cast<const sockaddr*>(&peer), sizeof peer, 5s));
  return socket;
}

// How long until the device hangs up; `bound` when it has not by then.
std::chrono::milliseconds UntilHungUp(const Socket& socket, std::chrono::milliseconds bound) {
  const auto start = std::chrono::steady_clock::now();
  SetReceiveTimeout(socket, bound);
  std::uint8_t byte = 0;
  if (::recv(socket.fd(), &byte, 1, 0) != 0) return bound;
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
}

// The device's waits, shortened: a client that says nothing is hung up on once
// the idle wait has passed (the device's own is 30 s); after a connection the
// device ended, the next is served once the client hangs up or the linger wait
// has passed.
TEST(SimNetSession, ASilentClientIsHungUpOnAndAnEndedConnectionLingers) {
  SimNetProcess sim({"--account", "admin:secret", "--net-idle", "300", "--net-linger", "500"});
  ASSERT_TRUE(sim.ready()) << sim.output();
  {
    const Socket silent = Connect(sim);
    const auto waited = UntilHungUp(silent, 10s);
    EXPECT_GE(waited, 250ms);
    EXPECT_LT(waited, 10s);
  }
  // A request it cannot read ends the connection at once; this client stays.
  const Socket ended = Connect(sim);
  ASSERT_TRUE(SendAll(ended, std::vector<std::uint8_t>(kMessageHeaderSize, 0x5A)));
  EXPECT_LT(UntilHungUp(ended, 10s), 10s);
  const auto start = std::chrono::steady_clock::now();
  LoginState login{"admin", "secret", false};
  Connected next(sim, login);
  EXPECT_TRUE(next.opened) << next.session.error();
  EXPECT_GE(std::chrono::steady_clock::now() - start, 250ms);
}

}  // namespace
}  // namespace tk48
