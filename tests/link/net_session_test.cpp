// NetSession against a scripted device on loopback: status, login, get and
// put, with the replies a device sends and the ones it should never send.
#include <gtest/gtest.h>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "link/net_session.h"
#include "port/scripted_ui.h"
#include "tests/link/net_peer.h"

namespace tk48 {
namespace {

using testing::PeerLink;
using testing::PeerRequest;
using testing::ScriptedPeer;
using testing::StatusPayload;
using testing::TestChallenge;
using namespace std::chrono_literals;

std::vector<std::uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

class NetSessionTest : public ::testing::Test {
 protected:
  // No pause between chunks; every receive bounded so a fault cannot hang the suite.
  NetSessionTest() : session(login, {0ms, std::chrono::milliseconds(testing::kPeerWait)}) {}

  void Start(ScriptedPeer::Script script) {
    peer = std::make_unique<ScriptedPeer>(std::move(script));
    ASSERT_TRUE(session.Open("127.0.0.1", peer->port())) << session.error();
  }
  // Status and login done; `script` runs after them on the device side.
  void StartLoggedIn(std::function<void(PeerLink&)> script) {
    Start([script = std::move(script)](PeerLink& link) {
      if (link.AnswerStatusAndLogin("secret")) script(link);
    });
    ASSERT_TRUE(session.Status()) << session.error();
    ASSERT_TRUE(session.Login()) << session.error();
  }

  // The session goes first on destruction, so a device still waiting for the
  // client to hang up sees it at once.
  LoginState login{"admin", "secret", false};
  std::unique_ptr<ScriptedPeer> peer;
  NetSession session;
};

TEST_F(NetSessionTest, StatusReadsTheDeviceAndLoginSetsTheFlag) {
  std::string seenId, seenPassword;
  Start([&](PeerLink& link) {
    ASSERT_TRUE(link.AnswerStatus(StatusPayload(), TestChallenge()));
    link.UsePassword("secret");
    PeerRequest request;
    ASSERT_TRUE(link.ReadRequest(request, true));
    EXPECT_EQ(request.header.letter, 'L');
    EXPECT_EQ(request.header.check, static_cast<std::uint8_t>(~'L'));
    seenId.assign(request.payload1().begin(), request.payload1().end());
    seenPassword.assign(request.payload2().begin(), request.payload2().end());
    const std::vector<std::uint8_t> ignored(40, 7);
    link.Reply('o', ignored, ignored);
  });
  SessionStatus status;
  ASSERT_TRUE(session.Status(&status));
  EXPECT_EQ(status.model, 0x3E);
  EXPECT_EQ(status.major, 2);
  EXPECT_EQ(status.minor, 5);
  EXPECT_EQ(status.revision, 300);
  EXPECT_EQ(status.flags, 1);
  ASSERT_TRUE(session.Login()) << session.error();
  EXPECT_TRUE(login.loggedIn);
  EXPECT_EQ(session.error(), 0);
  peer->Join();
  EXPECT_EQ(seenId, std::string("admin", 6));
  EXPECT_EQ(seenPassword, std::string("secret", 7));
}

// Each status reply and the code it ends with.
struct StatusCase {
  const char* name;
  std::function<void(PeerLink&)> reply;
  std::int32_t code;
};

TEST_F(NetSessionTest, StatusFailuresEndWithTheirCodeAndClearTheLoginFlag) {
  const auto challenge = TestChallenge();
  const auto status = StatusPayload();
  const std::vector<StatusCase> cases = {
      {"no payload 2", [&](PeerLink& l) { l.Reply('o', status, {}, false); }, kNetConnectionFailure},
      {"no payload 1", [&](PeerLink& l) { l.Reply('o', {}, challenge, false); }, kNetNoStatus},
      {"challenge of 15", [&](PeerLink& l) { l.Reply('o', status, std::span(challenge).first(15), false); },
       kNetEncryptionFailure},
      {"other model", [&](PeerLink& l) { l.Reply('o', StatusPayload(0x3F), challenge, false); },
       kNetUnsupportedDevice},
      {"refused", [&](PeerLink& l) { l.Reply('n', status, challenge, false); }, kNetRefused},
      {"o without complement", [&](PeerLink& l) { l.Reply('O', status, challenge, false); }, kNetHeaderError},
      {"header cut short",
       [&](PeerLink& l) {
         const std::vector<std::uint8_t> part(100, 0);
         l.SendRaw(part);
         l.Hangup();
       },
       kNetHeaderNotReceived},
      {"payloads cut short",
       [&](PeerLink& l) {
         auto frame = BuildNetMessage('o', status, challenge, 0);
         frame.resize(frame.size() - 1);
         l.SendRaw(frame);
         l.Hangup();
       },
       kNetReceiveFailed},
      // Announces 200 MB of status: refused before anything is read or allocated.
      {"status of 200 MB", [&](PeerLink& l) { l.ReplyHeaderOnly('o', 200u << 20, 16, false); }, kNetInvalidSize},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    login.loggedIn = true;
    Start([&](PeerLink& link) {
      PeerRequest request;
      ASSERT_TRUE(link.ReadRequest(request, false));
      EXPECT_EQ(request.header.letter, 'C');
      EXPECT_EQ(request.header.length1 | request.header.length2, 0u);
      c.reply(link);
      link.ClientClosesWithin(testing::kPeerWait);
    });
    SessionStatus seen;
    EXPECT_FALSE(session.Status(&seen));
    EXPECT_EQ(session.error(), c.code);
    EXPECT_FALSE(login.loggedIn);
    if (c.code == kNetUnsupportedDevice) {
      EXPECT_EQ(seen.model, 0x3F);
    }
    session.Close();
    peer.reset();
  }
}

TEST_F(NetSessionTest, StatusPayloadShorterThanNineBytesReadsZeros) {
  Start([](PeerLink& link) {
    const auto status = StatusPayload();
    link.AnswerStatus(std::span(status).first(6), TestChallenge());
  });
  SessionStatus seen;
  seen.revision = 99;
  seen.flags = 9;
  ASSERT_TRUE(session.Status(&seen)) << session.error();
  EXPECT_EQ(seen.major, 2);
  EXPECT_EQ(seen.revision, 0);
  EXPECT_EQ(seen.flags, 0);
}

TEST_F(NetSessionTest, WrongPasswordIsRefusedWithoutWaitingForPayloads) {
  bool closedPromptly = false;
  Start([&](PeerLink& link) {
    link.AnswerStatus(StatusPayload(), TestChallenge());
    link.UsePassword("the device's password");
    std::vector<std::uint8_t> request;
    link.ReadRaw(request, 160 + 16 + 16);  // "admin\0" and "secret\0": undecryptable here
    // An "n" under the device's key decrypts to noise on the client's side,
    // lengths included; the device then keeps the connection open.
    link.Reply('n', std::vector<std::uint8_t>(1, 3), Bytes("no"));
    closedPromptly = link.ClientClosesWithin(testing::kPeerWait);
  });
  login.loggedIn = true;
  ASSERT_TRUE(session.Status());
  EXPECT_FALSE(session.Login());
  EXPECT_EQ(session.error(), kNetBadPassword);
  EXPECT_FALSE(login.loggedIn);
  EXPECT_FALSE(session.connected());
  peer->Join();
  EXPECT_TRUE(closedPromptly);

  ScriptedUi ui;
  session.ShowSessionError(ui, "Error: Login");
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Error: Login\nFailed");
  EXPECT_EQ(ui.messages[0].icon, Icon::Error);
}

TEST_F(NetSessionTest, LoginRefusalsOfAnyKindReport1205) {
  const std::vector<std::function<void(PeerLink&)>> replies = {
      [](PeerLink& l) { l.Reply('n'); },                           // unknown ID under the right key
      [](PeerLink& l) { l.ReplyHeaderOnly('x', 1u << 31, 5); },     // garbage letter, absurd lengths
      [](PeerLink& l) {  // header cut short
        l.SendRaw(std::vector<std::uint8_t>(40));
        l.Hangup();
      },
  };
  for (std::size_t i = 0; i < replies.size(); ++i) {
    SCOPED_TRACE(i);
    Start([&](PeerLink& link) {
      link.AnswerStatus(StatusPayload(), TestChallenge());
      link.UsePassword("secret");
      PeerRequest request;
      link.ReadRequest(request, true);
      replies[i](link);
      link.ClientClosesWithin(testing::kPeerWait);
    });
    login.loggedIn = true;
    ASSERT_TRUE(session.Status());
    EXPECT_FALSE(session.Login());
    EXPECT_EQ(session.error(), kNetBadPassword);
    EXPECT_FALSE(login.loggedIn);
    peer.reset();
  }
}

TEST_F(NetSessionTest, AcceptedLoginAnnouncingHugePayloadsFails) {
  Start([](PeerLink& link) {
    link.AnswerStatus(StatusPayload(), TestChallenge());
    link.UsePassword("secret");
    PeerRequest request;
    link.ReadRequest(request, true);
    link.ReplyHeaderOnly('o', 150u << 20, 0);
    link.ClientClosesWithin(testing::kPeerWait);
  });
  ASSERT_TRUE(session.Status());
  EXPECT_FALSE(session.Login());
  EXPECT_EQ(session.error(), kNetInvalidSize);
  EXPECT_FALSE(login.loggedIn);
}

TEST_F(NetSessionTest, GetOfExactlyTheCapacitySucceeds) {
  const std::vector<std::uint8_t> file(1000, 0x5A);
  std::string asked;
  StartLoggedIn([&](PeerLink& link) {
    PeerRequest request;
    ASSERT_TRUE(link.ReadRequest(request, true));
    asked.assign(request.payload1().begin(), request.payload1().end());
    EXPECT_EQ(request.header.letter, 'G');
    EXPECT_EQ(request.header.length2, 0u);
    link.Reply('o', file);
  });
  std::vector<std::uint8_t> buffer(1000);
  std::size_t length = 0;
  ASSERT_TRUE(session.Get("CONFIG_P", buffer, length)) << session.error();
  EXPECT_EQ(length, 1000u);
  EXPECT_EQ(buffer, file);
  EXPECT_EQ(session.progress.load(), 1008);  // the whole padded payload area
  peer->Join();
  EXPECT_EQ(asked, "CONFIG_P");
}

TEST_F(NetSessionTest, GetOfOneByteMoreThanTheCapacityReadsNoPayload) {
  StartLoggedIn([](PeerLink& link) {
    PeerRequest request;
    link.ReadRequest(request, true);
    // Only the header: were the session to wait for the payloads it would
    // end with "Failed in receiving" once the device gives up.
    link.ReplyHeaderOnly('o', 1001, 0);
    link.ClientClosesWithin(testing::kPeerWait);
  });
  std::vector<std::uint8_t> buffer(1000, 0xFF);
  std::size_t length = 0;
  EXPECT_FALSE(session.Get("CONFIG_P", buffer, length));
  EXPECT_EQ(session.error(), kNetInvalidSize);
  EXPECT_EQ(buffer[0], 0);
  EXPECT_EQ(session.progress.load(), 0);
  session.Close();
}

struct GetCase {
  const char* name;
  std::function<void(PeerLink&)> reply;
  std::int32_t code;
  std::uint8_t firstByte;
};

TEST_F(NetSessionTest, GetFailuresLeaveTheDeviceDetailOrZero) {
  const std::vector<GetCase> cases = {
      {"refused with detail", [](PeerLink& l) { l.Reply('n', std::vector<std::uint8_t>{0x81, 1, 2}); }, kNetRefused,
       0x81},
      {"refused, detail too large", [](PeerLink& l) { l.ReplyHeaderOnly('n', 5000, 0); }, kNetRefused, 0},
      {"refused, second payload of 120 MB", [](PeerLink& l) { l.ReplyHeaderOnly('n', 1, 120u << 20); },
       kNetRefused, 0},
      {"refused, only a second payload",
       [](PeerLink& l) { l.Reply('n', {}, std::vector<std::uint8_t>{9}); }, kNetRefused, 0},
      {"accepted, second payload of 120 MB", [](PeerLink& l) { l.ReplyHeaderOnly('o', 4, 120u << 20); },
       kNetInvalidSize, 0},
      {"accepted, only a second payload", [](PeerLink& l) { l.Reply('o', {}, std::vector<std::uint8_t>{9}); },
       kNetDecryptionFailure, 0},
      {"header error", [](PeerLink& l) { l.ReplyHeaderOnly('?', 4, 0); }, kNetHeaderError, 0},
      {"header cut short",
       [](PeerLink& l) {
         l.SendRaw(std::vector<std::uint8_t>(159));
         l.Hangup();
       },
       kNetHeaderNotReceived, 0},
      {"file cut short",
       [](PeerLink& l) {
         auto frame = BuildNetMessage('o', std::vector<std::uint8_t>(64, 1), {}, 0);
         CipherBlock chain = l.vector();
         CbcEncrypt(l.cipher(), chain, frame);
         frame.resize(frame.size() - 16);
         l.SendRaw(frame);
         l.Hangup();
       },
       kNetReceiveFailed, 0},
      {"not decryptable", [](PeerLink& l) { l.SendRaw(std::vector<std::uint8_t>(160, 0x6F)); }, kNetHeaderError, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    StartLoggedIn([&](PeerLink& link) {
      PeerRequest request;
      link.ReadRequest(request, true);
      c.reply(link);
      link.ClientClosesWithin(testing::kPeerWait);
    });
    std::vector<std::uint8_t> buffer(1000, 0xFF);
    std::size_t length = 77;
    EXPECT_FALSE(session.Get("LOG", buffer, length));
    EXPECT_EQ(session.error(), c.code);
    EXPECT_EQ(buffer[0], c.firstByte);
    EXPECT_EQ(length, 77u);
    session.Close();
    peer.reset();
  }
}

TEST_F(NetSessionTest, PutSendsNameAndDataAndCountsEveryByte) {
  // Payload lengths 1 and 17: 160 + 16 + 32 bytes on the wire.
  std::vector<std::uint8_t> wire;
  StartLoggedIn([&](PeerLink& link) {
    link.ReadRaw(wire, 208);
    link.Reply('o');
  });
  const std::vector<std::uint8_t> data(17, 0x42);
  std::int32_t code = -5;
  char message[kPutMessageSize] = "untouched";
  ASSERT_TRUE(session.Put("X", data, code, message)) << session.error();
  EXPECT_EQ(session.progress.load(), 208);
  EXPECT_EQ(code, -5);
  peer->Join();
  ASSERT_EQ(wire.size(), 208u);

  // Decrypt as one CBC message from the session vector.
  LoginState same{"admin", "secret", false};
  PeerLink reference{Socket()};
  reference.UsePassword("secret");
  CipherBlock chain = reference.vector();
  ASSERT_TRUE(CbcDecrypt(reference.cipher(), chain, wire));
  const MessageHeader h = DecodeMessageHeader(std::span<const std::uint8_t, 160>(wire.data(), 160));
  EXPECT_EQ(h.letter, 'P');
  EXPECT_EQ(h.length1, 1u);
  EXPECT_EQ(h.length2, 17u);
  EXPECT_EQ(wire[160], 'X');
  EXPECT_TRUE(std::equal(data.begin(), data.end(), wire.begin() + 176));
  EXPECT_EQ(wire[0], 0xCC);
  EXPECT_EQ(wire[1], 0x55);
  EXPECT_LE(wire[12] | wire[13] << 8, 32767);
  EXPECT_EQ(wire[14] | wire[15], 0);
}

struct PutCase {
  const char* name;
  std::function<void(PeerLink&)> reply;
  std::int32_t code;
  std::int32_t resultCode;
  std::string message;
};

TEST_F(NetSessionTest, RefusedPutGivesTheDeviceCodeAndMessage) {
  const std::string text127(127, 'm');
  const std::vector<PutCase> cases = {
      {"code and message",
       [](PeerLink& l) { l.Reply('n', std::vector<std::uint8_t>{101}, Bytes("IO.AI[3].SCALE_100")); }, kNetRefused,
       101, "IO.AI[3].SCALE_100"},
      {"negative code", [](PeerLink& l) { l.Reply('n', std::vector<std::uint8_t>{0xFE}); }, kNetRefused, -2,
       "untouched"},
      {"empty payload 1", [](PeerLink& l) { l.Reply('n'); }, kNetRefused, -5, "untouched"},
      {"empty payload 1, message",
       [](PeerLink& l) { l.Reply('n', {}, Bytes("text")); }, kNetDecryptionFailure, -5, "untouched"},
      {"message of 127", [&](PeerLink& l) { l.Reply('n', std::vector<std::uint8_t>{3}, Bytes(text127)); },
       kNetRefused, 3, text127},
      {"message of 128", [](PeerLink& l) { l.Reply('n', std::vector<std::uint8_t>{3}, Bytes(std::string(128, 'm'))); },
       kNetRefused, 3, "untouched"},
      {"lengths of 300 MB", [](PeerLink& l) { l.ReplyHeaderOnly('n', 300u << 20, 300u << 20); }, kNetInvalidSize,
       -5, "untouched"},
      {"header error", [](PeerLink& l) { l.ReplyHeaderOnly('z', 1, 1); }, kNetHeaderError, -5, "untouched"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    StartLoggedIn([&](PeerLink& link) {
      PeerRequest request;
      link.ReadRequest(request, true);
      c.reply(link);
      link.ClientClosesWithin(testing::kPeerWait);
    });
    std::int32_t code = -5;
    char message[kPutMessageSize] = "untouched";
    EXPECT_FALSE(session.Put("CONFIG_P", Bytes("data"), code, message));
    EXPECT_EQ(session.error(), c.code);
    EXPECT_EQ(code, c.resultCode);
    EXPECT_EQ(std::string(message), c.message);
    session.Close();
    peer.reset();
  }
}

TEST_F(NetSessionTest, EveryMessageRestartsTheChainFromTheSessionVector) {
  // Two requests in a row: the second only decrypts on the device when the
  // client restarted the chain, and the client only reads the second reply
  // when it did the same.
  StartLoggedIn([](PeerLink& link) {
    for (int i = 0; i < 2; ++i) {
      PeerRequest request;
      ASSERT_TRUE(link.ReadRequest(request, true));
      ASSERT_EQ(request.header.letter, 'G');
      link.Reply('o', Bytes(i == 0 ? "first" : "second"));
    }
  });
  std::vector<std::uint8_t> buffer(64);
  std::size_t length = 0;
  ASSERT_TRUE(session.Get("A", buffer, length));
  EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + length), "first");
  ASSERT_TRUE(session.Get("B", buffer, length));
  EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + length), "second");
}

TEST_F(NetSessionTest, EncryptedRequestsNeedTheStatusExchangeFirst) {
  Start([](PeerLink& link) { link.ClientClosesWithin(testing::kPeerWait); });
  std::vector<std::uint8_t> buffer(4);
  std::size_t length = 0;
  EXPECT_FALSE(session.Get("A", buffer, length));
  EXPECT_EQ(session.error(), kNetEncryptionFailure);
  session.Close();
}

TEST_F(NetSessionTest, OpenFailsWithConnectionFailure) {
  // A port nobody listens on: bind one, note it, let it go.
  std::uint16_t port = 0;
  {
    ScriptedPeer nobody([](PeerLink&) {});
    port = nobody.port();
    NetSession probe(login, {0ms, 1s});
    ASSERT_TRUE(probe.Open("127.0.0.1", port));
  }
  for (const char* address : {"127.0.0.1", ""}) {
    SCOPED_TRACE(address);
    login.loggedIn = true;
    EXPECT_FALSE(session.Open(address, port));
    EXPECT_EQ(session.error(), kNetConnectionFailure);
    EXPECT_FALSE(login.loggedIn);
  }
}

TEST_F(NetSessionTest, OpenResolvesHostNames) {
  Start([](PeerLink& link) { link.AnswerStatus(StatusPayload(), TestChallenge()); });
  session.Close();
  peer = std::make_unique<ScriptedPeer>([](PeerLink& link) { link.AnswerStatus(StatusPayload(), TestChallenge()); });
  ASSERT_TRUE(session.Open("localhost", peer->port())) << session.error();
  EXPECT_TRUE(session.Status());
}

// A host that never completes the handshake (here: a listener whose accept
// queue is full, so its SYNs go unanswered) ends the open at its time-out.
TEST(NetSessionBounds, AConnectNeverAnsweredEndsAtItsTimeOut) {
  Socket listener(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof address;
  ASSERT_EQ(::bind(listener.fd(), reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(::listen(listener.fd(), 0), 0);
  ASSERT_EQ(::getsockname(listener.fd(), reinterpret_cast<sockaddr*>(&address), &size), 0);
  const std::uint16_t port = ntohs(address.sin_port);
  // Fill the queue: connections that complete at once until one does not.
  std::vector<Socket> queued;
  for (int i = 0; i < 8; ++i) {
    Socket s(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (!ConnectWithin(s, reinterpret_cast<sockaddr*>(&address), sizeof address, 200ms)) break;
    queued.push_back(std::move(s));
  }
  LoginState login;
  NetSession session(login, {0ms, 1s, 300ms});
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(session.Open("127.0.0.1", port));
  const auto took = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(session.error(), kNetConnectionFailure);
  EXPECT_GE(took, 300ms);
  EXPECT_LT(took, 900ms);
}

TEST(SessionError, ShowsTitleOverTheCodesLineWithItsIcon) {
  struct Case {
    std::int32_t code;
    const char* text;
    Icon icon;
  };
  for (const Case& c : {
           Case{kNetConnectionFailure, "Error: Open\nConnection failure", Icon::Error},
           Case{kNetUnsupportedDevice, "Error: Open\nUnsupported device", Icon::Warning},
           Case{kNetBadPassword, "Error: Open\nFailed", Icon::Error},
           Case{kNetNoStatus, "Error: Open\nError: Failed to obtain status information.", Icon::Error},
           Case{kNetInvalidSize, "Error: Open\nInvalid receiving data size", Icon::Error},
           Case{kNetHeaderNotReceived, "Error: Open\nFailed in receiving header", Icon::Error},
           Case{kNetRefused, "Error: Open\nFailed", Icon::Error},
           Case{kNetEncryptionFailure, "Error: Open\nEncryption failure", Icon::Error},
           Case{0, "Error: Open\nFailed", Icon::Error},
       }) {
    const auto m = SessionErrorFor(c.code, "Error: Open");
    EXPECT_EQ(m.text, c.text);
    EXPECT_EQ(m.icon, c.icon) << c.code;
  }
  EXPECT_EQ(NetErrorText(kNetBadPassword), "Password is incorrect.");
  EXPECT_EQ(NetErrorText(1), "");
}

}  // namespace
}  // namespace tk48
