#include "model/defaults.h"

#include "model/day_marks.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "model/field_access.h"
#include "model/schema.h"

namespace tk48 {
namespace {

// "AI%d" with the item's number; a pattern without %d is copied as it is.
void StoreDefaultText(unsigned char* p, const Node& n, std::int32_t number) {
  const std::string& t = n.defText;
  const std::size_t pos = t.find("%d");
  std::size_t len;
  char buf[256];
  if (pos == std::string::npos) {
    len = t.size() < sizeof buf ? t.size() : sizeof buf - 1;
    std::memcpy(buf, t.data(), len);
  } else {
    const int w = std::snprintf(buf, sizeof buf, "%.*s%d%s", static_cast<int>(pos), t.data(), number,
                                t.c_str() + pos + 2);
    len = w < 0 ? 0 : static_cast<std::size_t>(w) < sizeof buf ? static_cast<std::size_t>(w) : sizeof buf - 1;
  }
  if (len >= n.capacity) len = n.capacity - 1u;
  std::memcpy(p, buf, len);  // the rest of the field is already zero
}

void StoreDefault(const Node& n, const FieldSlot& s, std::int32_t number, std::size_t ordinal) {
  const std::int64_t value =
      ordinal < n.defByIndex.size() ? n.defByIndex[ordinal] : n.def + n.defStep * number;
  switch (n.kind) {
    case Kind::Int:
    case Kind::MdNumber:
    case Kind::PenChannel:
      if (value) StoreInt(s.value, n.width, value);
      break;
    case Kind::Keyword:
    case Kind::Suffixed:
      if (value) StoreI32(s.value, static_cast<std::int32_t>(value));
      break;
    case Kind::Real: {
      const double r = n.defReal + n.defRealStep * number;
      if (r != 0) StoreReal(s.value, r);
      break;
    }
    case Kind::Text:
      if (!n.defText.empty()) StoreDefaultText(s.value, n, number);
      break;
    case Kind::Ref:
      if (value) StoreI32(s.value, static_cast<std::int32_t>(value));
      if (n.defNo) StoreI16(s.number, n.defNo);
      break;
    case Kind::Container:
    case Kind::Group:
      break;
  }
}

}  // namespace

int Weekday(int y, int m, int d) {
  int M = m, Y = y;
  if (m <= 2) {
    M = m + 12;
    Y = y - 1;
  }
  return ((13 * M + 8) / 5 + Y / 400 + Y + Y / 4 + d - Y / 100) % 7;
}

namespace {

bool InYears(int y, std::initializer_list<int> singles, std::initializer_list<std::pair<int, int>> ranges = {}) {
  for (int s : singles)
    if (s == y) return true;
  for (auto [a, b] : ranges)
    if (y >= a && y <= b) return true;
  return false;
}

// The national days between 2015 and 2099, as the device knows them.
bool NationalDay(int m, int y, int d, int w) {
  const int q = (d - 1) / 7;
  const bool monday = w == 1;
  switch (m) {
    case 1: return d == 1 || (q == 1 && monday);
    case 2: return d == 11 || (d == 23 && y >= 2020);
    case 3:
      if (d == 19) return InYears(y, {2092, 2096});
      if (d == 20)
        return InYears(y, {2016, 2017, 2020, 2021},
                       {{2024, 2026}, {2028, 2030}, {2032, 2034}, {2036, 2038}, {2040, 2042}, {2044, 2046},
                        {2048, 2050}, {2052, 2054}, {2056, 2091}, {2093, 2095}, {2097, 2099}});
      if (d == 21) return InYears(y, {2018, 2019, 2022, 2023, 2027, 2031, 2035, 2039, 2043, 2047, 2051, 2055});
      return false;
    case 4: return d == 29 || (d == 30 && y == 2019);
    case 5: return d == 3 || d == 4 || d == 5 || ((d == 1 || d == 2) && y == 2019);
    case 6: return false;
    case 7: return y == 2020 ? (d == 23 || d == 24) : (q == 2 && monday);
    case 8: return y == 2020 ? d == 10 : d == 11;
    case 9:
      if (q == 2 && monday) return true;
      if (d == 21) return InYears(y, {2032, 2049, 2060, 2077, 2088, 2094});
      if (d == 22)
        return !InYears(y, {2017, 2018, 2019, 2021, 2022, 2023, 2025, 2027, 2029, 2030, 2031, 2033, 2034,
                            2035, 2038, 2039, 2041, 2042, 2046, 2047, 2050, 2051, 2055, 2058, 2059, 2062,
                            2063, 2066, 2067, 2070, 2074, 2075, 2079, 2083, 2087, 2091, 2095});
      if (d == 23)
        return InYears(y, {2015, 2046, 2047, 2050, 2051, 2054, 2055, 2058, 2059, 2062, 2063, 2066, 2067, 2070,
                           2071, 2074, 2075, 2079, 2083, 2087, 2091, 2095, 2099},
                       {{2017, 2019}, {2021, 2023}, {2025, 2027}, {2029, 2031}, {2033, 2035}, {2037, 2039},
                        {2041, 2043}});
      return false;
    case 10: return (q == 1 && monday && y != 2020) || (d == 22 && y == 2019);
    case 11: return d == 3 || d == 23;
    case 12: return d == 23 && y < 2019;
  }
  return false;
}

}  // namespace

int MonthDays(int y, int m) {
  static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
  return m == 2 && leap ? 29 : days[m - 1];
}

void GenerateDayMarks(std::uint32_t (&masks)[85][12], std::uint8_t weekdays, bool national) {
  bool carry = false;  // a national day fell on a Sunday: the next free day is its substitute
  for (int y = 2015; y <= 2099; ++y) {
    for (int m = 1; m <= 12; ++m) {
      std::uint32_t mask = 0;
      for (int d = 1, n = MonthDays(y, m); d <= n; ++d) {
        const int w = Weekday(y, m, d);
        const bool day = NationalDay(m, y, d, w);
        bool substitute = false;
        if (w != 0 && carry && !day) {
          carry = false;
          substitute = true;
        } else if (w == 0 && day) {
          carry = true;
        }
        if (((weekdays >> w) & 1u) != 0 || (national && (day || substitute))) mask |= 1u << (d - 1);
      }
      masks[y - 2015][m - 1] = mask;
    }
  }
}

void GenerateHolidays(std::uint32_t (&masks)[85][12]) {
  constexpr std::uint8_t kSundayAndSaturday = 0x41;
  GenerateDayMarks(masks, kSundayAndSaturday, true);
}

void ApplyDefaults(SettingData& record) {
  std::memset(&record, 0, sizeof record);
  auto* base = reinterpret_cast<unsigned char*>(&record);
  VisitFields(ReaderSchema(), base, 0, 0, StoreDefault);
  GenerateHolidays(record.MAIL_REPORT.CALENDAR.HOLIDAY);
}

void ApplyNewSetting(SettingData& record) {
  ApplyDefaults(record);
  std::memset(record.MAIL_REPORT.CALENDAR.HOLIDAY, 0, sizeof record.MAIL_REPORT.CALENDAR.HOLIDAY);
}

}  // namespace tk48
