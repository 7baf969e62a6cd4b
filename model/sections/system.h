#pragma once
#include <cstdint>

namespace tk48 {

struct DstPoint {
  std::uint8_t MON;
  std::uint8_t WEEK1;   // 5 = last week of the month
  std::int32_t WEEK2;   // weekday keyword
  std::uint8_t HOUR;
};

struct DstBlock {
  std::int32_t MODE;
  DstPoint START;
  DstPoint END;
};

struct SystemSection {
  char NAME1[97];
  char NAME2[97];
  char NAME3[97];
  std::int32_t LANGUAGE;
  std::int16_t TIMEZONE;
  std::int16_t TIMEZONE_MIN;
  std::int32_t TIME_AVE;
  DstBlock DST;
};

}  // namespace tk48
