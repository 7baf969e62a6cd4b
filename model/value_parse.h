#pragma once
// The value rules of the configuration file reader, shared with the CSV import.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "model/field_access.h"
#include "model/schema.h"

namespace tk48 {

// A 32-bit integer: "0x"/"0X" and hex digits, else decimal digits with one '-'
// allowed before the first non-zero digit. Reading stops at the first other
// character; no digits give 0. Accumulates in 32 bits, so large values wrap.
std::int32_t ParseInt32(std::string_view text);

// Like the C library's text-to-double: leading blanks, sign, digits, point,
// exponent; stops at the first other character; no digits give 0.
double ParseReal(std::string_view text);

// Whether an Int field accepts `v` (its value as the field's signedness reads it).
bool AcceptsInt(const Node& n, std::int64_t v);

// Undoes the text escape into `field` (capacity bytes, cleared first); stores at
// most capacity - 1 bytes, cutting without notice ("#D" that does not fit whole
// ends the copy) and never inside a character.
void UnescapeText(std::string_view text, char* field, std::size_t capacity);

// Index of `text` in the list, or -1.
int FindKeyword(const Keywords& words, std::string_view text);

struct RefValue {
  int kind = -1;  // -1: refused
  int number = 0;
};
// A family keyword with a channel number in the family's range, or a keyword
// taken without a number.
RefValue ParseRef(const Families& families, std::string_view text);

// "NONE" is 0, "MD1".."MD256" the number; -1 when refused.
int ParseMdNumber(std::string_view text);

// "30S": one of the allowed values followed by the suffix; -1 when refused.
std::int64_t ParseSuffixed(const Node& n, std::string_view text);

enum class Store : std::uint8_t {
  Stored,
  Refused,  // the field keeps its value; the read is invalid
  Fatal,    // a real number (or a width read as one) out of its bounds: the read fails outright
};
// Converts `text` by the field's rules and stores it in item `slot`; `base` is
// the parent's base (a pen channel reads its pen type there).
Store StoreFieldValue(const Node& n, const FieldSlot& slot, unsigned char* base, std::string_view text);

}  // namespace tk48
