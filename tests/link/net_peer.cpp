#include "tests/link/net_peer.h"

#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <array>

namespace tk48::testing {

std::vector<std::uint8_t> StatusPayload(std::uint16_t model) {
  return {static_cast<std::uint8_t>(model), static_cast<std::uint8_t>(model >> 8), 2, 0, 5, 0, 0x2C, 0x01, 0x01};
}

CipherBlock TestChallenge() {
  CipherBlock c;
  for (std::size_t i = 0; i < c.size(); ++i) c[i] = static_cast<std::uint8_t>(0xA0 + i);
  return c;
}

std::span<const std::uint8_t> PeerRequest::payload1() const {
  return std::span(area).first(header.length1);
}
std::span<const std::uint8_t> PeerRequest::payload2() const {
  return std::span(area).subspan(Pad16(header.length1), header.length2);
}

void PeerLink::UsePassword(std::string_view password) {
  const auto key = DeriveSessionKey(password);
  cipher_.SetKey(*key);
  CipherBlock chain{};
  vector_ = *DeriveSessionVector(cipher_, chain, TestChallenge());
}

bool PeerLink::ReadRaw(std::vector<std::uint8_t>& bytes, std::size_t n) {
  bytes.assign(n, 0);
  return ReceiveAll(socket_, bytes);
}

bool PeerLink::ReadRequest(PeerRequest& request, bool encrypted) {
  std::array<std::uint8_t, kMessageHeaderSize> head;
  if (!ReceiveAll(socket_, head)) return false;
  CipherBlock chain = vector_;
  if (encrypted) CbcDecrypt(cipher_, chain, head);
  request.header = DecodeMessageHeader(head);
  const std::uint64_t area = PayloadAreaSize(request.header.length1, request.header.length2);
  if (area > (std::uint64_t{64} << 20)) return false;
  request.area.assign(area, 0);
  if (!ReceiveAll(socket_, request.area)) return false;
  if (encrypted) CbcDecrypt(cipher_, chain, request.area);
  return true;
}

void PeerLink::Reply(std::uint8_t letter, std::span<const std::uint8_t> payload1,
                     std::span<const std::uint8_t> payload2, bool encrypted) {
  std::vector<std::uint8_t> frame = BuildNetMessage(letter, payload1, payload2, 0);
  CipherBlock chain = vector_;
  if (encrypted) CbcEncrypt(cipher_, chain, frame);
  SendAll(socket_, frame);
}

void PeerLink::ReplyHeaderOnly(std::uint8_t letter, std::uint32_t length1, std::uint32_t length2, bool encrypted) {
  std::vector<std::uint8_t> frame = BuildNetMessage(letter, {}, {}, 0);
  for (int i = 0; i < 4; ++i) {
    frame[4 + i] = static_cast<std::uint8_t>(length1 >> (8 * i));
    frame[8 + i] = static_cast<std::uint8_t>(length2 >> (8 * i));
  }
  CipherBlock chain = vector_;
  if (encrypted) CbcEncrypt(cipher_, chain, frame);
  SendAll(socket_, frame);
}

void PeerLink::SendRaw(std::span<const std::uint8_t> bytes) { SendAll(socket_, bytes); }

void PeerLink::Hangup() { ::shutdown(socket_.fd(), SHUT_WR); }

bool PeerLink::ClientClosesWithin(std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  std::array<std::uint8_t, 4096> sink;
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    pollfd p{socket_.fd(), POLLIN, 0};
    if (::poll(&p, 1, static_cast<int>(left.count())) <= 0) return false;
    const ssize_t n = ::recv(socket_.fd(), sink.data(), sink.size(), 0);
    if (n <= 0) return true;
  }
}

bool PeerLink::AnswerStatus(std::span<const std::uint8_t> status, std::span<const std::uint8_t> challenge) {
  PeerRequest request;
  if (!ReadRequest(request, false) || request.header.letter != 'C') return false;
  Reply('o', status, challenge, false);
  return true;
}

bool PeerLink::AnswerStatusAndLogin(std::string_view password) {
  const auto challenge = TestChallenge();
  if (!AnswerStatus(StatusPayload(), challenge)) return false;
  UsePassword(password);
  PeerRequest request;
  if (!ReadRequest(request, true) || request.header.letter != 'L') return false;
  Reply('o');
  return true;
}

ScriptedPeer::ScriptedPeer(Script script) {
  listener_.Reset(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof address;
  if (::bind(listener_.fd(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(listener_.fd(), 1) != 0 ||
      ::getsockname(listener_.fd(), reinterpret_cast<sockaddr*>(&address), &size) != 0)
    return;
  port_ = ntohs(address.sin_port);
  thread_ = std::thread([this, script = std::move(script)] {
    pollfd p{listener_.fd(), POLLIN, 0};
    if (::poll(&p, 1, static_cast<int>(std::chrono::milliseconds(kPeerWait).count())) != 1) return;
    Socket connection(::accept4(listener_.fd(), nullptr, nullptr, SOCK_CLOEXEC));
    if (!connection.valid()) return;
    SetReceiveTimeout(connection, kPeerWait);
    PeerLink link(std::move(connection));
    script(link);
  });
}

ScriptedPeer::~ScriptedPeer() { Join(); }

void ScriptedPeer::Join() {
  if (thread_.joinable()) thread_.join();
}

}  // namespace tk48::testing
