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

struct MailReportSection {
  CalendarBlock CALENDAR;
};

}  // namespace tk48
