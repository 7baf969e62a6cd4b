#pragma once
// The numbered string table: every text the user sees, fetched by number.
#include <string>
#include <string_view>

namespace tk48 {

// The text of string-table entry `id` (UTF-8); empty when there is none.
std::string_view LoadText(int id);

// printf-style formatting of a loaded text ("Cannot open COM port %d").
std::string FormatText(int id, ...);

}  // namespace tk48
