#include "csv/cell_limits.h"

#include "csv/layout_builders.h"

namespace tk48 {
namespace {

using csv_layouts::TypeIs;

constexpr CellLimit Real(double min = -kRealLimit, double max = kRealLimit, int places = 3) {
  return {Check::Real, min, max, places};
}
constexpr CellLimit NonZero(int places = 3) { return {Check::RealNonZero, -kRealLimit, kRealLimit, places}; }
constexpr CellLimit Whole(double min, double max) { return {Check::Whole, min, max}; }
constexpr CellLimit Chars(Check check, int chars) { return {check, 0, 0, 3, chars}; }
constexpr CellLimit Port(PortService service) { return {Check::Port, 0, 65535, 3, 0, {}, service}; }

constexpr std::int32_t kSamples[] = {4, 8, 16, 32, 64};

// A discrete logging pen (DI, MD, DO, GDO) records 0 (OFF) or 1 (ON) on error.
bool DiscretePen(const CsvItem& it) {
  const std::int32_t type = it.d.RECORD.LOGGING.PEN[it.block - 1].PEN_TYPE;
  return type == 2 || type == 5 || type == 7 || type == 8;
}

// MA functions by TYPE: 5 moving average, 6 delay buffer, 12 analog
// accumulation, 14 F value, 15 scaling; the others take any real.
constexpr EditorLimit kLimits[] = {
    // A scale multiplies the value: 0 would make it 0 whatever the input.
    {"IO.AI[#].SCALE", nullptr, NonZero()},
    {"IO.PI[#].SCALE", nullptr, NonZero()},
    {"IO.AO[#].WEB_SCALE", nullptr, NonZero(4)},
    // The function screens' constants.
    {"IO.MA[#].CONST.K[1]", TypeIs<5>, {Check::OneOf, 0, 0, 3, 0, kSamples}},
    {"IO.MA[#].CONST.K[1]", TypeIs<6>, Whole(0, 100)},
    {"IO.MA[#].CONST.K[1]", TypeIs<12>, Whole(0, 10000)},
    {"IO.MA[#].CONST.K[3]", TypeIs<12>, Real(0, 120)},
    {"IO.MA[#].CONST.K[2]", TypeIs<14>, Real(0.001)},
    {"IO.MA[#].CONST.K[3]", TypeIs<15>, Real(-2000, 12000)},
    {"IO.MA[#].CONST.K[4]", TypeIs<15>, Real(-2000, 12000)},
    {"RECORD.LOGGING.PEN[*].ERR_VALUE", DiscretePen, Real(0, 1, 0)},
    // Integers the editors hold narrower than the file does.
    {"IO.PI[#].CARD_CH", nullptr, Whole(1, 2)},         // a pulse module has two channels
    {"IO.AO[#].INIT", nullptr, Whole(-32768, 32767)},   // the file keeps any number's low 16 bits
    {"IO.MD[#].INPUT_CONT.CN", nullptr, Whole(3, 16)},  // a run of 3 to 16 channels
    {"RECORD.REPORT.YEAR_CHANGE", nullptr, Whole(1, 12)},
    // The three servers listen on ports of their own.
    {"COM.WEB.PORT", nullptr, Port(PortService::Web)},
    {"COM.FTP.PORT", nullptr, Port(PortService::Ftp)},
    {"COM.MODBUS_TCP.PORT", nullptr, Port(PortService::ModbusTcp)},
    // Texts checked otherwise than by the text check on a third of the capacity.
    {"IO.NODE_CONF.NODE[#]", nullptr, {Check::Address}},
    {"COM.SNTP.SERVER", nullptr, Chars(Check::Length, 64)},
    {"COM.SMTP_POP3.MY_ADDRESS", nullptr, Chars(Check::Length, 64)},
    {"COM.SMTP_POP3.SMTP_SERVER", nullptr, Chars(Check::Length, 64)},
    {"COM.SMTP_POP3.POP3_SERVER", nullptr, Chars(Check::Length, 64)},
    {"COM.SMTP_POP3.ACCOUNT", nullptr, Chars(Check::Length, 64)},
    {"COM.FTPC.FTP_SERVER", nullptr, Chars(Check::Ascii, 64)},
    {"COM.SMTP_POP3.MAIL_NAME[#]", nullptr, Chars(Check::Name, 64)},
};

}  // namespace

std::span<const EditorLimit> EditorLimits() { return kLimits; }

bool FieldMatches(std::string_view pattern, std::string_view field) {
  std::size_t f = 0;
  for (std::size_t p = 0; p < pattern.size(); ++p) {
    if (pattern.substr(p, 3) == "[*]") {
      if (f >= field.size() || field[f] != '[') return false;
      const std::size_t close = field.find(']', f);
      if (close == std::string_view::npos || close == f + 1) return false;
      f = close + 1;
      p += 2;
      continue;
    }
    if (f >= field.size() || field[f++] != pattern[p]) return false;
  }
  return f == field.size();
}

CellLimit SchemaLimit(const Node& n) {
  switch (n.kind) {
    case Kind::Real:
      return Real(-kRealLimit, kRealLimit, n.fmt == Fmt::F4 ? 4 : 3);
    // The editors count characters: N for a field of 3 N bytes of UTF-8.
    case Kind::Text:
      return Chars(n.ascii ? Check::Ascii : Check::Text, (n.capacity - 1) / 3);
    default:
      if (!n.allowed.empty()) return {Check::OneOf, 0, 0, 3, 0, n.allowed};
      return Whole(static_cast<double>(n.min), static_cast<double>(n.max));
  }
}

CellLimit LimitOf(const CsvRow& row, const CsvItem& it) {
  for (const EditorLimit* l : row.limits)
    if (!l->when || l->when(it)) return l->limit;
  return SchemaLimit(*row.node);
}

}  // namespace tk48
