// Layouts of the display, record, scheduler and process-monitor files.
#include <array>
#include <utility>

#include "csv/layout_builders.h"

namespace tk48::csv_layouts {
namespace {

const Choices& Sampling() {
  static const Choices c =
      Seq({T("Momentary value"), T("Average value"), T("Peak value (max.)"), T("Peak value (min.)")});
  return c;
}

CsvFile TrendFile() {
  static const Choices speed =
      Seq({T("1 second"), T("5 seconds"), T("10 seconds"), T("30 seconds"), T("1 minute"), T("5 minutes"),
           T("10 minutes"), T("15 minutes"), T("30 minutes"), T("1 hour"), T("1 day")});
  const std::string p = "DISP.TREND.TREND_PAGE[#].";
  CsvFile f = NewFile("Trend.csv", T("Trend"), 2);
  f.table = Table(16, T("Page%d"), "", 0, "PAGE");
  f.table.lead = LabelLead::EmptyThenBlank;
  std::vector<CsvRow> rows{Row(H(T("Page name")), Cell::Auto, p + "NAME"),
                           Row(H(T("Trend speed")), Cell::Choice, p + "TREND_SPEED", nullptr, &speed),
                           Gated(Row(H(T("Hour")), Cell::Auto, p + "TREND_TIME"), p + "TREND_SPEED", 10)};
  for (int q = 1; q <= 4; ++q) {
    const std::string n = "[" + std::to_string(q) + "]", pen = p + "PEN" + n;
    Append(rows, {Row(H(T("Pen setting%d"), T("I/O type"), 0, 0, q), Cell::RefType, pen, nullptr, nullptr, T("None")),
                  Row(H(0, T("CH")), Cell::RefCh, pen),
                  Gated(Row(H(0, T("Thick line")), Cell::Choice, p + "THICK" + n, nullptr, &DisableEnable()), pen),
                  Gated(Row(H(0, T("Color")), Cell::Auto, p + "COLOR" + n), pen),
                  Gated(Row(H(0, T("Lower limit")), Cell::Auto, p + "RANGE_L" + n), pen),
                  Gated(Row(H(0, T("Upper limit")), Cell::Auto, p + "RANGE_H" + n), pen)});
  }
  f.lists.push_back({"Trend_Disp", 0, std::move(rows)});
  return f;
}

CsvFile DataFile() {
  CsvFile f = NewFile("Data.csv", T("Data"), 1);
  f.table = Table(256, T("CH%d"), "", 0, "CH");
  f.table.lead = LabelLead::Empty;
  const std::pair<const char*, int> families[] = {{"AI", kAiCount}, {"DI", kDiCount}, {"PI", kPiCount},
                                                  {"MA", kMaCount}, {"MD", kMdCount}, {"AO", kAoCount},
                                                  {"DO", kDoCount}, {"GDO", kGdoCount}};
  const std::uint16_t texts[] = {T("AI"), T("DI"), T("PI"), T("MA"), T("MD"), T("AO"), T("DO"), T("GDO")};
  std::vector<CsvRow> rows;
  for (std::size_t i = 0; i < std::size(families); ++i)
    rows.push_back(Row(H(texts[i]), Cell::ItemBit, std::string("DISP.DATA.") + families[i].first + "[1]", nullptr,
                       &OffOnTexts(), families[i].second));
  f.lists.push_back({"Data_Disp", 0, std::move(rows)});
  return f;
}

// The pen rows of the logging and report lists; `base` adds the report's "Basic data" row.
CsvList PenList(const char* code, const std::string& section, int pen, const Choices& types, bool report) {
  static const Choices errMode = Seq({T("Previous value"), T("Fixed value"), T("Fixed characters")});
  static const Choices base = Seq({T("Sum"), T("Average"), T("Maximum"), T("Minimum")});
  const std::string p = section + "PEN[" + std::to_string(pen) + "].";
  // A report pen of type "None" writes only its type; a logging pen leaves only its channel empty.
  auto g = [&](CsvRow row) { return report ? Gated(std::move(row), p + "PEN_TYPE") : row; };
  std::vector<CsvRow> rows{
      Row(H(T("Pen information"), T("PEN%d"), T("Type"), 0, pen), Cell::Choice, p + "PEN_TYPE", TypeIs<1>, &types),
      Gated(Row(H(0, 0, T("CH")), Cell::Auto, p + "CH", TypeIs<1>), p + "PEN_TYPE"),
      g(Row(H(0, 0, T("Sampling method")), Cell::Choice, p + "SAMPLING", TypeIs<1>, &Sampling()))};
  if (report) rows.push_back(g(Row(H(0, 0, T("Basic data")), Cell::Choice, p + "BASE", TypeIs<1>, &base)));
  // The limits and error values need their own mode besides the pen type.
  auto band = report ? +[](const CsvItem& it) { return it.type == 1 && it.d.RECORD.REPORT.PEN[it.block - 1].PEN_TYPE != 0; }
                     : TypeIs<1>;
  Append(rows, {g(Row(H(0, 0, T("Data range"), T("Mode")), Cell::Choice, p + "BAND.MODE", TypeIs<1>, &DisableEnable())),
                Gated(Row(H(0, 0, 0, T("Upper limi")), Cell::Auto, p + "BAND.UPPER", band), p + "BAND.MODE", 1),
                Gated(Row(H(0, 0, 0, T("Lower limit")), Cell::Auto, p + "BAND.LOWER", band), p + "BAND.MODE", 1),
                g(Row(H(0, 0, T("Error mode"), T("Mode")), Cell::Choice, p + "ERR_MODE", TypeIs<1>, &errMode)),
                Gated(Row(H(0, 0, 0, T("Fixed value")), Cell::Auto, p + "ERR_VALUE", band), p + "ERR_MODE", 1),
                Gated(Row(H(0, 0, 0, T("Fixed characters")), Cell::Auto, p + "ERR_CHAR", band), p + "ERR_MODE", 2)});
  return CsvList{code, pen, std::move(rows)};
}

// The logging offsets of hour h: written at the hourly rate for the hours chosen.
template <int h>
bool LoggingHour(const CsvItem& it) {
  const auto& l = it.d.RECORD.LOGGING;
  return it.type == 1 && l.RATE == 2 && ((l.HOUR >> h) & 1u) != 0;
}
template <std::size_t... h>
constexpr std::array<When, 24> LoggingHours(std::index_sequence<h...>) {
  return {&LoggingHour<static_cast<int>(h)>...};
}

// The header of line p: written while its bit of LINE is set.
template <int p>
bool LoggingLine(const CsvItem& it) {
  return it.type == 1 && ((it.d.RECORD.LOGGING.LINE >> (p - 1)) & 1) != 0;
}

CsvFile LoggingFile() {
  static const Choices types =
      Seq({T("None"), T("AI"), T("DI"), T("PI"), T("MA"), T("MD"), T("AO"), T("DO"), T("GDO")});
  static const Choices rate = Seq({T("Second"), T("Minute"), T("Hour")});
  const std::string p = "RECORD.LOGGING.";
  auto on = TypeIs<1>;
  CsvFile f = NewFile("Logging.csv", T("Logging"), 4);
  f.modeField = p + "MODE";
  const When lines[] = {LoggingLine<1>, LoggingLine<2>, LoggingLine<3>};
  std::vector<CsvRow> head{Row(H(T("Mode")), Cell::Choice, p + "MODE", nullptr, &DisableEnable())};
  for (int l = 1; l <= 3; ++l)
    Append(head, {Row(H(T("Line %d"), T("Mode"), 0, 0, l), Cell::Bit, p + "LINE", on, &DisableEnable(), l - 1),
                  Row(H(0, T("Header")), Cell::Auto, p + "HEADER" + std::to_string(l), lines[l - 1])});
  f.settings.push_back({"Logging_Dat1", 0, std::move(head)});
  for (int pen = 1; pen <= 128; ++pen) f.settings.push_back(PenList("Logging_Pen", p, pen, types, false));
  std::vector<CsvRow> tail{
      Row(H(T("Auto start")), Cell::Choice, p + "AUTO", on, &DisableEnable()),
      Row(H(T("SD card auto delete")), Cell::Choice, p + "DATA_DELETE", on, &DisableEnable()),
      Row(H(T("SD card record character set")), Cell::Choice, p + "CHAR_CODE", on, &SjisUtf8Texts()),
      Row(H(T("Storing rate time unit"), T("Mode")), Cell::Choice, p + "RATE", on, &rate),
      Gated(Row(H(0, T("Second")), Cell::Auto, p + "SEC", on), p + "RATE", 0),
      Gated(Row(H(0, T("Minute")), Cell::Auto, p + "MIN", on), p + "RATE", 1)};
  static constexpr auto hours = LoggingHours(std::make_index_sequence<24>());
  for (int h = 0; h < 24; ++h) {
    const std::string o = p + "OFFSET[" + std::to_string(h) + "].";
    Append(tail, {Gated(Row(H(0, h == 0 ? T("Choose hour and offset") : 0, T("Choose offset: %d (hour)"), T("Logging"), h),
                            Cell::Bit, p + "HOUR", on, &DisableEnable(), h),
                        p + "RATE", 2),
                  Row(H(0, 0, 0, T("Offset (min.)")), Cell::Auto, o + "MIN", hours[h]),
                  Row(H(0, 0, 0, T("Offset (sec.)")), Cell::Auto, o + "SEC", hours[h])});
  }
  tail.push_back(Row(H(0, T("Dateline (hour)")), Cell::Auto, p + "DATE_CHANGE", on));
  // The fifth weekday row (Thursday's bit) is headed "Monday": files in the field carry it so.
  const std::uint16_t days[] = {T("Sunday"), T("Monday"), T("Tuesday"), T("Wednesday"),
                                T("Monday"), T("Friday"), T("Saturday")};
  for (int d = 0; d < 7; ++d)
    tail.push_back(Row(H(0, d == 0 ? T("Day of week") : 0, days[d]), Cell::Bit, p + "WDAY", on, &OffOnTexts(), d));
  f.settings.push_back({"Logging_Dat2", 0, std::move(tail)});
  return f;
}

CsvFile EventFile() {
  const std::string p = "RECORD.EVENT.";
  CsvFile f = NewFile("Event.csv", T("Event"), 2);
  f.settings.push_back(
      {"Event_Dat",
       0,
       {Row(H(T("SD card auto delete")), Cell::Choice, p + "DATA_DELETE", nullptr, &DisableEnable()),
        Row(H(T("Event log"), T("Mode")), Cell::Choice, p + "EVENT_LOG.MODE", nullptr, &DisableEnable()),
        Gated(Row(H(0, T("SD card record character set")), Cell::Choice, p + "EVENT_LOG.CHAR_CODE", nullptr,
                  &SjisUtf8Texts()),
              p + "EVENT_LOG.MODE"),
        Row(H(T("System log")), Cell::Choice, p + "SYSTEM_LOG.MODE", nullptr, &DisableEnable()),
        Row(H(T("Communication log")), Cell::Choice, p + "COM_LOG.MODE", nullptr, &DisableEnable()),
        Row(H(T("Scheduler log"), T("Mode")), Cell::Choice, p + "SCHD_LOG.MODE", nullptr, &DisableEnable()),
        Gated(Row(H(0, T("SD card record character set")), Cell::Choice, p + "SCHD_LOG.CHAR_CODE", nullptr,
                  &SjisUtf8Texts()),
              p + "SCHD_LOG.MODE")}});
  return f;
}

CsvFile ReportFile() {
  static const Choices types = Seq({T("None"), T("AI"), T("PI"), T("MA")});
  static const Choices send = Seq({T("Disable"), T("Upon updating of file"), T("Upon saving of file")});
  const std::string p = "RECORD.REPORT.";
  auto on = TypeIs<1>;
  CsvFile f = NewFile("Report.csv", T("Report"), 4);
  f.modeField = p + "MODE";
  f.settings.push_back(
      {"Report_Dat1",
       0,
       {Row(H(T("Mode")), Cell::Choice, p + "MODE", nullptr, &DisableEnable()),
        Row(H(T("SD card auto delete")), Cell::Choice, p + "DATA_DELETE", on, &DisableEnable()),
        Row(H(T("SD card record character set")), Cell::Choice, p + "CHAR_CODE", on, &SjisUtf8Texts()),
        Row(H(T("Page title"), T("Daily report")), Cell::Auto, p + "TITLE_DAY", on),
        Row(H(0, T("Monthly report")), Cell::Auto, p + "TITLE_MON", on),
        Row(H(0, T("Yearly report")), Cell::Auto, p + "TITLE_YEAR", on)}});
  for (int pen = 1; pen <= 128; ++pen) f.settings.push_back(PenList("Report_Pen", p, pen, types, true));
  std::vector<CsvRow> tail = MailRows(p + "MAIL", 0, on);
  Append(tail, {Row(H(T("Timing to send mails"), T("Daily report")), Cell::Choice, p + "SEND_DAY", on, &send),
                Row(H(0, T("Monthly report")), Cell::Choice, p + "SEND_MON", on, &send),
                Row(H(0, T("Yearly report")), Cell::Choice, p + "SEND_YEAR", on, &send),
                Row(H(T("Daily report start time")), Cell::PlusOne, p + "DATE_CHANGE", on),
                Row(H(T("Monthly report start date")), Cell::Auto, p + "MONTH_CHANGE", on),
                Row(H(T("Yearly report start month")), Cell::Auto, p + "YEAR_CHANGE", on)});
  f.settings.push_back({"Report_Dat2", 0, std::move(tail)});
  return f;
}

CsvFile PatternFile() {
  const std::string p = "SCHEDULE.PATTERN[#].";
  CsvFile f = NewFile("Pattern.csv", T("Pattern setting"), 3);
  f.table = Table(64, T("No.%d"), "", 0, "PATTERN");
  std::vector<CsvRow> rows{Row(H(T("Pattern name")), Cell::Auto, p + "PTN_NAME")};
  for (int o = 1; o <= 8; ++o) {
    const std::string out = p + "OUT[" + std::to_string(o) + "].", ch = out + "CH";
    Append(rows, {Row(H(T("No.%d"), T("Type"), 0, 0, o), Cell::RefType, ch, nullptr, nullptr, T("None")),
                  Row(H(0, T("CH")), Cell::RefCh, ch),
                  Gated(Row(H(0, T("Start at"), T("Hour")), Cell::Auto, out + "START.HOUR"), ch),
                  Gated(Row(H(0, 0, T("Min.")), Cell::Auto, out + "START.MIN"), ch),
                  Gated(Row(H(0, T("End at"), T("Hour")), Cell::Auto, out + "STOP.HOUR"), ch),
                  Gated(Row(H(0, 0, T("Min.")), Cell::Auto, out + "STOP.MIN"), ch)});
  }
  f.lists.push_back({"Pattern", 0, std::move(rows)});
  return f;
}

CsvFile UnitFile() {
  const std::string p = "SCHEDULE.UNIT[#].";
  CsvFile f = NewFile("Unit.csv", T("Schedule unit setting"), 2);
  f.table = Table(32, T("No.%d"), p + "MODE", T("Mode"), "UNIT");
  std::vector<CsvRow> rows{Row(H(T("Mode")), Cell::Choice, p + "MODE", nullptr, &DisableEnable()),
                           Row(H(T("Schedule unit name")), Cell::Auto, p + "NAME", TypeIs<1>)};
  for (int d = 0; d < 7; ++d)
    rows.push_back(Row(H(d == 0 ? T("Basic assignment") : 0, kWeekdays[d]), Cell::ZeroText,
                       p + "BASIC[" + std::to_string(d) + "].PTN", TypeIs<1>, nullptr, T("None")));
  f.lists.push_back({"Unit", 0, std::move(rows)});
  return f;
}

CsvFile MainteFile() {
  const std::string ch = "SCHEDULE.MENTE.INPUT.CH";
  CsvFile f = NewFile("Mainte.csv", T("Maintenance SW setting"), 2);
  f.settings.push_back({"Mainte",
                        0,
                        {Row(H(T("Channel"), T("Type")), Cell::RefType, ch, nullptr, nullptr, T("None")),
                         Row(H(0, T("CH")), Cell::RefCh, ch)}});
  return f;
}

// Channels 2 to 5 of a process follow a DI or MD channel 1 while the channels before are all set.
template <int c>
bool ProcessChannel(const CsvItem& it) {
  const OpemonProc& p = it.d.OPEMON.PROC[it.i];
  if (p.CH[0].kind != 4 && p.CH[0].kind != 5) return false;
  for (int k = 0; k < c - 1; ++k)
    if (p.CH[k].kind == 0) return false;
  return true;
}

CsvFile OpemonFile() {
  const std::string p = "OPEMON.PROC[#].";
  auto digital = [](const CsvItem& it) {
    const std::int32_t k = it.d.OPEMON.PROC[it.i].CH[0].kind;
    return k == 4 || k == 5;
  };
  auto first = [](const CsvItem& it) { return it.d.OPEMON.PROC[it.i].CH[0].kind != 0; };
  CsvFile f = NewFile("Opemon.csv", T("Process operation monitor"), 2);
  f.table = Table(32, T("Process %d"), "", 0, "PROCESS");
  std::vector<CsvRow> rows{Row(H(T("Process name")), Cell::Auto, p + "NAME")};
  const When channels[] = {nullptr, ProcessChannel<2>, ProcessChannel<3>, ProcessChannel<4>, ProcessChannel<5>};
  for (int c = 1; c <= 5; ++c) {
    const std::string ch = p + "CH[" + std::to_string(c) + "]";
    Append(rows, {Row(H(T("Channel %d"), T("Type"), 0, 0, c), Cell::RefType, ch, channels[c - 1], nullptr, T("None")),
                  Row(H(0, T("CH")), Cell::RefCh, ch, channels[c - 1])});
  }
  Append(rows, {Row(H(T("Digital display (main)"), T("Type")), Cell::RefType, p + "NUM_MAIN", digital, nullptr,
                    T("None")),
                Row(H(0, T("CH")), Cell::RefCh, p + "NUM_MAIN", digital)});
  for (int s = 1; s <= 3; ++s) {
    const std::string ch = p + "NUM_SUB[" + std::to_string(s) + "]";
    Append(rows, {Row(H(T("Digital display (sub%d)"), T("Type"), 0, 0, s), Cell::RefType, ch, first, nullptr, T("None")),
                  Row(H(0, T("CH")), Cell::RefCh, ch, first)});
  }
  f.lists.push_back({"Opemon_Dat", 0, std::move(rows)});
  return f;
}

}  // namespace

void AddDisplayRecordScheduleMonitor(std::vector<CsvFile>& files) {
  files.push_back(TrendFile());
  files.push_back(DataFile());
  files.push_back(LoggingFile());
  files.push_back(EventFile());
  files.push_back(ReportFile());
  files.push_back(PatternFile());
  files.push_back(UnitFile());
  files.push_back(MainteFile());
  files.push_back(OpemonFile());
}

}  // namespace tk48::csv_layouts
