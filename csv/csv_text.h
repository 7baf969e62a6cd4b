#pragma once
// The CSV text rules shared by the export and the import: one byte per
// character (Latin-1), quoting, and the header cells.
#include <optional>
#include <string>
#include <string_view>

#include "csv/csv_row.h"

namespace tk48 {

// UTF-8 to one byte per character; nullopt when a character lies above U+00FF
// or the text is not UTF-8. Header texts also pass through HeaderBytes.
std::optional<std::string> Utf8ToLatin1(std::string_view utf8);
// One byte per character back to UTF-8.
std::string Latin1ToUtf8(std::string_view latin1);

// A record text as a cell: a text with a double quote is enclosed in quotes with
// every quote doubled; a text with a comma or a line break is enclosed; any
// other text stands as it is. nullopt when the text cannot be written.
std::optional<std::string> QuoteCsvText(std::string_view utf8);

// A header text as written: the one U+30FB of the PI layout ("Modbus/TCP・SLMP")
// has no Latin-1 form and is written as U+00B7, the Latin-1 middle dot.
std::string HeaderBytes(std::uint16_t id, std::int32_t param);

// Full-width forms (U+FF01..U+FF5E) and the ideographic space, as UTF-8 bytes,
// folded to their ASCII forms: how header cells, labels and numbers are read.
std::string FoldWidth(std::string_view s);
// Without leading and trailing blanks (spaces and tabs).
std::string TrimBlanks(std::string_view s);

// Writes the H header cells of a row, each followed by a comma, and returns the
// id of the last non-empty header cell (0 for an end record).
std::uint16_t WriteRowHeader(const CsvRowHeader& row, int headers, std::string& out, std::int32_t number);

}  // namespace tk48
