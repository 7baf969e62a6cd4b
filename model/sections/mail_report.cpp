#include <cstddef>

#include "model/schema.h"
#include "model/setting_data.h"

namespace tk48 {
using namespace schema;

namespace {
Node HourMinSchema(const char* name, std::uint32_t offset, int hour, int min) {
  return Container(name, offset,
                   {Int("HOUR", offsetof(HourMin, HOUR), Width::U8, 0, 23, hour),
                    Int("MIN", offsetof(HourMin, MIN), Width::U8, 0, 59, min)});
}

// WORK_DAY / HOLIDAY: Y2015..Y2099, each M01..M12. A year or month number out of
// range makes the element invalid rather than unknown.
Node MaskYears(const char* name, std::uint32_t offset) {
  Node month = Array(Hex("M", 0), 12, 1, sizeof(std::uint32_t));
  month.digits = 2;
  month.outOfRangeInvalid = true;
  Node year = Repeated("Y", 0, kCalendarYears, kCalendarFirstYear, 12 * sizeof(std::uint32_t), {month});
  year.outOfRangeInvalid = true;
  return Container(name, offset, {year});
}

Node CalendarSchema() {
  return Container(
      "CALENDAR", offsetof(MailReportSection, CALENDAR),
      {Repeated("WORK_HOUR", offsetof(CalendarBlock, WORK_HOUR), 6, 1, sizeof(WorkHour),
                {HourMinSchema("START", offsetof(WorkHour, START), 8, 45),
                 HourMinSchema("END", offsetof(WorkHour, END), 17, 30)}),
       MaskYears("WORK_DAY", offsetof(CalendarBlock, WORK_DAY)),
       MaskYears("HOLIDAY", offsetof(CalendarBlock, HOLIDAY))});
}


// The state keywords of a success or error report.
const Keywords& ReportModes() {
  static const Keywords k{"NONE", "ON", "OFF"};
  return k;
}

// The output that reports a sent or failed mail: every family takes a number.
Node OutputRef(std::uint32_t offset) {
  static const Families outputs{{"MD", kMdCount}, {"DO", kDoCount}, {"GDO", kGdoCount}};
  return Ref("CH", offset, offset + offsetof(ChannelRef, no), outputs, 0, 1);
}

Node FormSchema() {
  static const Keywords dst{"NONE", "TO"};
  static const Keywords filter{"ALL", "ON_DAY", "OFF_DAY", "ON_WORKDAY", "OFF_WORKDAY", "OFF_HOUR", "DISABLE"};
  static const Keywords file{"NONE", "DAY", "MON", "YEAR"};
  static const Families channels{{"NONE", 0, true},     {"AI", kAiCount}, {"DI", kDiCount},
                                 {"PI", kPiCount},      {"MA", kMaCount}, {"MD", kMdCount},
                                 {"AO", kAoCount},      {"DO", kDoCount}, {"GDO", kGdoCount}};
  constexpr std::uint32_t ch = offsetof(MailForm, CH);
  return Repeated(
      "FORM", offsetof(MailReportSection, FORM), 128, 1, sizeof(MailForm),
      {Kw("MODE", offsetof(MailForm, MODE), NoUseUse()),
       Array(Kw("DST", offsetof(MailForm, DST), dst), 64, 1, sizeof(std::int32_t)),
       Text("TITLE", offsetof(MailForm, TITLE), 97, "MAIL REPORT"),
       Text("MESSAGE", offsetof(MailForm, MESSAGE), 769, "MAIL REPORT"),
       Kw("FILTER", offsetof(MailForm, FILTER), filter),
       Int("WD_NO", offsetof(MailForm, WD_NO), Width::U8, 1, 6, 1),
       Array(Ref("CH", ch, ch + offsetof(ChannelRef, no), channels, 0, 1), 32, 1, sizeof(ChannelRef),
             sizeof(ChannelRef)),
       Kw("FILE", offsetof(MailForm, FILE), file),
       Container("SUCCESS", offsetof(MailForm, SUCCESS),
                 {Kw("MODE", offsetof(MailSuccess, MODE), ReportModes()), OutputRef(offsetof(MailSuccess, CH))})});
}

Node TimeSchema() {
  // WDAY keeps the low 8 bits of any 32-bit value.
  Node wday = Int("WDAY", offsetof(MailTime, WDAY), Width::U8, 0, 0xFFFFFFFFll, 0x7F, Fmt::Hex2);
  return Container(
      "TIME", offsetof(MailReportSection, TIME),
      {Kw("MODE", offsetof(MailTime, MODE), NoUseUse()),
       Array(Hex("MAIL", offsetof(MailTime, MAIL)), 4, 1, sizeof(std::uint32_t)), std::move(wday),
       Repeated("REPORT_TIME", offsetof(MailTime, REPORT_TIME), 24, 0, sizeof(ReportTime),
                {Kw("MODE", offsetof(ReportTime, MODE), NoUseUse()),
                 Int("OFFSET_MIN", offsetof(ReportTime, OFFSET_MIN), Width::U8, 0, 59, 0),
                 Int("OFFSET_SEC", offsetof(ReportTime, OFFSET_SEC), Width::U8, 0, 59, 0)})});
}

Node ErrorSchema() {
  return Container("ERROR", offsetof(MailReportSection, ERROR),
                   {Kw("MODE", offsetof(MailError, MODE), ReportModes()), OutputRef(offsetof(MailError, CH))});
}
}  // namespace

Node MailReportSchema() {
  return Container("MAIL_REPORT", offsetof(SettingData, MAIL_REPORT),
                   {FormSchema(), TimeSchema(), ErrorSchema(), CalendarSchema()});
}

}  // namespace tk48
