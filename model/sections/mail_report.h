#pragma once
#include <cstdint>

#include "model/sections/common.h"

namespace tk48 {

inline constexpr int kCalendarFirstYear = 2015;
inline constexpr int kCalendarYears = 85;  // 2015..2099

struct HourMin {
  std::uint8_t HOUR;
  std::uint8_t MIN;
};

struct WorkHour {
  HourMin START;
  HourMin END;
};

struct CalendarBlock {
  WorkHour WORK_HOUR[6];                         // WORK_HOUR1..6
  std::uint32_t WORK_DAY[kCalendarYears][12];    // day masks, year-major
  std::uint32_t HOLIDAY[kCalendarYears][12];
};

// The success report of a mail form: MODE says which state of CH reports a sent mail.
struct MailSuccess {
  std::int32_t MODE;           // NONE / ON / OFF
  ChannelRef CH;               // MD, DO, GDO (always with a number)
};

struct MailForm {
  std::int32_t MODE;
  std::int32_t DST[64];        // DST1..64: NONE / TO, one per address-book entry
  char TITLE[97];
  char MESSAGE[769];
  std::int32_t FILTER;         // ALL .. DISABLE
  std::uint8_t WD_NO;          // work-hour set 1..6
  ChannelRef CH[32];           // CH1..32
  std::int32_t FILE;           // NONE / DAY / MON / YEAR
  MailSuccess SUCCESS;
};

struct ReportTime {
  std::int32_t MODE;
  std::uint8_t OFFSET_MIN;
  std::uint8_t OFFSET_SEC;
};

// Periodic mail.
struct MailTime {
  std::int32_t MODE;
  std::uint32_t MAIL[4];       // MAIL1..4: mail forms 1..128
  std::uint8_t WDAY;           // weekdays, bit 0 = Sunday
  ReportTime REPORT_TIME[24];  // REPORT_TIME0..23
};

struct MailError {
  std::int32_t MODE;           // NONE / ON / OFF
  ChannelRef CH;               // MD, DO, GDO
};

struct MailReportSection {
  MailForm FORM[128];          // FORM1..128
  MailTime TIME;
  MailError ERROR;
  CalendarBlock CALENDAR;
};

}  // namespace tk48
