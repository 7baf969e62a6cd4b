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
}  // namespace

Node MailReportSchema() {
  return Container("MAIL_REPORT", offsetof(SettingData, MAIL_REPORT), {CalendarSchema()});
}

}  // namespace tk48
