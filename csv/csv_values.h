#pragma once
// What the export and the import share about value cells: where a value
// applies, how references and choices map to texts.
#include <cstdint>
#include <optional>

#include "csv/csv_layout.h"
#include "model/field_access.h"
#include "resources/text_ids.h"

namespace tk48 {

// A stored integer, keyword index or reference kind, widened.
inline std::int64_t IntValue(const Node& n, const unsigned char* p) {
  switch (n.kind) {
    case Kind::Int: case Kind::MdNumber: case Kind::PenChannel: return LoadInt(p, n.width);
    default: return LoadI32(p);
  }
}

const Choice* FindChoice(const Choices* choices, std::int64_t value);

// The row's cell holds a value for this item: its condition and its gate field.
bool CellApplies(const CsvRow& row, const CsvItem& it, const unsigned char* record);
// ... and the value itself takes a cell: a reference's CH row needs a family
// with numbers, an SLMP number row the device of its numbering, a bit of an
// item table an item that has one.
bool CellHasValue(const CsvRow& row, const CsvItem& it, const unsigned char* record);

// The family text of a reference ("None"/"Disable" from the row for no channel).
std::uint16_t RefTypeText(const CsvRow& row, const unsigned char* value, const unsigned char* number);
// The channel number; nullopt when the family takes none.
std::optional<std::int64_t> RefNumber(const CsvRow& row, const unsigned char* value, const unsigned char* number);
// The text id of each family a reference may hold, in the node's family order.
std::uint16_t FamilyText(const CsvRow& row, std::size_t family);

// MA constants: K1 is a whole number for the averaging and accumulating
// functions, K2 the time unit of the analog accumulation.
bool MaK1IsInteger(std::int64_t type);
bool MaK2IsUnit(std::int64_t type);
const Choices& TimeUnits();

// Item i of a file's table, with its mode and zone count.
CsvItem TableItem(const CsvTable& table, const SettingData& record, int i);
// The mode of a file of single rows.
std::int64_t FileMode(const CsvFile& file, const SettingData& record);

// Bit m - 1 of the four words for every mail template m in use.
void MailTemplatesInUse(const SettingData& record, std::uint32_t (&mask)[4]);

}  // namespace tk48
