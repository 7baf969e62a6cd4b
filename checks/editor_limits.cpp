#include "checks/editor_limits.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "model/field_access.h"
#include "model/field_path.h"
#include "model/setting_data.h"

namespace tk48 {
namespace {

constexpr CellLimit Real(double min = -kRealLimit, double max = kRealLimit, int places = 3) {
  return {Check::Real, min, max, places};
}
constexpr CellLimit NonZero(int places = 3) { return {Check::RealNonZero, -kRealLimit, kRealLimit, places}; }
constexpr CellLimit Whole(double min, double max) { return {Check::Whole, min, max}; }
constexpr CellLimit Chars(Check check, int chars) { return {check, 0, 0, 3, chars}; }
constexpr CellLimit Port(PortService service) { return {Check::Port, 0, 65535, 3, 0, {}, service}; }

constexpr std::int32_t kSamples[] = {4, 8, 16, 32, 64};

// The MA function screens' constants: AVERAGE a moving average, SINGLE a delay
// buffer, ANALOG_SUM an analog accumulation, F_VALUE and SCALE; the other
// functions take any real. A discrete logging pen (DI, MD, DO, GDO) records 0
// (OFF) or 1 (ON) on error.
constexpr EditorLimit kLimits[] = {
    // A scale multiplies the value: 0 would make it 0 whatever the input.
    {"IO.AI[#].SCALE", {}, NonZero()},
    {"IO.PI[#].SCALE", {}, NonZero()},
    {"IO.AO[#].WEB_SCALE", {}, NonZero(4)},
    // The function screens' constants.
    {"IO.MA[#].CONST.K[1]", "IO.MA[#].TYPE=AVERAGE", {Check::OneOf, 0, 0, 3, 0, kSamples}},
    {"IO.MA[#].CONST.K[1]", "IO.MA[#].TYPE=SINGLE", Whole(0, 100)},
    {"IO.MA[#].CONST.K[1]", "IO.MA[#].TYPE=ANALOG_SUM", Whole(0, 10000)},
    {"IO.MA[#].CONST.K[3]", "IO.MA[#].TYPE=ANALOG_SUM", Real(0, 120)},
    {"IO.MA[#].CONST.K[2]", "IO.MA[#].TYPE=F_VALUE", Real(0.001)},
    {"IO.MA[#].CONST.K[3]", "IO.MA[#].TYPE=SCALE", Real(-2000, 12000)},
    {"IO.MA[#].CONST.K[4]", "IO.MA[#].TYPE=SCALE", Real(-2000, 12000)},
    {"RECORD.LOGGING.PEN[*].ERR_VALUE", "RECORD.LOGGING.PEN[*].PEN_TYPE=DI|MD|DO|GDO", Real(0, 1, 0)},
    // Integers the editors hold narrower than the file does.
    {"IO.PI[#].CARD_CH", {}, Whole(1, 2)},         // a pulse module has two channels
    {"IO.AO[#].INIT", {}, Whole(-32768, 32767)},   // the file keeps any number's low 16 bits
    {"IO.MD[#].INPUT_CONT.CN", {}, Whole(3, 16)},  // a run of 3 to 16 channels
    {"RECORD.REPORT.YEAR_CHANGE", {}, Whole(1, 12)},
    // The three servers listen on ports of their own.
    {"COM.WEB.PORT", {}, Port(PortService::Web)},
    {"COM.FTP.PORT", {}, Port(PortService::Ftp)},
    {"COM.MODBUS_TCP.PORT", {}, Port(PortService::ModbusTcp)},
    // Texts checked otherwise than by the text check on a third of the capacity.
    {"IO.NODE_CONF.NODE[#]", {}, {Check::Address}},
    {"COM.SNTP.SERVER", {}, Chars(Check::Length, 64)},
    {"COM.SMTP_POP3.MY_ADDRESS", {}, Chars(Check::Length, 64)},
    {"COM.SMTP_POP3.SMTP_SERVER", {}, Chars(Check::Length, 64)},
    {"COM.SMTP_POP3.POP3_SERVER", {}, Chars(Check::Length, 64)},
    {"COM.SMTP_POP3.ACCOUNT", {}, Chars(Check::Length, 64)},
    {"COM.FTPC.FTP_SERVER", {}, Chars(Check::Ascii, 64)},
    {"COM.SMTP_POP3.MAIL_NAME[#]", {}, Chars(Check::Name, 64)},
};

// A row's `when` resolved against the schema: where the field it reads lies
// from the limited field's value (both in one item, so the distance is the same
// for every item) and the values it holds for.
struct Condition {
  std::ptrdiff_t distance = 0;
  Width width = Width::S32;
  std::vector<std::int64_t> values;
};

[[noreturn]] void BadRow(std::string_view row, std::string_view what) {
  std::fprintf(stderr, "editor limit %.*s does not fit the schema: %.*s\n", static_cast<int>(row.size()), row.data(),
               static_cast<int>(what.size()), what.data());
  std::abort();
}

// The path of item `number`: every number placeholder replaced.
std::string ItemPath(std::string_view pattern, int number) {
  std::string path(pattern);
  for (const char* placeholder : {"[#]", "[*]"})
    for (std::size_t at; (at = path.find(placeholder)) != std::string::npos;)
      path.replace(at, 3, "[" + std::to_string(number) + "]");
  return path;
}

// Where the holder lies from the limited field, the same in items 1 and 2: both lie in one item.
std::ptrdiff_t Distance(SettingData& scratch, const EditorLimit& row, std::string_view holder) {
  std::ptrdiff_t distance[2] = {};
  for (int number : {1, 2}) {
    const auto limited = FindField(scratch, ItemPath(row.field, number));
    const auto held = FindField(scratch, ItemPath(holder, number));
    if (!limited || !held) BadRow(row.field, row.when);
    distance[number - 1] = held->slot.value - limited->slot.value;
  }
  if (distance[0] != distance[1]) BadRow(row.field, row.when);
  return distance[0];
}

Condition Resolve(SettingData& scratch, const EditorLimit& row) {
  Condition c;
  const std::size_t eq = row.when.find('=');
  if (eq == std::string_view::npos) BadRow(row.field, row.when);
  c.distance = Distance(scratch, row, row.when.substr(0, eq));
  const auto holder = FindField(scratch, ItemPath(row.when.substr(0, eq), 1));
  c.width = StorageWidth(*holder->node);
  for (std::string_view list = row.when.substr(eq + 1); !list.empty();) {
    const std::size_t bar = list.find('|');
    const std::string_view word = list.substr(0, bar);
    list = bar == std::string_view::npos ? std::string_view{} : list.substr(bar + 1);
    std::int64_t v = -1;
    if (holder->node->kind == Kind::Keyword) {
      const auto& words = *holder->node->keywords;
      const auto it = std::find(words.begin(), words.end(), word);
      if (it == words.end()) BadRow(row.field, word);
      v = it - words.begin();
    } else if (std::from_chars(word.data(), word.data() + word.size(), v).ec != std::errc{}) {
      BadRow(row.field, word);
    }
    c.values.push_back(v);
  }
  return c;
}

const std::vector<Condition>& Conditions() {
  static const std::vector<Condition> conditions = [] {
    const std::unique_ptr<SettingData> scratch = NewSettingData();
    std::vector<Condition> all;
    for (const EditorLimit& row : kLimits) all.push_back(row.when.empty() ? Condition{} : Resolve(*scratch, row));
    return all;
  }();
  return conditions;
}

}  // namespace

std::span<const EditorLimit> EditorLimits() { return kLimits; }

bool FieldMatches(std::string_view pattern, std::string_view field) {
  std::size_t f = 0;
  for (std::size_t p = 0; p < pattern.size(); ++p) {
    if (pattern.substr(p, 3) == "[#]" || pattern.substr(p, 3) == "[*]") {
      if (f >= field.size() || field[f] != '[') return false;
      const std::size_t close = field.find(']', f);
      if (close == std::string_view::npos || close == f + 1) return false;
      const std::string_view inside = field.substr(f + 1, close - f - 1);
      if (inside != "#" && inside.find_first_not_of("0123456789") != std::string_view::npos) return false;
      f = close + 1;
      p += 2;
      continue;
    }
    if (f >= field.size() || field[f++] != pattern[p]) return false;
  }
  return f == field.size();
}

bool LimitHolds(const EditorLimit& limit, const unsigned char* value) {
  if (limit.when.empty()) return true;
  const Condition& c = Conditions()[static_cast<std::size_t>(&limit - kLimits)];
  const std::int64_t held = LoadInt(value + c.distance, c.width);
  return std::find(c.values.begin(), c.values.end(), held) != c.values.end();
}

CellLimit SchemaLimit(const Node& n) {
  switch (n.kind) {
    case Kind::Real: return Real(-kRealLimit, kRealLimit, n.fmt == Fmt::F4 ? 4 : 3);
    // The editors count characters: N for a field of 3 N bytes of UTF-8.
    case Kind::Text: return Chars(n.ascii ? Check::Ascii : Check::Text, (n.capacity - 1) / 3);
    default:
      if (!n.allowed.empty()) return {Check::OneOf, 0, 0, 3, 0, n.allowed};
      return Whole(static_cast<double>(n.min), static_cast<double>(n.max));
  }
}

CellLimit FieldLimit(const Node& n, std::string_view path, const unsigned char* value) {
  for (const EditorLimit& l : kLimits)
    if (FieldMatches(l.field, path) && LimitHolds(l, value)) return l.limit;
  return SchemaLimit(n);
}

}  // namespace tk48
