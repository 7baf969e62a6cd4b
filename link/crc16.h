#pragma once
// The 16-bit check of the serial block protocol (CRC-16/GENIBUS: polynomial 0x1021,
// initial value 0xFFFF, most significant bit first, no reflection, result complemented).
#include <cstdint>
#include <span>

namespace tk48 {

inline constexpr std::uint16_t kCrc16Init = 0xFFFF;

// Feeds `data` into a running register (start with kCrc16Init).
std::uint16_t Crc16Update(std::uint16_t reg, std::span<const std::uint8_t> data);

// The finished check of `data`: the complemented register.
inline std::uint16_t Crc16Genibus(std::span<const std::uint8_t> data) {
  return static_cast<std::uint16_t>(~Crc16Update(kCrc16Init, data));
}

}  // namespace tk48
