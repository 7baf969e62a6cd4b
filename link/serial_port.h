#pragma once
// A serial port through POSIX termios: 38400 bit/s, 8N1, raw, no flow control,
// DTR and RTS off, reads that never block. (The driver's queue sizes are its
// own on Linux; they are not set here.) Bytes the protocol has taken from the
// driver but not yet consumed wait in a look-aside buffer, so "bytes queued"
// and "clear the input" mean the same as they do on the driver's own queue.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <string>

namespace tk48 {

class SerialPort {
 public:
  using Clock = std::chrono::steady_clock;

  SerialPort() = default;
  ~SerialPort() { Close(); }
  SerialPort(const SerialPort&) = delete;
  SerialPort& operator=(const SerialPort&) = delete;

  // Opens `path` exclusively and applies the line settings; both queues are
  // purged. False when the port cannot be opened or refuses the settings.
  bool Open(const std::string& path);
  // The errno of the last Open's open(2) when that call failed, else 0 (a port
  // that opened but refused the lock or the settings also leaves 0).
  int openError() const { return openError_; }
  void Close();
  bool IsOpen() const { return fd_ >= 0; }

  // Writes all of `bytes` and waits until the driver has sent them; false
  // when that takes longer than the write time-out (a device that stopped
  // reading never empties the output queue).
  bool Write(std::span<const std::uint8_t> bytes);
  void SetWriteTimeout(std::chrono::milliseconds wait) { writeWait_ = wait; }

  // Bytes received and not yet consumed.
  std::size_t Queued();
  // Takes exactly out.size() bytes once that many are queued; on time-out
  // nothing is taken.
  bool ReadExact(std::span<std::uint8_t> out, std::chrono::milliseconds wait);
  // Takes queued bytes one at a time, discarding them, up to and including the
  // first `marker`; false when `wait` passes first.
  bool SkipTo(std::uint8_t marker, std::chrono::milliseconds wait);

  // Discards pending input and output.
  void Purge();
  // Discards pending input.
  void ClearInput();

 private:
  bool WaitForInput(Clock::time_point deadline);
  std::size_t DriverQueued() const;
  void Absorb(std::size_t count);

  int fd_ = -1;
  int openError_ = 0;
  std::deque<std::uint8_t> held_;
  std::chrono::milliseconds writeWait_{5000};
};

}  // namespace tk48
