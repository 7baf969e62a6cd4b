// The network session's reply handling on arbitrary device answers. The first
// byte picks the operation (status, login, get, put) and the next two the
// get's buffer capacity; the rest is the device's reply in plain text. For the
// encrypted operations a good status reply goes first, and the reply is
// encrypted under the session's key and vector, so that the fuzzer steers the
// decrypted header and payloads and not just noise.
#include <sys/socket.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "link/net_frame.h"
#include "link/net_session.h"
#include "link/session_crypto.h"

namespace {

using namespace tk48;

constexpr char kPassword[] = "fuzz";
constexpr std::size_t kMaxReply = 60000;  // stays within a socket pair's buffer

const CipherBlock kChallenge = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};

std::vector<std::uint8_t> StatusReply() {
  const std::uint8_t status[] = {0x3E, 0, 2, 0, 0, 0, 0, 0, 0};
  return BuildNetMessage('o', status, kChallenge, 0);
}

// Encrypts the whole blocks as the device would; a trailing partial block
// goes out as it is (the reply is cut short there anyway).
void Encrypt(std::vector<std::uint8_t>& reply) {
  static const auto keys = [] {
    struct Keys {
      Camellia256 cipher;
      CipherBlock vector{};
    } k;
    k.cipher.SetKey(*DeriveSessionKey(kPassword));
    CipherBlock chain{};
    k.vector = *DeriveSessionVector(k.cipher, chain, kChallenge);
    return k;
  }();
  CipherBlock chain = keys.vector;
  CbcEncrypt(keys.cipher, chain, std::span(reply).first(reply.size() / 16 * 16));
}

bool KnownCode(std::int32_t code) {
  return code == kNetOk || !NetErrorText(code).empty();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3 || size - 3 > kMaxReply) return 0;
  const int operation = data[0] % 4;
  const std::size_t capacity = std::size_t{data[1]} | std::size_t{data[2]} << 8;
  std::vector<std::uint8_t> reply(data + 3, data + size);

  int fds[2];
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) != 0) return 0;
  Socket device(fds[1]);
  std::vector<std::uint8_t> wire;
  if (operation != 0) {
    wire = StatusReply();
    Encrypt(reply);
  }
  wire.insert(wire.end(), reply.begin(), reply.end());
  SendAll(device, wire);
  ::shutdown(device.fd(), SHUT_WR);

  LoginState login{"user", kPassword, true};
  NetSession session(login, {std::chrono::milliseconds(0), std::chrono::milliseconds(1000)});
  session.Adopt(Socket(fds[0]));
  bool ok = session.Status();
  if (operation != 0) {
    if (!ok) std::abort();  // the status reply is well formed
    std::vector<std::uint8_t> buffer(capacity);
    std::size_t length = 0;
    std::int32_t code = 0;
    char message[kPutMessageSize];
    std::fill(std::begin(message), std::end(message), 'x');
    switch (operation) {
      case 1:
        ok = session.Login();
        if (ok != login.loggedIn) std::abort();
        break;
      case 2:
        ok = session.Get("CONFIG_P", buffer, length);
        if (ok && length > capacity) std::abort();
        break;
      case 3: {
        const std::uint8_t file[] = {1, 2, 3};
        ok = session.Put("CONFIG_P", file, code, message);
        // The message is either untouched or NUL-terminated inside the buffer.
        if (message[0] != 'x' && std::find(std::begin(message), std::end(message), '\0') == std::end(message))
          std::abort();
        if (code < -128 || code > 127) std::abort();
        break;
      }
    }
  }
  if (!KnownCode(session.error()) || ok != (session.error() == kNetOk)) std::abort();
  return 0;
}
