#include "csv/csv_ties.h"

#include <algorithm>

namespace tk48 {
namespace {

// Zone k (2 to n) starts at or above the upper limit of zone k - 1, and a
// zone between the first and the last has room; the first limit out of order.
std::string_view ZoneOutOfOrder(const AlarmArea (&a)[kAreaCount], int n) {
  static constexpr std::string_view kLower[kAreaCount] = {"", "AREA[2].LEVEL_LOWER", "AREA[3].LEVEL_LOWER",
                                                          "AREA[4].LEVEL_LOWER", "AREA[5].LEVEL_LOWER"};
  static constexpr std::string_view kUpper[kAreaCount] = {"AREA[1].LEVEL_UPPER", "AREA[2].LEVEL_UPPER",
                                                          "AREA[3].LEVEL_UPPER", "AREA[4].LEVEL_UPPER", ""};
  for (int k = 2; k <= std::min(n, kAreaCount); ++k) {
    if (!(a[k - 1].LEVEL_LOWER >= a[k - 2].LEVEL_UPPER)) return kLower[k - 1];
    if (k >= 3 && !(a[k - 2].LEVEL_LOWER < a[k - 2].LEVEL_UPPER)) return kUpper[k - 2];
  }
  return {};
}

constexpr std::string_view kZoneLimits[] = {"AREA[1].LEVEL_UPPER", "AREA[2].LEVEL_LOWER", "AREA[2].LEVEL_UPPER",
                                            "AREA[3].LEVEL_LOWER", "AREA[3].LEVEL_UPPER", "AREA[4].LEVEL_LOWER",
                                            "AREA[4].LEVEL_UPPER", "AREA[5].LEVEL_LOWER"};

// Inputs hold their zones while they are in use; function registers always.
std::string_view AiZones(const SettingData& d, int i) {
  const AiCh& c = d.IO.AI[i];
  return c.TYPE == kTypeNone ? std::string_view() : ZoneOutOfOrder(c.AREA, c.USE_AREAS);
}
std::string_view PiZones(const SettingData& d, int i) {
  const PiCh& c = d.IO.PI[i];
  return c.TYPE == kTypeNone ? std::string_view() : ZoneOutOfOrder(c.AREA, c.USE_AREAS);
}
std::string_view MaZones(const SettingData& d, int i) { return ZoneOutOfOrder(d.IO.MA[i].AREA, d.IO.MA[i].USE_AREAS); }

// A Modbus/TCP counter summing its register counts within a window below its top.
constexpr std::string_view kWindow[] = {"WIDTH.LOW", "WIDTH.HIGH"};
std::string_view PiWindow(const SettingData& d, int i) {
  const PiCh& c = d.IO.PI[i];
  const bool counts = c.TYPE == kTypeModbusTcp && c.MODE_TCP == kModeTcpSum;
  return counts && !(c.WIDTH.LOW < c.WIDTH.HIGH) ? kWindow[0] : std::string_view();
}

// An output drives a point no earlier output of its family drives.
template <class Ch>
bool SamePoint(const Ch& a, const Ch& b) {
  if (a.TYPE != b.TYPE) return false;
  switch (a.TYPE) {
    case kTypeCard:
      return a.CARD_NO == b.CARD_NO && a.CARD_CH == b.CARD_CH;
    case kTypeModbusTcp:
      return a.MOD_NODE == b.MOD_NODE && a.MOD_TYPE == b.MOD_TYPE && a.MOD_ADDRESS == b.MOD_ADDRESS;
    case kTypeSlmp:
      return a.MOD_NODE == b.MOD_NODE && a.SLMP_DEV_CODE == b.SLMP_DEV_CODE && a.SLMP_DEV_NO == b.SLMP_DEV_NO;
    default:
      return false;
  }
}
constexpr std::string_view kType[] = {"TYPE"};
template <class Ch, std::size_t N>
std::string_view EarlierOnPoint(const Ch (&channels)[N], int i) {
  for (int j = 0; j < i; ++j)
    if (SamePoint(channels[j], channels[i])) return kType[0];
  return {};
}
std::string_view AoPoint(const SettingData& d, int i) { return EarlierOnPoint(d.IO.AO, i); }
std::string_view DoPoint(const SettingData& d, int i) { return EarlierOnPoint(d.IO.DO, i); }

constexpr CsvTie kTies[] = {
    {"AI.csv", "IO.AI[#].", AiZones, kZoneLimits}, {"PI.csv", "IO.PI[#].", PiZones, kZoneLimits},
    {"PI.csv", "IO.PI[#].", PiWindow, kWindow},    {"MA.csv", "IO.MA[#].", MaZones, kZoneLimits},
    {"AO.csv", "IO.AO[#].", AoPoint, kType},       {"DO.csv", "IO.DO[#].", DoPoint, kType},
};

}  // namespace

std::span<const CsvTie> CsvTies() { return kTies; }

}  // namespace tk48
