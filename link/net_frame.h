#pragma once
// The network session's message: a 160-byte header (0xCC 0x55, a letter and
// its complement, two little-endian payload lengths, a random number) and up
// to two payloads, each zero-padded to a multiple of 16 bytes.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tk48 {

inline constexpr std::size_t kMessageHeaderSize = 160;
inline constexpr std::uint8_t kNetMagic[2] = {0xCC, 0x55};
inline constexpr std::uint8_t kReplyAccepted = 'o';
inline constexpr std::uint8_t kReplyRefused = 'n';

inline constexpr std::uint64_t Pad16(std::uint64_t n) { return (n + 15) & ~std::uint64_t{15}; }

// Bytes of the payload area that follows the header.
inline constexpr std::uint64_t PayloadAreaSize(std::uint32_t length1, std::uint32_t length2) {
  return Pad16(length1) + Pad16(length2);
}
inline constexpr std::uint64_t NetMessageSize(std::uint32_t length1, std::uint32_t length2) {
  return kMessageHeaderSize + PayloadAreaSize(length1, length2);
}

struct MessageHeader {
  std::uint8_t letter = 0;
  std::uint8_t check = 0;  // the complement of `letter` when well formed
  std::uint32_t length1 = 0;
  std::uint32_t length2 = 0;
};

MessageHeader DecodeMessageHeader(std::span<const std::uint8_t, kMessageHeaderSize> bytes);

// A reply is accepted ("o" and its complement), refused ("n", whatever
// follows) or not a reply at all.
enum class ReplyKind { Accepted, Refused, Invalid };
ReplyKind ClassifyReply(const MessageHeader& header);

// The whole message, zero-filled and padded, not yet encrypted. Throws
// std::bad_alloc when the message cannot be allocated.
std::vector<std::uint8_t> BuildNetMessage(std::uint8_t letter, std::span<const std::uint8_t> payload1,
                                     std::span<const std::uint8_t> payload2, std::uint16_t random);

}  // namespace tk48
