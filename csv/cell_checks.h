#pragma once
// The checks of one value cell: a number is trimmed and folded to half-width,
// then goes through the editors' silent checks with the cell's limits
// (checks/limit_checks.h); a text goes through its editor's text check.
// Nothing here looks at the record but the item a limit depends on.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "checks/editor_limits.h"
#include "csv/csv_layout.h"

namespace tk48 {

// The cell's bytes (one per character) as the checks take them.
std::u16string Units(std::string_view latin1);

// A decimal integer in [min, max] (unsigned above INT32_MAX, as CheckUInt reads it).
std::optional<std::int64_t> IntegerCell(std::string_view cell, std::int64_t min, std::int64_t max);
// A hexadecimal number from 0 to `max`, with or without "0x".
std::optional<std::uint32_t> HexCell(std::string_view cell, std::uint32_t max);
// An integer by a Whole, OneOf or Port limit (the port's owner is the caller's to check).
std::optional<std::int64_t> WholeCell(std::string_view cell, const CellLimit& limit);
// A number by its limit: a real by CheckReal or CheckRealNonZero, or a whole number.
std::optional<double> NumberCell(std::string_view cell, const CellLimit& limit);
// Whether a text cell passes its editor's text check.
bool TextCellFits(std::string_view latin1, const CellLimit& limit);

// The limit of `row`'s cell for item `it`: the first of the row's editor limits
// that holds for the item, else the schema's.
CellLimit LimitOf(const CsvRow& row, const CsvItem& it);

}  // namespace tk48
