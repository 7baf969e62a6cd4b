#pragma once
// Text between the record (UTF-8, characters of the Basic Multilingual Plane)
// and the screen (UTF-16).
#include <cstddef>
#include <string>
#include <string_view>

namespace tk48 {

// At most 4096 units, up to the first NUL. A byte that starts no valid one-,
// two- or three-byte sequence is consumed alone and gives U+FFFD; overlong forms
// are not rejected and four-byte forms never decode.
std::u16string Utf8ToUtf16(std::string_view utf8);

// Each unit as one to three bytes (surrogates one by one); at most 4095 bytes.
std::string Utf16ToUtf8(std::u16string_view utf16);

// The length of `utf8` cut to at most `room` bytes without splitting a
// character: a sequence the cut would leave partial is dropped whole. Every
// cut of a text into a record field goes through here, so a record never holds
// half a character that the writer would then put into a file that no longer
// parses.
std::size_t WholeCharacterCut(std::string_view utf8, std::size_t room);
// The same for a text already cut at its end: its length without a trailing
// partial character.
std::size_t WithoutPartialCharacter(std::string_view cut);

// A control character that an XML 1.0 document cannot carry (0x01-0x08, 0x0B,
// 0x0C, 0x0E-0x1F); tab, line feed and carriage return are fine.
constexpr bool IsXmlForbiddenControl(char32_t c) {
  return (c >= 0x01 && c <= 0x08) || c == 0x0B || c == 0x0C || (c >= 0x0E && c <= 0x1F);
}

}  // namespace tk48
