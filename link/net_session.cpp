#include "link/net_session.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <new>

#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48 {

namespace {

// The codes this session sets; each is also the number of its text.
constexpr std::int32_t kErrorCodes[] = {
    kNetEncryptionFailure, kNetDecryptionFailure, kNetHeaderError, kNetHeaderNotReceived, kNetNoMemory,
    kNetSendFailed,        kNetInvalidSize,       kNetReceiveFailed, kNetRefused,         kNetConnectionFailure,
    kNetNoStatus,          kNetBadPassword,       kNetUnsupportedDevice,
};

// Codes whose own text is the message's second line; the rest show "Failed".
constexpr std::int32_t kCodesShownAsText[] = {
    kNetEncryptionFailure, kNetDecryptionFailure, kNetHeaderError,  kNetHeaderNotReceived,
    kNetNoMemory,          kNetSendFailed,        kNetInvalidSize,  kNetReceiveFailed,
    kNetRefused,           kNetConnectionFailure, kNetNoStatus,
};

// Keep-alive: first probe after 180000 ms of idleness, then every 1000 ms.
constexpr int kKeepIdleSeconds = 180;
constexpr int kKeepIntervalSeconds = 1;

constexpr std::size_t kStatusBytes = 9;

std::span<const std::uint8_t> Bytes(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// A login text as the application stores it: at most 48 bytes.
std::string StoredText(std::string_view text) { return std::string(text.substr(0, kLoginTextBytes)); }

std::uint16_t Le16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }

bool ResolveIpv4(const std::string& address, in_addr& out) {
  if (::inet_pton(AF_INET, address.c_str(), &out) == 1) return true;
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (::getaddrinfo(address.c_str(), nullptr, &hints, &found) != 0 || found == nullptr) return false;
  std::unique_ptr<addrinfo, decltype(&::freeaddrinfo)> owner(found, &::freeaddrinfo);
  out = reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr;
  return true;
}

bool SetKeepAlive(const Socket& socket) {
  const int on = 1;
  return ::setsockopt(socket.fd(), SOL_SOCKET, SO_KEEPALIVE, &on, sizeof on) == 0 &&
         ::setsockopt(socket.fd(), IPPROTO_TCP, TCP_KEEPIDLE, &kKeepIdleSeconds, sizeof kKeepIdleSeconds) == 0 &&
         ::setsockopt(socket.fd(), IPPROTO_TCP, TCP_KEEPINTVL, &kKeepIntervalSeconds,
                      sizeof kKeepIntervalSeconds) == 0;
}

}  // namespace

std::string_view NetErrorText(std::int32_t code) {
  return std::ranges::find(kErrorCodes, code) != std::end(kErrorCodes) ? LoadText(code) : std::string_view{};
}

SessionErrorMessage SessionErrorFor(std::int32_t code, std::string_view title) {
  std::string_view line = LoadText(text::kFailed);
  Icon icon = Icon::Error;
  if (std::ranges::find(kCodesShownAsText, code) != std::end(kCodesShownAsText)) {
    line = NetErrorText(code);
  } else if (code == kNetUnsupportedDevice) {
    line = NetErrorText(code);
    icon = Icon::Warning;
  }
  const std::string titleText(title);
  const std::string lineText(line);
  return {FormatText(text::kSessionErrorFormat, titleText.c_str(), lineText.c_str()), icon};
}

NetSession::NetSession(LoginState& login, NetSessionOptions options)
    : login_(login), options_(options), random_(std::random_device{}()) {}

bool NetSession::Fail(std::int32_t code) {
  error_ = code;
  return false;
}

bool NetSession::FailSession(std::int32_t code) {
  login_.loggedIn = false;
  return Fail(code);
}

void NetSession::ClearCrypto() {
  cipher_.Clear();
  challenge_.fill(0);
  vector_.fill(0);
  chain_.fill(0);
}

bool NetSession::Open(std::string_view address, std::uint16_t port) {
  error_ = kNetOk;
  Close();
  ClearCrypto();
  Socket socket(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
  if (!socket.valid() || !SetKeepAlive(socket)) return FailSession(kNetConnectionFailure);
  sockaddr_in peer{};
  peer.sin_family = AF_INET;
  peer.sin_port = htons(port);
  if (!ResolveIpv4(std::string(address), peer.sin_addr)) return FailSession(kNetConnectionFailure);
  if (!ConnectWithin(socket, reinterpret_cast<const sockaddr*>(&peer), sizeof peer, options_.connectTimeout))
    return FailSession(kNetConnectionFailure);
  Adopt(std::move(socket));
  return true;
}

void NetSession::Adopt(Socket connected) {
  socket_ = std::move(connected);
  if (options_.receiveTimeout.count() > 0) {
    SetReceiveTimeout(socket_, options_.receiveTimeout);
    SetSendTimeout(socket_, options_.receiveTimeout);
  }
}

void NetSession::Close() { socket_.Reset(); }

bool NetSession::SendRequest(std::uint8_t letter, std::span<const std::uint8_t> payload1,
                             std::span<const std::uint8_t> payload2, bool encrypted, bool countProgress) {
  if (payload1.size() > UINT32_MAX - 16 || payload2.size() > UINT32_MAX - 16) return Fail(kNetNoMemory);
  std::vector<std::uint8_t> frame;
  try {
    frame = BuildNetMessage(letter, payload1, payload2, static_cast<std::uint16_t>(random_() & 0x7FFF));
  } catch (const std::bad_alloc&) {
    return Fail(kNetNoMemory);
  }
  if (encrypted) {
    chain_ = vector_;
    if (!cipher_.HasKey() || !CbcEncrypt(cipher_, chain_, frame)) return Fail(kNetEncryptionFailure);
  }
  ChunkCounter counter;
  if (countProgress)
    counter = [this](std::size_t n) { progress.fetch_add(static_cast<std::int32_t>(n), std::memory_order_relaxed); };
  if (!socket_.valid() || !SendAll(socket_, frame, counter)) return Fail(kNetSendFailed);
  return true;
}

bool NetSession::ReceiveHeader(Reply& reply, bool encrypted) {
  std::array<std::uint8_t, kMessageHeaderSize> bytes;
  if (!socket_.valid() || !ReceiveAll(socket_, bytes)) return Fail(kNetHeaderNotReceived);
  if (encrypted) {
    chain_ = vector_;
    if (!cipher_.HasKey() || !CbcDecrypt(cipher_, chain_, bytes)) return Fail(kNetDecryptionFailure);
  }
  reply.header = DecodeMessageHeader(bytes);
  reply.kind = ClassifyReply(reply.header);
  if (reply.kind == ReplyKind::Refused) error_ = kNetRefused;
  if (reply.kind == ReplyKind::Invalid) error_ = kNetHeaderError;
  return true;
}

bool NetSession::ReceivePayloads(const Reply& reply, bool encrypted, bool countProgress,
                                 std::vector<std::uint8_t>& area) {
  const std::uint64_t size = PayloadAreaSize(reply.header.length1, reply.header.length2);
  area.clear();
  if (size == 0) return true;
  try {
    area.resize(size);
  } catch (const std::bad_alloc&) {
    return Fail(kNetNoMemory);
  }
  ChunkCounter counter;
  if (countProgress)
    counter = [this](std::size_t n) { progress.fetch_add(static_cast<std::int32_t>(n), std::memory_order_relaxed); };
  if (!ReceiveAll(socket_, area, counter, options_.receivePause)) return Fail(kNetReceiveFailed);
  if (encrypted) {
    // The payload area continues the header's chain; an area without a first
    // payload is not decrypted at all.
    if (reply.header.length1 == 0 || !CbcDecrypt(cipher_, chain_, area)) return Fail(kNetDecryptionFailure);
  }
  return true;
}

bool NetSession::Status(SessionStatus* status) {
  error_ = kNetOk;
  if (!SendRequest('C', {}, {}, false, false)) return FailSession(error_);
  Reply reply;
  if (!ReceiveHeader(reply, false) || reply.kind != ReplyKind::Accepted) return FailSession(error_);
  const MessageHeader& h = reply.header;
  // Everything that fails on the lengths alone fails before anything is read.
  if (h.length1 == 0) return FailSession(kNetNoStatus);
  if (h.length2 == 0) return FailSession(kNetConnectionFailure);
  if (h.length2 != kCamelliaBlock) return FailSession(kNetEncryptionFailure);
  if (h.length1 > kMaxSidePayload) return FailSession(kNetInvalidSize);
  std::vector<std::uint8_t> area;
  if (!ReceivePayloads(reply, false, false, area)) return FailSession(error_);

  std::array<std::uint8_t, kStatusBytes> raw{};  // bytes past the payload read as zero
  std::copy_n(area.begin(), std::min<std::size_t>(h.length1, kStatusBytes), raw.begin());
  std::copy_n(area.begin() + Pad16(h.length1), kCamelliaBlock, challenge_.begin());
  SessionStatus info{Le16(&raw[0]), raw[2], raw[4], Le16(&raw[6]), raw[8]};
  if (status) *status = info;
  if (info.model != kSupportedModel) return FailSession(kNetUnsupportedDevice);

  const auto key = DeriveSessionKey(StoredText(login_.password));
  if (!key || !cipher_.SetKey(*key)) return FailSession(kNetEncryptionFailure);
  const auto vector = DeriveSessionVector(cipher_, chain_, challenge_);
  if (!vector) return FailSession(kNetEncryptionFailure);
  vector_ = *vector;
  return true;
}

bool NetSession::Login() {
  error_ = kNetOk;
  std::string id = StoredText(login_.login);
  std::string password = StoredText(login_.password);
  if (!SendRequest('L', Bytes({id.c_str(), id.size() + 1}), Bytes({password.c_str(), password.size() + 1}), true,
                   false))
    return FailSession(error_);
  Reply reply;
  if (!ReceiveHeader(reply, true) || reply.kind != ReplyKind::Accepted) {
    // A wrong password shows up as a header that does not decrypt: its
    // lengths are noise, so nothing more is read from this connection.
    Close();
    return FailSession(kNetBadPassword);
  }
  if (reply.header.length1 > kMaxSidePayload || reply.header.length2 > kMaxSidePayload)
    return FailSession(kNetInvalidSize);
  std::vector<std::uint8_t> discarded;
  if (!ReceivePayloads(reply, true, false, discarded)) return FailSession(error_);
  login_.loggedIn = true;
  return true;
}

bool NetSession::Get(std::string_view name, std::span<std::uint8_t> buffer, std::size_t& length) {
  error_ = kNetOk;
  progress.store(0);
  if (!buffer.empty()) buffer[0] = 0;
  if (!SendRequest('G', Bytes(name), {}, true, false)) return false;
  Reply reply;
  if (!ReceiveHeader(reply, true)) return false;
  const MessageHeader& h = reply.header;
  const bool sized = h.length1 <= buffer.size() && h.length2 <= kMaxSidePayload;
  std::vector<std::uint8_t> area;
  if (reply.kind == ReplyKind::Accepted) {
    if (!sized) return Fail(kNetInvalidSize);
    if (!ReceivePayloads(reply, true, true, area)) return false;
    std::copy_n(area.begin(), h.length1, buffer.begin());
    length = h.length1;
    return true;
  }
  if (reply.kind == ReplyKind::Refused && sized) {
    // The refusal's detail (first byte: the result code), when it arrives.
    if (ReceivePayloads(reply, true, false, area)) std::copy_n(area.begin(), h.length1, buffer.begin());
    error_ = kNetRefused;
  }
  return false;
}

bool NetSession::Put(std::string_view name, std::span<const std::uint8_t> data, std::int32_t& resultCode,
                     std::span<char> message) {
  error_ = kNetOk;
  progress.store(0);
  if (!SendRequest('P', Bytes(name), data, true, true)) return false;
  Reply reply;
  if (!ReceiveHeader(reply, true)) return false;
  if (reply.kind == ReplyKind::Accepted) return true;
  if (reply.kind != ReplyKind::Refused) return false;
  const MessageHeader& h = reply.header;
  if (h.length1 > kMaxSidePayload || h.length2 > kMaxSidePayload) return Fail(kNetInvalidSize);
  std::vector<std::uint8_t> area;
  if (!ReceivePayloads(reply, true, false, area)) return false;
  if (h.length1 != 0) resultCode = static_cast<std::int8_t>(area[0]);
  if (h.length2 != 0 && h.length2 < message.size()) {
    std::copy_n(area.begin() + Pad16(h.length1), h.length2, message.begin());
    message[h.length2] = '\0';
  }
  return false;
}

void NetSession::ShowSessionError(UiPort& ui, std::string_view title) const {
  const SessionErrorMessage m = SessionErrorFor(error_, title);
  ui.Message(m.text, m.icon, Buttons::Ok);
}

}  // namespace tk48
