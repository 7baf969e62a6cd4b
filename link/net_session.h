#pragma once
// NetSession: one TCP session with the device for one operation. An
// unencrypted status exchange ("C") delivers the device status and a
// challenge; every later message ("L" login, "G" get, "P" put) is encrypted
// with Camellia-256 in CBC mode under a key derived from the login password.
#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <random>
#include <span>
#include <string>
#include <string_view>

#include "link/camellia.h"
#include "link/net_frame.h"
#include "link/net_socket.h"
#include "link/session_crypto.h"
#include "port/ui_port.h"

namespace tk48 {

inline constexpr std::uint16_t kDefaultNetworkPort = 30341;
inline constexpr std::uint16_t kSupportedModel = 0x003E;
inline constexpr std::chrono::seconds kDefaultConnectTimeout{10};
inline constexpr std::chrono::seconds kDefaultReceiveTimeout{30};
// Login ID and password are stored as UTF-8 in 49 bytes with the terminator.
inline constexpr std::size_t kLoginTextBytes = 48;
// A refused put's message text is copied into a buffer of this size.
inline constexpr std::size_t kPutMessageSize = 128;

// Codes of `NetSession::error()`.
enum NetError : std::int32_t {
  kNetOk = 0,
  kNetEncryptionFailure = 195,
  kNetDecryptionFailure = 196,
  kNetHeaderError = 224,
  kNetHeaderNotReceived = 225,
  kNetNoMemory = 226,
  kNetSendFailed = 227,
  kNetInvalidSize = 228,
  kNetReceiveFailed = 229,
  kNetRefused = 233,
  kNetConnectionFailure = 254,
  kNetNoStatus = 1204,
  kNetBadPassword = 1205,
  kNetUnsupportedDevice = 1206,
};

// The text of an error code; empty for a code that has none.
std::string_view NetErrorText(std::int32_t code);

// The message box of a failed session operation: "title\nsecond line".
struct SessionErrorMessage {
  std::string text;
  Icon icon = Icon::Error;
};
SessionErrorMessage SessionErrorFor(std::int32_t code, std::string_view title);

// The application-wide login: the session reads the ID and password and sets
// the flag on a successful login; a failed Open, Status or Login clears it.
struct LoginState {
  std::string login;
  std::string password;
  bool loggedIn = false;
};

// The "C" reply's status payload.
struct SessionStatus {
  std::uint16_t model = 0;
  int major = 0;
  int minor = 0;
  int revision = 0;
  std::uint8_t flags = 0;  // bit 0: SD card inserted; bit 1: logging
};

struct NetSessionOptions {
  // Slept after every received chunk of a payload area.
  std::chrono::milliseconds receivePause{10};
  // Bounds every receive (and send) call; 0 waits as long as the connection
  // lives. A peer that accepts and never answers fails the step then.
  std::chrono::milliseconds receiveTimeout{kDefaultReceiveTimeout};
  // Bounds the connect; 0 leaves it to the system (about two minutes).
  std::chrono::milliseconds connectTimeout{kDefaultConnectTimeout};
};

// Payloads that the session does not size itself (status, login, the second
// payload of a get, a refused put's details) are never this large; a reply
// announcing more is rejected before anything is read or allocated.
inline constexpr std::uint32_t kMaxSidePayload = 65536;

class NetSession {
 public:
  explicit NetSession(LoginState& login, NetSessionOptions options = {});
  NetSession(const NetSession&) = delete;
  NetSession& operator=(const NetSession&) = delete;

  // Connects to a dotted IPv4 address or, failing that, the first address of
  // a host name; keep-alive probes after 180 s idle, then 1 s apart.
  bool Open(std::string_view address, std::uint16_t port = kDefaultNetworkPort);
  // Takes over an already connected stream socket instead of Open.
  void Adopt(Socket connected);
  // "C": the device status (handed out also when the model is unsupported),
  // then the session key and vector.
  bool Status(SessionStatus* status = nullptr);
  // "L" with the stored login ID and password. A refused login reads nothing
  // more and closes the connection.
  bool Login();
  // "G": the file into `buffer`; `length` gets its size. On failure buffer[0]
  // holds the device's result code from a refusal, or 0.
  bool Get(std::string_view name, std::span<std::uint8_t> buffer, std::size_t& length);
  // "P": on a refusal `resultCode` and `message` get the device's answer
  // where it sent one; both stay untouched otherwise.
  bool Put(std::string_view name, std::span<const std::uint8_t> data, std::int32_t& resultCode,
           std::span<char> message);
  void Close();

  std::int32_t error() const { return error_; }
  bool connected() const { return socket_.valid(); }
  void ShowSessionError(UiPort& ui, std::string_view title) const;

  // Bytes sent (put) or received (get) so far; written by the transferring
  // thread, read by the user-interface thread.
  std::atomic<std::int32_t> progress{0};

 private:
  struct Reply {
    MessageHeader header;
    ReplyKind kind = ReplyKind::Invalid;
  };

  bool Fail(std::int32_t code);
  bool FailSession(std::int32_t code);  // also clears the logged-in flag
  void ClearCrypto();
  bool SendRequest(std::uint8_t letter, std::span<const std::uint8_t> payload1,
                   std::span<const std::uint8_t> payload2, bool encrypted, bool countProgress);
  // Reads and checks the header; false only when it did not arrive or did not
  // decrypt. A refused or invalid reply returns true with its kind (and error
  // 233 or 224).
  bool ReceiveHeader(Reply& reply, bool encrypted);
  // Reads (and decrypts) the whole payload area of `reply`.
  bool ReceivePayloads(const Reply& reply, bool encrypted, bool countProgress, std::vector<std::uint8_t>& area);

  LoginState& login_;
  NetSessionOptions options_;
  Socket socket_;
  Camellia256 cipher_;
  CipherBlock challenge_{};
  CipherBlock vector_{};
  CipherBlock chain_{};
  std::int32_t error_ = kNetOk;
  std::minstd_rand random_;
};

}  // namespace tk48
