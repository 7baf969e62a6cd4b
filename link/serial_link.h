#pragma once
// SerialLink: the USB serial block protocol to the device. The configurator
// always initiates: one request frame, then either the numbered data blocks of
// a file (Put) or the device's numbered reply blocks (Get). Every frame is
// answered by one control byte. Failures are reported as false, never shown.
#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "link/serial_frame.h"
#include "link/serial_port.h"

namespace tk48 {

// The protocol's waiting bounds. Tests shorten them; the defaults are the device's.
struct SerialTiming {
  std::chrono::milliseconds byteWait{3000};     // for each expected run of bytes (a control byte, a header...)
  std::chrono::milliseconds stxWait{12000};     // for the STX of each reply block
  std::chrono::milliseconds retryPause{2000};   // after an answer that never came
  std::chrono::milliseconds drainSample{100};   // between the queue samples of a drain
  int attempts = 3;                             // per frame
  std::chrono::milliseconds writeWait{5000};    // for a write to leave the output queue
};

class SerialLink {
 public:
  explicit SerialLink(SerialTiming timing = {}) : timing_(timing) { port_.SetWriteTimeout(timing.writeWait); }

  // Closes any port still open, then opens `devicePath` (see link/com_ports.h for
  // COM numbers) with the protocol's line settings.
  bool Open(const std::string& devicePath);
  // The errno of a failed open of the device (see SerialPort::openError).
  int openError() const { return port_.openError(); }
  void Close() { port_.Close(); }
  bool IsOpen() const { return port_.IsOpen(); }

  // Sends the device file `fileName` ("P" frame, then "p" blocks of up to 1024 bytes).
  bool Put(std::string_view fileName, std::span<const std::uint8_t> data);

  // Sends one request and collects the reply blocks into `buffer`; `received`
  // is the number of bytes stored. A reply larger than the buffer fails the
  // get: its blocks are still acknowledged to the end, but from the first one
  // that does not fit nothing more is stored. A "*" reply ends the get with
  // nothing received, and `refused()` tells it from an empty file.
  bool Get(char request, std::span<const std::uint8_t> requestPayload, char reply, std::span<std::uint8_t> buffer,
           std::size_t& received);

  // The last get's reply was the "*" refusal.
  bool refused() const { return refused_; }

  std::int32_t reserved = -1;
  // Payload bytes moved by the current put or get; written by the transfer
  // thread only, read by the user interface to drive its progress bar.
  std::atomic<std::int32_t> progress{0};

 private:
  enum class Outcome { Accepted, Retry, Fail };

  bool SendRequest(const Frame& frame);
  Outcome SendDataBlock(const Frame& frame, bool last);
  Outcome ReceiveBlock(std::uint8_t expected, char reply, Frame& frame, FrameHeader& header);
  bool WriteByte(std::uint8_t byte);
  std::optional<std::uint8_t> ReadByte();
  void Drain();
  void Pause() const;

  SerialTiming timing_;
  SerialPort port_;
  bool refused_ = false;
};

}  // namespace tk48
