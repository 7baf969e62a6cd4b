#pragma once
// Short builders for the layout tables of csv/layouts_*.cpp.
#include <initializer_list>
#include <string>
#include <utility>

#include "csv/csv_layout.h"

#define T(text) ::tk48::TextId(text)

namespace tk48::csv_layouts {

inline CsvRowHeader H(std::uint16_t a, std::uint16_t b = 0, std::uint16_t c = 0, std::uint16_t d = 0, int p = 0) {
  return CsvRowHeader{{a, b, c, d}, p};
}

inline CsvFile NewFile(std::string name, std::uint16_t label, int headers) {
  CsvFile f;
  f.name = std::move(name);
  f.label = label;
  f.headers = headers;
  return f;
}

inline CsvRow Row(CsvRowHeader h, Cell cell, std::string field, When when = nullptr, const Choices* choices = nullptr,
                  int arg = 0) {
  CsvRow r;
  r.head = h;
  r.cell = cell;
  r.field = std::move(field);
  r.when = when;
  r.choices = choices;
  r.arg = arg;
  return r;
}

// A row written only while the field `gate` holds `value` (kNonZero: anything but 0).
inline CsvRow Gated(CsvRow row, std::string gate, std::int64_t value = kNonZero) {
  row.gate = std::move(gate);
  row.gateValue = value;
  return row;
}

// Choice lists whose values count from 0 in list order.
inline Choices Seq(std::initializer_list<std::uint16_t> texts) {
  Choices c;
  std::int32_t v = 0;
  for (std::uint16_t t : texts) c.push_back({v++, t});
  return c;
}

// The shared two-entry lists.
inline const Choices& DisableEnable() {
  static const Choices c = Seq({T("Disable"), T("Enable")});
  return c;
}
inline const Choices& OffOnTexts() {
  static const Choices c = Seq({T("OFF"), T("ON")});
  return c;
}
inline const Choices& NoUseUseTexts() {
  static const Choices c = Seq({T("NOUSE"), T("USE")});
  return c;
}
inline const Choices& InvalidActiveTexts() {
  static const Choices c = Seq({T("Invalid"), T("Active")});
  return c;
}
inline const Choices& SjisUtf8Texts() {
  static const Choices c = Seq({T("SJIS"), T("UTF-8")});
  return c;
}

// Conditions on the item's mode field.
inline bool Always(const CsvItem&) { return true; }
template <int... V>
bool TypeIs(const CsvItem& it) {
  return ((it.type == V) || ...);
}
template <int... V>
bool TypeNot(const CsvItem& it) {
  return ((it.type != V) && ...);
}

// Appends the rows of `more`.
inline void Append(std::vector<CsvRow>& to, std::vector<CsvRow> more) {
  for (CsvRow& r : more) to.push_back(std::move(r));
}

// "IO.AI[#]." + name
inline std::string At(const std::string& prefix, const char* name) { return prefix + name; }

}  // namespace tk48::csv_layouts
