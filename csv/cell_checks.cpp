#include "csv/cell_checks.h"

#include "checks/limit_checks.h"
#include "csv/csv_text.h"

namespace tk48 {
namespace {

std::string NumberText(std::string_view cell) { return TrimBlanks(FoldWidth(cell)); }

}  // namespace

std::u16string Units(std::string_view latin1) {
  std::u16string u;
  u.reserve(latin1.size());
  for (char c : latin1) u.push_back(static_cast<unsigned char>(c));
  return u;
}

std::optional<std::int64_t> IntegerCell(std::string_view cell, std::int64_t min, std::int64_t max) {
  return IntegerValue(NumberText(cell), min, max);
}

std::optional<std::uint32_t> HexCell(std::string_view cell, std::uint32_t max) {
  return HexValue(NumberText(cell), max);
}

std::optional<std::int64_t> WholeCell(std::string_view cell, const CellLimit& l) {
  return WholeValue(NumberText(cell), l);
}

std::optional<double> NumberCell(std::string_view cell, const CellLimit& l) { return NumberValue(NumberText(cell), l); }

bool TextCellFits(std::string_view latin1, const CellLimit& l) { return TextFits(latin1, Units(latin1), l); }

CellLimit LimitOf(const CsvRow& row, const CsvItem& it) {
  const unsigned char* value =
      reinterpret_cast<const unsigned char*>(&it.d) + row.offset + static_cast<std::size_t>(it.i) * row.stride;
  for (const EditorLimit* l : row.limits)
    if (LimitHolds(*l, value)) return l->limit;
  return SchemaLimit(*row.node);
}

}  // namespace tk48
