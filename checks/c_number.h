#pragma once
// The C library's text-to-number conversions as the checks and the editors'
// commit step use them, on UTF-16 text and with 32-bit longs whatever the
// platform's long is: strtol (base 10), strtoul (base 10 or 16) and strtod.
// Locale-independent: the decimal point is always '.'.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tk48 {

template <class T>
struct CNumber {
  T value = 0;          // what the conversion returns (clamped on overflow)
  std::size_t end = 0;  // units consumed; 0 when nothing was converted
  bool overflow = false;
  // The whole text is one number that fits.
  bool Whole(std::size_t size) const { return end != 0 && end == size && !overflow; }
};

CNumber<std::int32_t> ParseLong(std::u16string_view text);
// A leading '-' negates modulo 2^32 ("-1" gives 4294967295); base 16 takes "0x".
CNumber<std::uint32_t> ParseULong(std::u16string_view text, int base);
CNumber<double> ParseDouble(std::u16string_view text);

}  // namespace tk48
