#include "maintenance/date_time.h"

#include <algorithm>

#include "maintenance/device_files.h"
#include "port/ui_port.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48::maint {

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && year % 4 == 0 ? 29 : kDays[month - 1];
}

bool IsDeviceDate(int year, int month, int day) {
  return year >= kFirstYear && year <= kLastYear && day >= 1 && day <= DaysInMonth(year, month);
}

bool IsDeviceDateTime(const DateTime& t) {
  return IsDeviceDate(t.year, t.month, t.day) && t.hour >= 0 && t.hour <= 23 && t.minute >= 0 &&
         t.minute <= 59 && t.second >= 0 && t.second <= 59;
}

namespace {
// All digits, 1 to `maxChars` of them; the value, or -1.
template <class Char>
int DigitField(std::basic_string_view<Char> s, std::size_t maxChars) {
  if (s.empty() || s.size() > maxChars) return -1;
  int v = 0;
  for (const Char c : s) {
    if (c < '0' || c > '9') return -1;
    v = v * 10 + (c - '0');
  }
  return v;
}

template <class Char>
std::optional<DateTime> CheckFields(const std::array<std::basic_string_view<Char>, 6>& f, UiPort& ui) {
  const DateTime t{DigitField(f[0], 4), DigitField(f[1], 2), DigitField(f[2], 2),
                   DigitField(f[3], 2), DigitField(f[4], 2), DigitField(f[5], 2)};
  if (!IsDeviceDateTime(t)) {
    ui.Message(LoadText(text::kIllegalDateTime), Icon::Error);
    return std::nullopt;
  }
  return t;
}
}  // namespace

std::optional<DateTime> CheckDateTimeFields(const std::array<std::u16string_view, 6>& fields, UiPort& ui) {
  return CheckFields(fields, ui);
}

std::optional<DateTime> CheckIsoDateTime(std::string_view s, UiPort& ui) {
  // "YYYY-MM-DDThh:mm:ss": the separators sit at fixed places.
  static constexpr std::array<std::pair<std::size_t, char>, 5> kSeparators{
      {{4, '-'}, {7, '-'}, {10, 'T'}, {13, ':'}, {16, ':'}}};
  const bool shaped = s.size() == 19 && std::all_of(kSeparators.begin(), kSeparators.end(),
                                                    [&](const auto& sep) { return s[sep.first] == sep.second; });
  if (!shaped) {
    ui.Message(LoadText(text::kIllegalDateTime), Icon::Error);
    return std::nullopt;
  }
  return CheckFields<char>({s.substr(0, 4), s.substr(5, 2), s.substr(8, 2), s.substr(11, 2), s.substr(14, 2),
                            s.substr(17, 2)},
                           ui);
}

std::array<std::uint8_t, 12> TimePayload(const DateTime& t) {
  const std::uint16_t numbers[6] = {
      static_cast<std::uint16_t>(t.year), static_cast<std::uint16_t>(t.month),  static_cast<std::uint16_t>(t.day),
      static_cast<std::uint16_t>(t.hour), static_cast<std::uint16_t>(t.minute), static_cast<std::uint16_t>(t.second)};
  std::array<std::uint8_t, 12> out{};
  for (int i = 0; i < 6; ++i) PutLe16(out.data() + 2 * i, numbers[i]);
  return out;
}

namespace {
DateTime FromTm(const std::tm& tm) {
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}
}  // namespace

DateTime LocalNow() {
  const std::time_t now = std::time(nullptr);
  std::tm tm{};
  localtime_r(&now, &tm);
  return FromTm(tm);
}

DateTime UtcFields(std::time_t t) {
  std::tm tm{};
  gmtime_r(&t, &tm);
  return FromTm(tm);
}

}  // namespace tk48::maint
