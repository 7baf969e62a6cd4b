#include "sim/net_device.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>
#include <random>

#include "link/camellia.h"
#include "link/net_frame.h"
#include "link/session_crypto.h"
#include "model/defaults.h"
#include "model/gzlib.h"
#include "model/reader.h"
#include "model/setting_data.h"
#include "model/writer.h"
#include "sim/bytes.h"
#include "sim/device_config.h"

namespace tk48::sim {
namespace {

constexpr std::uint16_t kModel = 0x003E;
constexpr std::uint8_t kResultNoFile = 210;
constexpr std::uint64_t kMaxRequestArea = std::uint64_t{64} << 20;
constexpr std::uint32_t kMaxLoginPayload = 64;
constexpr std::size_t kLoginTextBytes = 48;
constexpr std::size_t kCutHeaderBytes = 100;

// The text of a NUL-terminated payload.
std::string_view CString(std::span<const std::uint8_t> payload) {
  const auto text = AsText(payload);
  return text.substr(0, text.find('\0'));
}

// Reads exactly data.size() bytes unless the client stays quiet for `idle`,
// hangs up or the simulator is stopped.
bool ReadExact(const Socket& socket, const StopSignal& stop, std::chrono::milliseconds idle,
               std::span<std::uint8_t> data) {
  std::size_t done = 0;
  while (done < data.size()) {
    pollfd p[2] = {{socket.fd(), POLLIN, 0}, {stop.Fd(), POLLIN, 0}};
    if (::poll(p, 2, static_cast<int>(idle.count())) <= 0 || (p[1].revents & POLLIN)) return false;
    const ssize_t n = ::recv(socket.fd(), data.data() + done, data.size() - done, 0);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Ends the device's sending side and lets the client hang up first, so that
// unread request bytes never turn the close into a reset that could swallow
// the last reply.
void Linger(const Socket& socket, const StopSignal& stop, std::chrono::milliseconds linger) {
  ::shutdown(socket.fd(), SHUT_WR);
  const auto end = std::chrono::steady_clock::now() + linger;
  std::array<std::uint8_t, 4096> sink;
  for (;;) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now()).count();
    pollfd p[2] = {{socket.fd(), POLLIN, 0}, {stop.Fd(), POLLIN, 0}};
    if (left <= 0 || ::poll(p, 2, static_cast<int>(left)) <= 0 || (p[1].revents & POLLIN)) return;
    if (::recv(socket.fd(), sink.data(), sink.size(), 0) <= 0) return;
  }
}

// The mute fault: reads whatever comes and never answers, until the peer hangs up.
void HoldSilently(const Socket& socket, const StopSignal& stop) {
  std::array<std::uint8_t, 4096> sink;
  for (;;) {
    pollfd p[2] = {{socket.fd(), POLLIN, 0}, {stop.Fd(), POLLIN, 0}};
    if (::poll(p, 2, -1) < 0 && errno != EINTR) return;
    if (p[1].revents & POLLIN) return;
    if ((p[0].revents & (POLLIN | POLLHUP | POLLERR)) && ::recv(socket.fd(), sink.data(), sink.size(), 0) <= 0)
      return;
  }
}

bool IsPlainStatus(std::span<const std::uint8_t, kMessageHeaderSize> header) {
  return header[0] == kNetMagic[0] && header[1] == kNetMagic[1] && header[2] == 'C' &&
         header[3] == static_cast<std::uint8_t>(~'C');
}

bool WellFormed(const MessageHeader& h, std::uint8_t letter) {
  return h.letter == letter && h.check == static_cast<std::uint8_t>(~letter);
}

std::string Truncated(std::string_view text) { return std::string(text.substr(0, kLoginTextBytes)); }


struct SessionKeys {
  Camellia256 cipher;
  CipherBlock vector{};
};

bool MakeKeys(std::string_view password, const CipherBlock& challenge, SessionKeys& keys) {
  const auto key = DeriveSessionKey(Truncated(password));
  if (!key || !keys.cipher.SetKey(*key)) return false;
  CipherBlock chain{};
  const auto vector = DeriveSessionVector(keys.cipher, chain, challenge);
  if (!vector) return false;
  keys.vector = *vector;
  return true;
}

}  // namespace

bool ParseNetAddress(std::string_view text, NetConfig& config) {
  if (text.empty()) return true;
  const auto colon = text.rfind(':');
  std::string_view portText = text;
  if (colon != std::string_view::npos) {
    in_addr probe{};
    config.address = std::string(text.substr(0, colon));
    if (::inet_pton(AF_INET, config.address.c_str(), &probe) != 1) return false;
    portText = text.substr(colon + 1);
  }
  unsigned port = 0;
  const auto [p, ec] = std::from_chars(portText.data(), portText.data() + portText.size(), port);
  if (ec != std::errc{} || p != portText.data() + portText.size() || port > 65535) return false;
  config.port = static_cast<std::uint16_t>(port);
  return true;
}

bool ParseNetAccount(std::string_view text, NetAccount& account) {
  const auto colon = text.find(':');
  if (colon == std::string_view::npos) return false;
  account.login = std::string(text.substr(0, colon));
  account.password = std::string(text.substr(colon + 1));
  return account.login.size() <= kLoginTextBytes && account.password.size() <= kLoginTextBytes;
}

struct NetDevice::Connection {
  Connection(Socket s, const StopSignal& st) : socket(std::move(s)), stop(st) {}
  Socket socket;
  const StopSignal& stop;
  SessionKeys keys;
  CipherBlock challenge{};
  bool challenged = false;
  bool loggedIn = false;
  std::array<std::uint8_t, kMessageHeaderSize> header{};  // the request header as it came
};


NetDevice::NetDevice(DeviceState& device, NetConfig config) : device_(device), config_(std::move(config)) {}

bool NetDevice::Start(std::string* error) {
  listener_.Reset(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(config_.port);
  const int on = 1;
  socklen_t size = sizeof address;
  if (!listener_.valid() || ::inet_pton(AF_INET, config_.address.c_str(), &address.sin_addr) != 1 ||
      ::setsockopt(listener_.fd(), SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) != 0 ||
      ::bind(listener_.fd(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(listener_.fd(), 8) != 0 ||
      ::getsockname(listener_.fd(), reinterpret_cast<sockaddr*>(&address), &size) != 0) {
    if (error) *error = "cannot listen on " + config_.address + ":" + std::to_string(config_.port) + ": " +
                        std::strerror(errno);
    return false;
  }
  std::printf("tcp %s:%u\n", config_.address.c_str(), unsigned{ntohs(address.sin_port)});
  std::fflush(stdout);
  return true;
}

void NetDevice::Run(const StopSignal& stop) {
  for (;;) {
    pollfd p[2] = {{listener_.fd(), POLLIN, 0}, {stop.Fd(), POLLIN, 0}};
    if (::poll(p, 2, -1) < 0 && errno != EINTR) return;
    if (p[1].revents & POLLIN) return;
    if (!(p[0].revents & POLLIN)) continue;
    Socket accepted(::accept4(listener_.fd(), nullptr, nullptr, SOCK_CLOEXEC));
    if (!accepted.valid()) continue;
    if (config_.faults.mute) {
      HoldSilently(accepted, stop);
      continue;
    }
    Connection c(std::move(accepted), stop);
    Serve(c);
    Linger(c.socket, stop, config_.linger);
  }
}

void NetDevice::Serve(Connection& c) {
  const auto silentFor = [&](char command) {
    if (config_.faults.silent != command) return false;
    HoldSilently(c.socket, c.stop);
    return true;
  };
  while (ReadExact(c.socket, c.stop, config_.idle, c.header)) {
    if (IsPlainStatus(c.header)) {
      if (silentFor('C')) return;
      if (!AnswerStatus(c)) return;
      continue;
    }
    if (!c.challenged) return;  // encrypted before any challenge: nothing to decrypt with
    if (!c.loggedIn) {
      if (silentFor('L')) return;
      if (!AnswerLogin(c)) return;
      continue;
    }
    CipherBlock chain = c.keys.vector;
    std::array<std::uint8_t, kMessageHeaderSize> plain = c.header;
    CbcDecrypt(c.keys.cipher, chain, plain);
    const MessageHeader h = DecodeMessageHeader(plain);
    if (h.check != static_cast<std::uint8_t>(~h.letter) || PayloadAreaSize(h.length1, h.length2) > kMaxRequestArea)
      return;
    std::vector<std::uint8_t> area(PayloadAreaSize(h.length1, h.length2));
    if (!ReadExact(c.socket, c.stop, config_.idle, area) || !CbcDecrypt(c.keys.cipher, chain, area)) return;
    const auto payload1 = std::span<const std::uint8_t>(area).first(h.length1);
    const auto payload2 = std::span<const std::uint8_t>(area).subspan(Pad16(h.length1), h.length2);
    if (silentFor(static_cast<char>(h.letter))) return;
    bool goOn = false;
    if (h.letter == 'G') goOn = AnswerGet(c, AsText(payload1));
    if (h.letter == 'P') goOn = AnswerPut(c, AsText(payload1), payload2);
    if (h.letter == 'L') goOn = Send(c, 'L', kReplyAccepted, {}, {}, true);
    if (!goOn) return;
  }
}

// The fault that cuts a header short ends the connection.
bool NetDevice::Send(Connection& c, char command, std::uint8_t letter,
          std::span<const std::uint8_t> payload1, std::span<const std::uint8_t> payload2, bool encrypted) {
  std::vector<std::uint8_t> frame = BuildNetMessage(letter, payload1, payload2, 0);
  if (encrypted) {
    CipherBlock chain = c.keys.vector;
    if (!CbcEncrypt(c.keys.cipher, chain, frame)) return false;
  }
  if (config_.faults.cutHeader == command) {
    SendAll(c.socket, std::span(frame).first(kCutHeaderBytes));
    return false;
  }
  return SendAll(c.socket, frame);
}

bool NetDevice::AnswerStatus(Connection& c) {
  const MessageHeader h = DecodeMessageHeader(c.header);
  if (PayloadAreaSize(h.length1, h.length2) > kMaxRequestArea) return false;
  std::vector<std::uint8_t> ignored(PayloadAreaSize(h.length1, h.length2));
  if (!ReadExact(c.socket, c.stop, config_.idle, ignored)) return false;

  std::random_device random;
  for (auto& b : c.challenge) b = static_cast<std::uint8_t>(random());
  const DeviceVersion v = device_.Version();
  const std::uint16_t model = config_.faults.model >= 0 ? static_cast<std::uint16_t>(config_.faults.model) : kModel;
  const std::array<std::uint8_t, 9> status = {static_cast<std::uint8_t>(model),
                                              static_cast<std::uint8_t>(model >> 8),
                                              v.major,
                                              0,
                                              v.minor,
                                              0,
                                              static_cast<std::uint8_t>(v.revision),
                                              static_cast<std::uint8_t>(v.revision >> 8),
                                              device_.Flags()};
  c.challenged = !config_.faults.noChallenge;
  c.loggedIn = false;
  std::span<const std::uint8_t> challenge;
  if (c.challenged) challenge = c.challenge;
  return Send(c, 'C', kReplyAccepted, status, challenge, false);
}

// The login header is encrypted under the client's password, which the device
// does not know: it tries the password of every account it accepts. A header
// that opens under none is a wrong password; the refusal then goes out under
// a key the client does not have, so it reads as noise there.
bool NetDevice::AnswerLogin(Connection& c) {
  std::vector<NetAccount> accounts;
  const auto record = DeviceRecord(device_);
  for (const AccessAccount& a : record->TK48GCFG.AUTH)
    if (a.MODE == 1)
      accounts.push_back({std::string(a.LOGIN, strnlen(a.LOGIN, sizeof a.LOGIN)),
                          std::string(a.PASSWORD, strnlen(a.PASSWORD, sizeof a.PASSWORD))});
  accounts.insert(accounts.end(), config_.accounts.begin(), config_.accounts.end());

  for (const NetAccount& candidate : accounts) {
    SessionKeys keys;
    if (!MakeKeys(candidate.password, c.challenge, keys)) return false;
    CipherBlock chain = keys.vector;
    std::array<std::uint8_t, kMessageHeaderSize> plain = c.header;
    CbcDecrypt(keys.cipher, chain, plain);
    const MessageHeader h = DecodeMessageHeader(plain);
    if (!WellFormed(h, 'L') || h.length1 > kMaxLoginPayload || h.length2 > kMaxLoginPayload) continue;

    std::vector<std::uint8_t> area(PayloadAreaSize(h.length1, h.length2));
    if (!ReadExact(c.socket, c.stop, config_.idle, area) || !CbcDecrypt(keys.cipher, chain, area)) return false;
    const auto id = CString(std::span<const std::uint8_t>(area).first(h.length1));
    const auto password = CString(std::span<const std::uint8_t>(area).subspan(Pad16(h.length1), h.length2));
    c.keys = std::move(keys);
    c.loggedIn = std::any_of(accounts.begin(), accounts.end(), [&](const NetAccount& a) {
      return Truncated(a.login) == id && Truncated(a.password) == password && password == Truncated(candidate.password);
    });
    const bool sent = Send(c, 'L', c.loggedIn ? kReplyAccepted : kReplyRefused, {}, {}, true);
    return sent && c.loggedIn;
  }
  if (!MakeKeys(accounts.empty() ? std::string_view{} : accounts.front().password, c.challenge, c.keys)) return false;
  Send(c, 'L', kReplyRefused, {}, {}, true);
  return false;
}

bool NetDevice::AnswerGet(Connection& c, std::string_view name) {
  const std::optional<std::vector<std::uint8_t>> file =
      name == config_.faults.refuseGet ? std::nullopt : ServeDeviceFile(device_, name);
  if (!file) {
    const std::uint8_t detail[] = {kResultNoFile};
    return Send(c, 'G', kReplyRefused, detail, {}, true);
  }
  if (!config_.faults.cutGetName.empty() && name == config_.faults.cutGetName) {
    // The cut reply fault: the first bytes of the reply, then silence.
    std::vector<std::uint8_t> frame = BuildNetMessage(kReplyAccepted, *file, {}, 0);
    CipherBlock chain = c.keys.vector;
    if (!CbcEncrypt(c.keys.cipher, chain, frame)) return false;
    frame.resize(std::min(frame.size(), static_cast<std::size_t>(config_.faults.cutGetBytes)));
    SendAll(c.socket, frame);
    HoldSilently(c.socket, c.stop);
    return false;
  }
  return Send(c, 'G', kReplyAccepted, *file, {}, true);
}

bool NetDevice::AnswerPut(Connection& c, std::string_view name, std::span<const std::uint8_t> data) {
  PutOutcome outcome;
  if (config_.faults.refusePut >= 0) {
    outcome.result = static_cast<std::uint8_t>(config_.faults.refusePut);
    outcome.message = config_.faults.refuseMessage;
  } else {
    outcome = PutDeviceFile(device_, name, data);
  }
  if (outcome.result == kResultDone) return Send(c, 'P', kReplyAccepted, {}, {}, true);
  const std::uint8_t detail[] = {outcome.result};
  return Send(c, 'P', kReplyRefused, detail, AsBytes(outcome.message), true);
}

}  // namespace tk48::sim
