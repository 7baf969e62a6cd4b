#include "link/serial_frame.h"

#include <algorithm>

#include "link/crc16.h"

namespace tk48 {

Frame MakeFrame(std::uint8_t block, char letter, std::span<const std::uint8_t> payload, bool last) {
  payload = payload.first(std::min(payload.size(), kMaxPayload));
  Frame frame;
  auto* p = frame.bytes.data();
  *p++ = kStx;
  *p++ = block;
  *p++ = static_cast<std::uint8_t>(~block);
  *p++ = static_cast<std::uint8_t>(letter);
  *p++ = static_cast<std::uint8_t>(payload.size() >> 8);
  *p++ = static_cast<std::uint8_t>(payload.size());
  p = std::copy(payload.begin(), payload.end(), p);
  *p++ = last ? kEtb : kEtx;
  const auto check = Crc16Genibus({frame.bytes.data(), static_cast<std::size_t>(p - frame.bytes.data())});
  *p++ = static_cast<std::uint8_t>(check >> 8);
  *p++ = static_cast<std::uint8_t>(check);
  frame.size = static_cast<std::size_t>(p - frame.bytes.data());
  return frame;
}

FrameHeader ParseFrameHeader(std::span<const std::uint8_t, 5> h) {
  return {h[0], h[1], static_cast<char>(h[2]), static_cast<std::uint16_t>(h[3] << 8 | h[4])};
}

bool FrameCheckMatches(std::span<const std::uint8_t> frame) {
  if (frame.size() < kFrameOverhead) return false;
  const auto body = frame.first(frame.size() - 2);
  const std::uint16_t received = static_cast<std::uint16_t>(frame[frame.size() - 2] << 8 | frame.back());
  return Crc16Genibus(body) == received;
}

}  // namespace tk48
