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

// Bit words "TEXT %d - %d" for p = 1 to `words` in column `col`, field[1] to
// field[words]; `lead` heads the first row's earlier columns.
inline std::vector<CsvRow> WordRows(std::uint16_t text, const std::string& field, int words, int col, When when,
                                    CsvRowHeader lead = {}, Cell cell = Cell::Auto) {
  std::vector<CsvRow> rows;
  for (int w = 1; w <= words; ++w) {
    CsvRowHeader h = w == 1 ? lead : CsvRowHeader{};
    h.id[col] = text;
    h.param = w;
    rows.push_back(Row(h, cell, field + "[" + std::to_string(w) + "]", when, nullptr, w - 1));
  }
  return rows;
}

// The masked "Mail template No. %d - %d" words of a block, in column `col`.
inline std::vector<CsvRow> MailRows(const std::string& field, int col, When when) {
  return WordRows(T("Mail template No. %d - %d"), field, 4, col, when, {}, Cell::MaskedMail);
}

// Sunday to Saturday.
inline constexpr std::uint16_t kWeekdays[] = {T("Sunday"),   T("Monday"), T("Tuesday"), T("Wednesday"),
                                              T("Thursday"), T("Friday"), T("Saturday")};

// An item table of `count` items labelled `label` from `first`.
inline CsvTable Table(int count, std::uint16_t label, std::string typeField, std::uint16_t firstRow,
                      std::string caution, int first = 1) {
  CsvTable t;
  t.count = count;
  t.first = first;
  t.label = label;
  t.typeField = std::move(typeField);
  t.cautionWord = std::move(caution);
  t.firstRow = firstRow;
  return t;
}

// The display comments and colours of a discrete output's two states.
inline std::vector<CsvRow> OutputStatusRows(const std::string& p, When when) {
  return {Row(H(T("Status (ON)"), T("Display comment")), Cell::Auto, p + "STATUS.ON.DISP_STRING", when),
          Row(H(0, T("Color")), Cell::Auto, p + "STATUS.ON.DISP_COLOR", when),
          Row(H(T("Status (OFF)"), T("Display comment")), Cell::Auto, p + "STATUS.OFF.DISP_STRING", when),
          Row(H(0, T("Color")), Cell::Auto, p + "STATUS.OFF.DISP_COLOR", when)};
}

}  // namespace tk48::csv_layouts
