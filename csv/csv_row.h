#pragma once
// The row descriptors that drive both the CSV export and the CSV import.
#include <cstdint>
#include <string>
#include <string_view>

#include "resources/string_table.h"

namespace tk48 {

// Four string-table ids, one per header cell, and one parameter. Id 0 is an
// empty cell; kMatchedEmpty is an empty cell that still counts as matched.
struct CsvRowHeader {
  std::uint16_t id[4] = {0, 0, 0, 0};
  std::int32_t param = 0;
};
inline constexpr std::uint16_t kMatchedEmpty = 65535;

// The id of a string-table text, found when the program is compiled: a layout
// that names a text the table lacks does not build.
consteval std::uint16_t TextId(std::string_view text) {
  for (const StringEntry& e : kStringTable)
    if (e.text == text) return static_cast<std::uint16_t>(e.id);
  throw "text missing from the string table";
}

// A header text formatted as the layouts print it: one "%d" takes the
// parameter, two ("MA %d - %d") take 32 * p - 31 and 32 * p.
std::string HeaderText(std::uint16_t id, std::int32_t param);

}  // namespace tk48
