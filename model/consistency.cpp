// The cross-field rules a configuration must pass after a read; a failure makes
// the whole read fatal.
#include <algorithm>
#include <array>
#include <span>
#include <vector>

#include "model/reader.h"

namespace tk48 {
namespace {

// Areas 1..n follow each other without overlap, and every area between the
// first and the last spans a non-empty range. Written as "needs" conditions so
// that a NaN limit fails too.
bool AreasOrdered(std::span<const AlarmArea, kAreaCount> area, int useAreas) {
  const int n = std::min(useAreas, kAreaCount);
  for (int k = 2; k <= n; ++k) {
    const AlarmArea& cur = area[k - 1];
    if (!(cur.LEVEL_LOWER >= area[k - 2].LEVEL_UPPER)) return false;
    if (k < n && !(cur.LEVEL_LOWER < cur.LEVEL_UPPER)) return false;
  }
  return true;
}

bool AreasValid(const IoSection& io) {
  for (const AiCh& ai : io.AI)
    if (ai.TYPE != kTypeNone && !AreasOrdered(ai.AREA, ai.USE_AREAS)) return false;
  for (const PiCh& pi : io.PI)
    if (pi.TYPE != kTypeNone && !AreasOrdered(pi.AREA, pi.USE_AREAS)) return false;
  for (const MaCh& ma : io.MA)
    if (!AreasOrdered(ma.AREA, ma.USE_AREAS)) return false;
  return true;
}

// A Modbus/TCP pulse input that counts a running sum needs a proper counter window.
bool PulseWidthsValid(const IoSection& io) {
  return std::ranges::all_of(io.PI, [](const PiCh& pi) {
    return !(pi.TYPE == kTypeModbusTcp && pi.MODE_TCP == kModeTcpSum) || pi.WIDTH.LOW < pi.WIDTH.HIGH;
  });
}

// Integer analog inputs and pulse inputs in use are scaled; a zero scale would
// make every value 0.
bool ScalesValid(const IoSection& io) {
  const bool ai = std::ranges::all_of(io.AI, [](const AiCh& c) {
    return c.TYPE == kTypeNone || c.AI_DATA_TYPE != kAiDataInt || c.SCALE != 0;
  });
  const bool pi = std::ranges::all_of(io.PI, [](const PiCh& c) { return c.TYPE == kTypeNone || c.SCALE != 0; });
  return ai && pi;
}

// The point an output drives: its TYPE and the address fields that TYPE uses.
using PointKey = std::array<std::int64_t, 4>;

// No two outputs (AO or DO) of the same TYPE drive the same point. Sorting the
// keys finds a duplicate in O(n log n).
template <class Ch>
bool PointsDistinct(std::span<const Ch> channels) {
  std::vector<PointKey> keys;
  keys.reserve(channels.size());
  for (const Ch& c : channels) {
    switch (c.TYPE) {
      case kTypeCard: keys.push_back({c.TYPE, c.CARD_NO, c.CARD_CH, 0}); break;
      case kTypeModbusTcp: keys.push_back({c.TYPE, c.MOD_NODE, c.MOD_TYPE, c.MOD_ADDRESS}); break;
      case kTypeSlmp: keys.push_back({c.TYPE, c.MOD_NODE, c.SLMP_DEV_CODE, c.SLMP_DEV_NO}); break;
      default: break;  // TYPE NONE drives nothing
    }
  }
  std::ranges::sort(keys);
  return std::ranges::adjacent_find(keys) == keys.end();
}

}  // namespace

bool CheckConsistency(const SettingData& record) {
  const IoSection& io = record.IO;
  return AreasValid(io) && PulseWidthsValid(io) && ScalesValid(io) &&
         PointsDistinct<DoCh>(io.DO) && PointsDistinct<AoCh>(io.AO) &&
         // The three server ports of the COM section (defined beside its schema).
         ComPortsDistinct(record);
}

}  // namespace tk48
