#pragma once
// The device's end of a serial line on a pty master. With a baud rate it behaves
// like the real line: an answer cannot leave before the bytes it answers would
// have been fully received, and bytes written here reach the peer no faster
// than the line carries them (10 bits a byte).
#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>

namespace tk48::sim {

class PacedLine {
 public:
  using Clock = std::chrono::steady_clock;

  PacedLine(int fd, long baud, int stopFd);

  // The next byte, or nullopt when `deadline` passes or a stop is requested.
  std::optional<std::uint8_t> ReadByte(Clock::time_point deadline);
  // The next byte without taking it.
  std::optional<std::uint8_t> PeekByte(Clock::time_point deadline);
  // Exactly out.size() bytes, or false.
  bool Read(std::span<std::uint8_t> out, Clock::time_point deadline);
  bool Write(std::span<const std::uint8_t> bytes);

  bool Stopped() const { return stopped_; }
  static Clock::time_point After(std::chrono::milliseconds wait) { return Clock::now() + wait; }
  static Clock::time_point Forever() { return Clock::time_point::max(); }

 private:
  struct Received {
    std::uint8_t byte;
    Clock::time_point arrival;  // when the line has carried it completely
  };
  bool Fill(std::size_t count, Clock::time_point deadline);
  bool WaitFd(short events, Clock::time_point deadline);
  void SleepUntil(Clock::time_point when) const;
  void Seen(Clock::time_point arrival);

  int fd_;
  int stopFd_;
  Clock::duration byteTime_{};
  std::deque<Received> pending_;
  Clock::time_point rxLine_{};  // when the receive side of the line is free
  Clock::time_point txLine_{};
  Clock::time_point lastArrival_{};  // of the last byte read
  bool stopped_ = false;
};

}  // namespace tk48::sim
