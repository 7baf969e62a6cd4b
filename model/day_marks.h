#pragma once
// Day marks of the e-mailing calendar for 2015..2099, by weekday and by the
// national days the device knows (with their substitute days). The default
// holiday calendar is the one with Sunday, Saturday and the national days.
#include <cstdint>

namespace tk48 {

// Bit w of `weekdays` (0 = Sunday) marks every such weekday; `national` marks
// the national days and their substitutes: a national day on a Sunday makes
// the next day that is neither a Sunday nor a national day a holiday, carried
// across months and years. Every month of `masks[year - 2015][month - 1]` is
// rewritten.
void GenerateDayMarks(std::uint32_t (&masks)[85][12], std::uint8_t weekdays, bool national);

// Days in a month of the Gregorian calendar.
int MonthDays(int year, int month);

}  // namespace tk48
