#pragma once
// A scripted device on the master side of a pseudo-terminal: the link under
// test opens the slave path with real termios I/O.
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "link/serial_frame.h"
#include "link/serial_link.h"

namespace tk48::test {

using Bytes = std::vector<std::uint8_t>;
using namespace std::chrono_literals;

inline Bytes ToBytes(std::string_view text) { return {text.begin(), text.end()}; }

inline Bytes FrameBytes(std::uint8_t block, char letter, const Bytes& payload, bool last) {
  const auto frame = MakeFrame(block, letter, payload, last);  // View() points into it
  const auto view = frame.View();
  return {view.begin(), view.end()};
}

// Bounds short enough for tests, long enough for a busy machine.
inline constexpr SerialTiming kFastTiming{200ms, 1000ms, 50ms, 20ms, 3};

struct PeerFrame {
  std::uint8_t block = 0;
  std::uint8_t complement = 0;
  char letter = 0;
  Bytes payload;
  std::uint8_t terminator = 0;
  bool checkOk = false;
  Bytes raw;
};

class PtyPeer {
 public:
  PtyPeer() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ >= 0 && grantpt(master_) == 0 && unlockpt(master_) == 0) slave_ = ptsname(master_);
  }
  ~PtyPeer() {
    if (master_ >= 0) close(master_);
  }
  PtyPeer(const PtyPeer&) = delete;
  PtyPeer& operator=(const PtyPeer&) = delete;

  const std::string& SlavePath() const { return slave_; }

  std::optional<std::uint8_t> ReadByte(std::chrono::milliseconds wait = 1000ms) {
    std::uint8_t b = 0;
    if (!ReadExact(&b, 1, wait)) return std::nullopt;
    return b;
  }

  // The next frame the link sends (bytes before its STX are skipped).
  std::optional<PeerFrame> ReadFrame(std::chrono::milliseconds wait = 1000ms) {
    std::uint8_t b = 0;
    do {
      if (!ReadExact(&b, 1, wait)) return std::nullopt;
    } while (b != kStx);
    PeerFrame f;
    f.raw.assign(6, kStx);
    if (!ReadExact(f.raw.data() + 1, 5, wait)) return std::nullopt;
    f.block = f.raw[1];
    f.complement = f.raw[2];
    f.letter = static_cast<char>(f.raw[3]);
    const std::size_t n = std::size_t(f.raw[4]) << 8 | f.raw[5];
    f.raw.resize(6 + n + 3);
    if (!ReadExact(f.raw.data() + 6, n + 3, wait)) return std::nullopt;
    f.payload.assign(f.raw.begin() + 6, f.raw.begin() + 6 + static_cast<long>(n));
    f.terminator = f.raw[6 + n];
    f.checkOk = FrameCheckMatches(f.raw);
    return f;
  }

  void Write(const Bytes& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
      const auto n = write(master_, bytes.data() + done, bytes.size() - done);
      if (n <= 0) return;
      done += static_cast<std::size_t>(n);
    }
  }
  void Write(std::uint8_t byte) { Write(Bytes{byte}); }

 private:
  bool ReadExact(std::uint8_t* out, std::size_t count, std::chrono::milliseconds wait) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (count > 0) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
      if (left.count() <= 0) return false;
      pollfd pfd{master_, POLLIN, 0};
      if (poll(&pfd, 1, static_cast<int>(left.count())) <= 0) continue;
      if (!(pfd.revents & POLLIN)) {  // no slave open yet
        usleep(1000);
        continue;
      }
      const auto n = read(master_, out, count);
      if (n <= 0) continue;
      out += n;
      count -= static_cast<std::size_t>(n);
    }
    return true;
  }

  int master_ = -1;
  std::string slave_;
};

}  // namespace tk48::test
