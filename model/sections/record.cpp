#include <cstddef>

#include "model/schema.h"
#include "model/setting_data.h"

namespace tk48 {
using namespace schema;

namespace {
const Keywords& Sampling() {
  static const Keywords k{"INS", "AVE", "LAR", "SMA"};
  return k;
}

// BAND, ERR_MODE, ERR_VALUE and ERR_CHAR, shared by logging and report pens.
template <class Pen>
std::vector<Node> PenTail() {
  static const Keywords errMode{"PRE", "FIXV", "FIXC"};
  return {Container("BAND", offsetof(Pen, BAND),
                    {Kw("MODE", offsetof(PenBand, MODE), NoUseUse()), Real("UPPER", offsetof(PenBand, UPPER), 12000),
                     Real("LOWER", offsetof(PenBand, LOWER), -2000)}),
          Kw("ERR_MODE", offsetof(Pen, ERR_MODE), errMode), Real("ERR_VALUE", offsetof(Pen, ERR_VALUE), 0),
          Text("ERR_CHAR", offsetof(Pen, ERR_CHAR), 25)};
}

// PEN1..128; a pen number out of range is invalid, not unknown.
Node Pens(std::uint32_t offset, std::uint32_t stride, std::vector<Node> children) {
  Node n = Repeated("PEN", offset, 128, 1, stride, std::move(children));
  n.outOfRangeInvalid = true;
  return n;
}

// Pen type keywords, and the channel range of each type (NONE: CH is stored as 0).
struct PenTypes {
  Keywords keywords;
  Families families;
};

const PenTypes& LoggingPenTypes() {
  static const PenTypes t{{"NONE", "AI", "DI", "PI", "MA", "MD", "AO", "DO", "GDO"},
                          {{"NONE", 0, true},
                           {"AI", kAiCount},
                           {"DI", kDiCount},
                           {"PI", kPiCount},
                           {"MA", kMaCount},
                           {"MD", kMdCount},
                           {"AO", kAoCount},
                           {"DO", kDoCount},
                           {"GDO", kGdoCount}}};
  return t;
}

const PenTypes& ReportPenTypes() {
  static const PenTypes t{{"NONE", "AI", "PI", "MA"},
                          {{"NONE", 0, true}, {"AI", kAiCount}, {"PI", kPiCount}, {"MA", kMaCount}}};
  return t;
}

template <class Pen>
std::vector<Node> PenHead(const PenTypes& types) {
  return {Kw("PEN_TYPE", offsetof(Pen, PEN_TYPE), types.keywords),
          PenChannel("CH", offsetof(Pen, CH), offsetof(Pen, PEN_TYPE), types.families),
          Kw("SAMPLING", offsetof(Pen, SAMPLING), Sampling())};
}

template <class T>
std::vector<Node> Concat(std::vector<T> a, std::vector<T> b) {
  for (T& x : b) a.push_back(std::move(x));
  return a;
}

Node LoggingSchema() {
  static const Keywords rate{"SEC", "MIN", "HOUR"};
  using L = LoggingBlock;
  Node offsets = Repeated("OFFSET", offsetof(L, OFFSET), 24, 0, sizeof(LoggingOffset),
                          {Int("MIN", offsetof(LoggingOffset, MIN), Width::U8, 0, 59, 0),
                           Int("SEC", offsetof(LoggingOffset, SEC), Width::U8, 0, 59, 0)});
  offsets.digits = 2;
  offsets.outOfRangeInvalid = true;
  return Container(
      "LOGGING", offsetof(RecordSection, LOGGING),
      {Kw("MODE", offsetof(L, MODE), NoUseUse()), Text("HEADER1", offsetof(L, HEADER1), 3073),
       Text("HEADER2", offsetof(L, HEADER2), 3073), Text("HEADER3", offsetof(L, HEADER3), 3073),
       Int("LINE", offsetof(L, LINE), Width::U16, 0, 7, 0),
       Pens(offsetof(L, PEN), sizeof(LoggingPen),
            Concat(PenHead<LoggingPen>(LoggingPenTypes()), PenTail<LoggingPen>())),
       Kw("AUTO", offsetof(L, AUTO), NoUseUse()), Kw("DATA_DELETE", offsetof(L, DATA_DELETE), NoUseUse(), 1),
       Kw("CHAR_CODE", offsetof(L, CHAR_CODE), SjisUtf8()), Kw("RATE", offsetof(L, RATE), rate),
       Suffixed("SEC", offsetof(L, SEC), {1, 2, 5, 10, 30}, 'S', 5),
       Suffixed("MIN", offsetof(L, MIN), {1, 2, 5, 10, 15, 30}, 'M', 5),
       Int("HOUR", offsetof(L, HOUR), Width::U32, 0, 0xFFFFFF, 0, Fmt::UDec),
       Int("DATE_CHANGE", offsetof(L, DATE_CHANGE), Width::U8, 0, 23, 0), std::move(offsets),
       Int("WDAY", offsetof(L, WDAY), Width::U8, 0, 127, 127), Kw("ZEPHA", offsetof(L, ZEPHA), NoUseUse())});
}

Node EventSchema() {
  auto mode = [](std::uint32_t offset) { return Kw("MODE", offset, NoUseUse(), 1); };
  using E = EventBlock;
  return Container(
      "EVENT", offsetof(RecordSection, EVENT),
      {Kw("DATA_DELETE", offsetof(E, DATA_DELETE), NoUseUse(), 1),
       Container("EVENT_LOG", offsetof(E, EVENT_LOG),
                 {mode(offsetof(LogModeCode, MODE)), Kw("CHAR_CODE", offsetof(LogModeCode, CHAR_CODE), SjisUtf8())}),
       Container("SYSTEM_LOG", offsetof(E, SYSTEM_LOG), {mode(offsetof(LogMode, MODE))}),
       Container("COM_LOG", offsetof(E, COM_LOG), {mode(offsetof(LogMode, MODE))}),
       Container("SCHD_LOG", offsetof(E, SCHD_LOG),
                 {mode(offsetof(LogModeCode, MODE)), Kw("CHAR_CODE", offsetof(LogModeCode, CHAR_CODE), SjisUtf8())})});
}

Node ReportSchema() {
  static const Keywords base{"SUM", "AVE", "MAX", "MIN"};
  static const Keywords send{"NONE", "UPDATE", "FIXED"};
  using R = ReportBlock;
  std::vector<Node> pen = PenHead<ReportPen>(ReportPenTypes());
  pen.push_back(Kw("BASE", offsetof(ReportPen, BASE), base));
  return Container(
      "REPORT", offsetof(RecordSection, REPORT),
      {Kw("MODE", offsetof(R, MODE), NoUseUse(), 1), Kw("DATA_DELETE", offsetof(R, DATA_DELETE), NoUseUse(), 1),
       Kw("CHAR_CODE", offsetof(R, CHAR_CODE), SjisUtf8()), Text("TITLE_DAY", offsetof(R, TITLE_DAY), 97),
       Text("TITLE_MON", offsetof(R, TITLE_MON), 97), Text("TITLE_YEAR", offsetof(R, TITLE_YEAR), 97),
       Pens(offsetof(R, PEN), sizeof(ReportPen), Concat(std::move(pen), PenTail<ReportPen>())),
       // The only bit set of the record written in decimal.
       Array(Int("MAIL", offsetof(R, MAIL), Width::U32, 0, 0xFFFFFFFFll, 0, Fmt::UDec), 4, 1, sizeof(std::uint32_t)),
       Kw("SEND_DAY", offsetof(R, SEND_DAY), send), Kw("SEND_MON", offsetof(R, SEND_MON), send),
       Kw("SEND_YEAR", offsetof(R, SEND_YEAR), send),
       Int("DATE_CHANGE", offsetof(R, DATE_CHANGE), Width::U8, 0, 23, 0),
       Int("MONTH_CHANGE", offsetof(R, MONTH_CHANGE), Width::U8, 1, 28, 1),
       Int("YEAR_CHANGE", offsetof(R, YEAR_CHANGE), Width::U8, 0, 12, 1)});
}
}  // namespace

Node RecordSchema() {
  return Container("RECORD", offsetof(SettingData, RECORD), {LoggingSchema(), EventSchema(), ReportSchema()});
}

}  // namespace tk48
