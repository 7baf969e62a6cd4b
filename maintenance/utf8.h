#pragma once
// Well-formed UTF-8, as the device's names and log text must be.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tk48::maint {

// The length of the well-formed sequence that starts `s` (no overlong form, no
// surrogate, nothing above U+10FFFF), or 0.
inline std::size_t Utf8Sequence(std::string_view s) {
  if (s.empty()) return 0;
  const auto b = static_cast<unsigned char>(s[0]);
  const std::size_t n = b < 0x80 ? 1 : (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3 : (b & 0xF8) == 0xF0 ? 4 : 0;
  if (n == 0 || n > s.size()) return 0;
  std::uint32_t cp = n == 1 ? b : b & (0x7Fu >> n);
  for (std::size_t k = 1; k < n; ++k) {
    const auto c = static_cast<unsigned char>(s[k]);
    if ((c & 0xC0) != 0x80) return 0;
    cp = cp << 6 | (c & 0x3F);
  }
  static constexpr std::uint32_t kMin[5] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < kMin[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return n;
}

inline bool IsUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t n = Utf8Sequence(s.substr(i));
    if (n == 0) return false;
    i += n;
  }
  return true;
}

}  // namespace tk48::maint
