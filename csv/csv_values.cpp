#include "csv/csv_values.h"

#include <string_view>

#include "csv/layout_builders.h"
#include "csv/slmp_devices.h"

namespace tk48 {

const Choice* FindChoice(const Choices* choices, std::int64_t value) {
  if (!choices) return nullptr;
  for (const Choice& c : *choices)
    if (c.value == value) return &c;
  return nullptr;
}

bool CellApplies(const CsvRow& row, const CsvItem& it, const unsigned char* record) {
  if (row.when && !row.when(it)) return false;
  if (!row.gateNode) return true;
  const std::int64_t v =
      IntValue(*row.gateNode, record + row.gateOffset + static_cast<std::size_t>(it.i) * row.gateStride);
  return row.gateValue == kNonZero ? v != 0 : v == row.gateValue;
}

bool CellHasValue(const CsvRow& row, const CsvItem& it, const unsigned char* record) {
  if (!CellApplies(row, it, record)) return false;
  const auto at = static_cast<std::size_t>(it.i);
  const unsigned char* value = record + row.offset + at * row.stride;
  switch (row.cell) {
    case Cell::RefCh: return RefNumber(row, value, record + row.numOffset + at * row.numStride).has_value();
    case Cell::ItemBit: return row.arg == 0 || it.i < row.arg;
    case Cell::SlmpNumber: {
      const auto code = static_cast<std::uint16_t>(LoadInt(record + row.auxOffset + at * row.auxStride, Width::U16));
      return SlmpDeviceOf(static_cast<SlmpList>(row.arg / 2), code).hex == (row.arg % 2 == 1);
    }
    default: return true;
  }
}

std::uint16_t FamilyText(const CsvRow& row, std::size_t family) {
  if (row.node->kind == Kind::MdNumber) return family == 0 ? static_cast<std::uint16_t>(row.arg) : T("MD");
  const std::string_view k = (*row.node->families)[family].keyword;
  static constexpr std::pair<std::string_view, std::uint16_t> kTexts[] = {
      {"AI", T("AI")}, {"DI", T("DI")}, {"PI", T("PI")},   {"MA", T("MA")},
      {"MD", T("MD")}, {"AO", T("AO")}, {"DO", T("DO")},   {"GDO", T("GDO")},
      {"LOW", T("0 (fixed value)")},    {"HIGH", T("1 (fixed value)")}};
  if (k == "NONE") return static_cast<std::uint16_t>(row.arg);
  for (const auto& [keyword, text] : kTexts)
    if (keyword == k) return text;
  return 0;
}

std::uint16_t RefTypeText(const CsvRow& row, const unsigned char* value, const unsigned char* number) {
  if (row.node->kind == Kind::MdNumber) return FamilyText(row, LoadInt(value, Width::U16) == 0 ? 0 : 1);
  (void)number;
  const std::int32_t kind = LoadI32(value);
  if (kind < 0 || static_cast<std::size_t>(kind) >= row.node->families->size()) return 0;
  return FamilyText(row, static_cast<std::size_t>(kind));
}

std::optional<std::int64_t> RefNumber(const CsvRow& row, const unsigned char* value, const unsigned char* number) {
  if (row.node->kind == Kind::MdNumber) {
    const std::int64_t v = LoadInt(value, Width::U16);
    return v == 0 ? std::nullopt : std::optional<std::int64_t>(v);
  }
  const std::int32_t kind = LoadI32(value);
  const auto& families = *row.node->families;
  if (kind < 0 || static_cast<std::size_t>(kind) >= families.size() || families[kind].noNumber) return std::nullopt;
  return LoadI16(number);
}

bool MaK1IsInteger(std::int64_t type) { return type == 5 || type == 6 || type == 12; }
bool MaK2IsUnit(std::int64_t type) { return type == 12; }

const Choices& TimeUnits() {
  static const Choices c = csv_layouts::Seq({T("Minute"), T("Hour"), T("Day")});
  return c;
}

CsvItem TableItem(const CsvTable& t, const SettingData& record, int i) {
  const auto* base = reinterpret_cast<const unsigned char*>(&record);
  const auto at = static_cast<std::size_t>(i);
  CsvItem it{record, i, 0, 0};
  if (t.typeNode) it.type = IntValue(*t.typeNode, base + t.typeOffset + at * t.typeStride);
  if (t.areasNode) it.areas = static_cast<int>(IntValue(*t.areasNode, base + t.areasOffset + at * t.areasStride));
  it.gated = !t.zonesNeedType || it.type != 0;
  return it;
}

std::int64_t FileMode(const CsvFile& file, const SettingData& record) {
  if (!file.modeNode) return 0;
  return IntValue(*file.modeNode, reinterpret_cast<const unsigned char*>(&record) + file.modeOffset);
}

void MailTemplatesInUse(const SettingData& record, std::uint32_t (&mask)[4]) {
  for (int m = 0; m < 128; ++m)
    if (record.MAIL_REPORT.FORM[m].MODE == 1) mask[m / 32] |= 1u << (m % 32);
}

}  // namespace tk48
