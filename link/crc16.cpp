#include "link/crc16.h"

#include <array>

namespace tk48 {
namespace {

constexpr std::array<std::uint16_t, 256> MakeTable() {
  std::array<std::uint16_t, 256> table{};
  for (unsigned i = 0; i < 256; ++i) {
    std::uint16_t reg = static_cast<std::uint16_t>(i << 8);
    for (int bit = 0; bit < 8; ++bit)
      reg = static_cast<std::uint16_t>((reg & 0x8000) ? (reg << 1) ^ 0x1021 : reg << 1);
    table[i] = reg;
  }
  return table;
}

constexpr auto kTable = MakeTable();

}  // namespace

std::uint16_t Crc16Update(std::uint16_t reg, std::span<const std::uint8_t> data) {
  for (std::uint8_t byte : data)
    reg = static_cast<std::uint16_t>((reg << 8) ^ kTable[((reg >> 8) ^ byte) & 0xFF]);
  return reg;
}

}  // namespace tk48
