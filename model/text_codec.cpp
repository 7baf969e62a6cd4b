#include "model/text_codec.h"

namespace tk48 {

namespace {
constexpr std::size_t kMaxUnits = 4096;
constexpr std::size_t kMaxBytes = 4095;
bool Tail(unsigned char b) { return b >= 0x80 && b <= 0xBF; }
}  // namespace

std::u16string Utf8ToUtf16(std::string_view s) {
  std::u16string out;
  std::size_t i = 0;
  while (i < s.size() && s[i] != '\0' && out.size() < kMaxUnits) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80) {
      out += static_cast<char16_t>(b0);
      i += 1;
    } else if (b0 >= 0xC0 && b0 <= 0xDF && i + 1 < s.size() && Tail(static_cast<unsigned char>(s[i + 1]))) {
      out += static_cast<char16_t>(((b0 & 0x1F) << 6) | (static_cast<unsigned char>(s[i + 1]) & 0x3F));
      i += 2;
    } else if (b0 >= 0xE0 && b0 <= 0xEF && i + 2 < s.size() && Tail(static_cast<unsigned char>(s[i + 1])) &&
               Tail(static_cast<unsigned char>(s[i + 2]))) {
      out += static_cast<char16_t>(((b0 & 0x0F) << 12) | ((static_cast<unsigned char>(s[i + 1]) & 0x3F) << 6) |
                                   (static_cast<unsigned char>(s[i + 2]) & 0x3F));
      i += 3;
    } else {
      out += u'\uFFFD';
      i += 1;
    }
  }
  return out;
}

std::string Utf16ToUtf8(std::u16string_view s) {
  std::string out;
  for (char16_t u : s) {
    const std::size_t need = u < 0x80 ? 1 : u < 0x800 ? 2 : 3;
    if (out.size() + need > kMaxBytes) break;
    if (need == 1) {
      out += static_cast<char>(u);
    } else if (need == 2) {
      out += static_cast<char>(0xC0 | (u >> 6));
      out += static_cast<char>(0x80 | (u & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (u >> 12));
      out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (u & 0x3F));
    }
  }
  return out;
}

}  // namespace tk48
