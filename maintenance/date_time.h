#pragma once
// Dates and times of the maintenance files: the device clock ("TIME"), the
// schedule dates, the file times of the packages.
#include <array>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace tk48 {
class UiPort;
}

namespace tk48::maint {

inline constexpr int kFirstYear = 2015;
inline constexpr int kLastYear = 2099;

struct DateTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  bool operator==(const DateTime&) const = default;
};

// Days of `month` in `year`; February has 29 when the year is divisible by 4
// (exact for the device's years 2015 to 2099). 0 for a month outside 1..12.
int DaysInMonth(int year, int month);
// A real calendar date of the device's years 2015 to 2099.
bool IsDeviceDate(int year, int month, int day);
// The same date plus hour 0..23, minute and second 0..59.
bool IsDeviceDateTime(const DateTime& t);

// The six edit fields of "Date/Time": the year at most 4 characters, the others
// at most 2, all digits, and a device date and time; otherwise "Illegal
// date/time" (error icon) and nullopt.
std::optional<DateTime> CheckDateTimeFields(const std::array<std::u16string_view, 6>& fields, UiPort& ui);
// The command line's "YYYY-MM-DDThh:mm:ss", held to the same rules.
std::optional<DateTime> CheckIsoDateTime(std::string_view text, UiPort& ui);

// "TIME": six 16-bit numbers, year to second.
std::array<std::uint8_t, 12> TimePayload(const DateTime& t);

// Local time of the computer, for the "Date/Time" fields.
DateTime LocalNow();
// A file time (seconds since the epoch) as UTC calendar fields.
DateTime UtcFields(std::time_t t);

}  // namespace tk48::maint
