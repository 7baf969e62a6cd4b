#pragma once
// Text between the record (UTF-8, characters of the Basic Multilingual Plane)
// and the screen (UTF-16).
#include <string>
#include <string_view>

namespace tk48 {

// At most 4096 units, up to the first NUL. A byte that starts no valid one-,
// two- or three-byte sequence is consumed alone and gives U+FFFD; overlong forms
// are not rejected and four-byte forms never decode.
std::u16string Utf8ToUtf16(std::string_view utf8);

// Each unit as one to three bytes (surrogates one by one); at most 4095 bytes.
std::string Utf16ToUtf8(std::u16string_view utf16);

}  // namespace tk48
