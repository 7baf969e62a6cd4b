#pragma once
#include <cstdint>

#include "model/sections/common.h"

namespace tk48 {

// One trend page: four pens, each a channel with its colour, line and scale.
struct TrendPage {
  char NAME[193];
  std::int32_t TREND_SPEED;    // 1S..1D keyword
  std::uint8_t TREND_TIME;     // 0..23
  ChannelRef PEN[4];           // PEN1..PEN4
  std::uint32_t COLOR[4];      // 0x00RRGGBB
  std::int32_t THICK[4];       // INVALID / ACTIVE
  double RANGE_L[4];
  double RANGE_H[4];
};

struct TrendBlock {
  TrendPage TREND_PAGE[16];    // TREND_PAGE1..16
};

// Bit sets of the channels shown in the data view (bit i of word w = item 32w + i + 1).
struct DataView {
  std::uint32_t AI[4];
  std::uint32_t DI[8];
  std::uint32_t PI[4];
  std::uint32_t MA[8];
  std::uint32_t MD[8];
  std::uint32_t AO[2];
  std::uint32_t DO[4];
  std::uint32_t GDO[1];
};

struct DispSection {
  TrendBlock TREND;
  DataView DATA;
};

}  // namespace tk48
