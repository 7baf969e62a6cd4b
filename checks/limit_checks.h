#pragma once
// A value checked with its field's editor limit (checks/editor_limits.h) when
// it comes from elsewhere than a screen: a number goes through the editors'
// silent checks, a text through its editor's text check. The number texts are
// taken as given (the CSV import trims and folds its cells first). Nothing
// here looks at the record.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "checks/editor_limits.h"

namespace tk48 {

// A decimal integer in [min, max] (unsigned above INT32_MAX, as CheckUInt reads it).
std::optional<std::int64_t> IntegerValue(std::string_view text, std::int64_t min, std::int64_t max);
// A hexadecimal number from 0 to `max`, with or without "0x".
std::optional<std::uint32_t> HexValue(std::string_view text, std::uint32_t max);
// An integer by a Whole, OneOf or Port limit (the port's owner is the caller's to check).
std::optional<std::int64_t> WholeValue(std::string_view text, const CellLimit& limit);
// A number by its limit: a real by CheckReal or CheckRealNonZero, or a whole number.
std::optional<double> NumberValue(std::string_view text, const CellLimit& limit);
// Whether a text passes its editor's text check: `bytes` for the forms checked
// by character (a name's quote, an address), `units` as the editor counts them.
bool TextFits(std::string_view bytes, std::u16string_view units, const CellLimit& limit);

}  // namespace tk48
