#include "link/net_frame.h"

#include <algorithm>

namespace tk48 {

namespace {

std::uint32_t ReadLe32(const std::uint8_t* p) {
  return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
}

void WriteLe32(std::uint8_t* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

}  // namespace

MessageHeader DecodeMessageHeader(std::span<const std::uint8_t, kMessageHeaderSize> bytes) {
  return {bytes[2], bytes[3], ReadLe32(&bytes[4]), ReadLe32(&bytes[8])};
}

ReplyKind ClassifyReply(const MessageHeader& header) {
  if (header.letter == kReplyRefused) return ReplyKind::Refused;
  if (header.letter == kReplyAccepted && header.check == static_cast<std::uint8_t>(~kReplyAccepted))
    return ReplyKind::Accepted;
  return ReplyKind::Invalid;
}

std::vector<std::uint8_t> BuildNetMessage(std::uint8_t letter, std::span<const std::uint8_t> payload1,
                                     std::span<const std::uint8_t> payload2, std::uint16_t random) {
  const auto length1 = static_cast<std::uint32_t>(payload1.size());
  const auto length2 = static_cast<std::uint32_t>(payload2.size());
  std::vector<std::uint8_t> frame(NetMessageSize(length1, length2), 0);
  frame[0] = kNetMagic[0];
  frame[1] = kNetMagic[1];
  frame[2] = letter;
  frame[3] = static_cast<std::uint8_t>(~letter);
  WriteLe32(&frame[4], length1);
  WriteLe32(&frame[8], length2);
  WriteLe32(&frame[12], random);
  std::copy(payload1.begin(), payload1.end(), frame.begin() + kMessageHeaderSize);
  std::copy(payload2.begin(), payload2.end(), frame.begin() + kMessageHeaderSize + Pad16(length1));
  return frame;
}

}  // namespace tk48
