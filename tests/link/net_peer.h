#pragma once
// A scripted device on loopback for the network session tests: it accepts one
// connection and runs a script against it on its own thread. Every wait is
// bounded so a faulty client fails a test instead of hanging it.
#include <chrono>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <thread>
#include <vector>

#include "link/camellia.h"
#include "link/net_frame.h"
#include "link/net_socket.h"
#include "link/session_crypto.h"

namespace tk48::testing {

inline constexpr std::chrono::seconds kPeerWait{10};

// The device's status payload: model, version 2.5.300, SD card in.
std::vector<std::uint8_t> StatusPayload(std::uint16_t model = 0x003E);
// The challenge every scripted device hands out.
CipherBlock TestChallenge();

struct PeerRequest {
  MessageHeader header;
  std::vector<std::uint8_t> area;  // the raw (decrypted) payload area
  std::span<const std::uint8_t> payload1() const;
  std::span<const std::uint8_t> payload2() const;
};

class PeerLink {
 public:
  explicit PeerLink(Socket socket) : socket_(std::move(socket)) {}

  // Session key and vector as the device derives them for `password`.
  void UsePassword(std::string_view password);

  bool ReadRequest(PeerRequest& request, bool encrypted);
  // Reads exactly `n` raw bytes (false on a short read).
  bool ReadRaw(std::vector<std::uint8_t>& bytes, std::size_t n);
  void Reply(std::uint8_t letter, std::span<const std::uint8_t> payload1 = {},
             std::span<const std::uint8_t> payload2 = {}, bool encrypted = true);
  // A reply whose header announces lengths of its own choosing (no payloads).
  void ReplyHeaderOnly(std::uint8_t letter, std::uint32_t length1, std::uint32_t length2, bool encrypted = true);
  void SendRaw(std::span<const std::uint8_t> bytes);
  // Ends the device's sending side: the client sees the connection close.
  void Hangup();
  // True when the client closes its end within the bounded wait.
  bool ClientClosesWithin(std::chrono::milliseconds limit);

  // "C" answered with the given payloads, then "L" accepted for `password`.
  bool AnswerStatus(std::span<const std::uint8_t> status, std::span<const std::uint8_t> challenge);
  bool AnswerStatusAndLogin(std::string_view password);

  const Camellia256& cipher() const { return cipher_; }
  const CipherBlock& vector() const { return vector_; }

 private:
  Socket socket_;
  Camellia256 cipher_;
  CipherBlock vector_{};
};

class ScriptedPeer {
 public:
  using Script = std::function<void(PeerLink&)>;
  explicit ScriptedPeer(Script script);
  ~ScriptedPeer();
  ScriptedPeer(const ScriptedPeer&) = delete;
  ScriptedPeer& operator=(const ScriptedPeer&) = delete;

  std::uint16_t port() const { return port_; }
  // Waits for the script to end.
  void Join();

 private:
  Socket listener_;
  std::uint16_t port_ = 0;
  std::thread thread_;
};

}  // namespace tk48::testing
