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

std::size_t WithoutPartialCharacter(std::string_view cut) {
  // Step back over the tail bytes at the end to the lead byte that owns them.
  const std::size_t size = cut.size();
  for (std::size_t back = 1; back <= 3 && back <= size; ++back) {
    const auto b = static_cast<unsigned char>(cut[size - back]);
    if (b < 0x80) return size;  // ASCII: the cut is between characters
    if (b >= 0xC0) {
      const std::size_t length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
      return back < length ? size - back : size;
    }
  }
  return size;  // no lead byte in reach: not UTF-8, nothing to mend
}

std::size_t WholeCharacterCut(std::string_view s, std::size_t room) {
  return s.size() <= room ? s.size() : WithoutPartialCharacter(s.substr(0, room));
}

}  // namespace tk48
