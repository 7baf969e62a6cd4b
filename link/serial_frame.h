#pragma once
// Frames and control bytes of the USB serial block protocol, shared by the link
// and by the device simulator.
//
//   STX | block | ~block | letter | length (2, big-endian) | payload | ETX/ETB | check (2)
//
// The check covers STX through the terminator and is sent high byte first.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace tk48 {

inline constexpr std::uint8_t kStx = 0x02;
inline constexpr std::uint8_t kEtx = 0x03;  // more blocks of this message follow
inline constexpr std::uint8_t kEtb = 0x17;  // last (or only) block
inline constexpr std::uint8_t kEot = 0x04;
inline constexpr std::uint8_t kEnq = 0x05;
inline constexpr std::uint8_t kAck = 0x06;
inline constexpr std::uint8_t kNak = 0x15;

inline constexpr std::size_t kMaxPayload = 1024;
inline constexpr std::size_t kFrameHeaderSize = 6;   // STX through the length
inline constexpr std::size_t kFrameTrailerSize = 3;  // terminator and check
inline constexpr std::size_t kFrameOverhead = kFrameHeaderSize + kFrameTrailerSize;
inline constexpr std::size_t kMaxFrameSize = kMaxPayload + kFrameOverhead;  // 1033

struct Frame {
  std::array<std::uint8_t, kMaxFrameSize> bytes{};
  std::size_t size = 0;
  std::span<const std::uint8_t> View() const { return {bytes.data(), size}; }
};

// Builds one frame. The payload must not exceed kMaxPayload bytes (it is cut there).
Frame MakeFrame(std::uint8_t block, char letter, std::span<const std::uint8_t> payload, bool last);

// The five header bytes after STX.
struct FrameHeader {
  std::uint8_t block = 0;
  std::uint8_t complement = 0;
  char letter = 0;
  std::uint16_t length = 0;

  bool ComplementMatches() const { return static_cast<std::uint8_t>(block ^ complement) == 0xFF; }
};
FrameHeader ParseFrameHeader(std::span<const std::uint8_t, 5> afterStx);

// Whether the check at the end of a whole frame matches its other bytes.
bool FrameCheckMatches(std::span<const std::uint8_t> frame);

}  // namespace tk48
