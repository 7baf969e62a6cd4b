// The cross-field rules a configuration must pass after a read; a failure makes
// the whole read fatal. Each rule names the first item that breaks it.
#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <vector>

#include "model/reader.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

constexpr int kNone = -1;  // no item breaks the rule

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

// The index of the first channel that `ok` refuses.
template <class Ch, class Ok>
int FirstRefused(std::span<const Ch> channels, Ok ok) {
  const auto it = std::ranges::find_if_not(channels, ok);
  return it == channels.end() ? kNone : static_cast<int>(it - channels.begin());
}

// The point an output drives: its TYPE and the address fields that TYPE uses,
// then the channel's index (not compared).
using PointKey = std::array<std::int64_t, 5>;

// No two outputs (AO or DO) of the same TYPE drive the same point. Sorting the
// keys finds a duplicate in O(n log n); the pair's indexes, lower first.
template <class Ch>
std::pair<int, int> SamePoint(std::span<const Ch> channels) {
  std::vector<PointKey> keys;
  keys.reserve(channels.size());
  for (std::size_t i = 0; i < channels.size(); ++i) {
    const Ch& c = channels[i];
    const auto at = static_cast<std::int64_t>(i);
    switch (c.TYPE) {
      case kTypeCard: keys.push_back({c.TYPE, c.CARD_NO, c.CARD_CH, 0, at}); break;
      case kTypeModbusTcp: keys.push_back({c.TYPE, c.MOD_NODE, c.MOD_TYPE, c.MOD_ADDRESS, at}); break;
      case kTypeSlmp: keys.push_back({c.TYPE, c.MOD_NODE, c.SLMP_DEV_CODE, c.SLMP_DEV_NO, at}); break;
      default: break;  // TYPE NONE drives nothing
    }
  }
  std::ranges::sort(keys);
  const auto same = std::ranges::adjacent_find(
      keys, [](const PointKey& a, const PointKey& b) { return std::equal(a.begin(), a.end() - 1, b.begin()); });
  if (same == keys.end()) return {kNone, kNone};
  return {static_cast<int>((*same)[4]), static_cast<int>((*(same + 1))[4])};
}

std::string Item(const char* family, int index) {
  return std::string("IO.") + family + "[" + std::to_string(index + 1) + "]";
}

ReadFault Broken(std::string path, std::string reason) {
  ReadFault fault;
  fault.path = std::move(path);
  fault.reason = std::move(reason);
  return fault;
}

}  // namespace

std::optional<ReadFault> FindInconsistency(const SettingData& record) {
  const IoSection& io = record.IO;
  const std::span<const AiCh> ai(io.AI);
  const std::span<const PiCh> pi(io.PI);
  const std::span<const MaCh> ma(io.MA);
  const auto areas = [](const auto& c) { return c.TYPE == kTypeNone || AreasOrdered(c.AREA, c.USE_AREAS); };
  const auto overlap = LoadText(text::kAreasOverlap);
  if (int i = FirstRefused(ai, areas); i != kNone) return Broken(Item("AI", i), std::string(overlap));
  if (int i = FirstRefused(pi, areas); i != kNone) return Broken(Item("PI", i), std::string(overlap));
  if (int i = FirstRefused(ma, [](const MaCh& c) { return AreasOrdered(c.AREA, c.USE_AREAS); }); i != kNone)
    return Broken(Item("MA", i), std::string(overlap));
  // A Modbus/TCP pulse input that counts a running sum needs a proper counter window.
  if (int i = FirstRefused(pi, [](const PiCh& c) {
        return !(c.TYPE == kTypeModbusTcp && c.MODE_TCP == kModeTcpSum) || c.WIDTH.LOW < c.WIDTH.HIGH;
      });
      i != kNone)
    return Broken(Item("PI", i), std::string(LoadText(text::kSumWidthOrder)));
  // Integer analog inputs and pulse inputs in use are scaled; a zero scale would
  // make every value 0.
  if (int i = FirstRefused(ai, [](const AiCh& c) {
        return c.TYPE == kTypeNone || c.AI_DATA_TYPE != kAiDataInt || c.SCALE != 0;
      });
      i != kNone)
    return Broken(Item("AI", i), std::string(LoadText(text::kScaleZero)));
  if (int i = FirstRefused(pi, [](const PiCh& c) { return c.TYPE == kTypeNone || c.SCALE != 0; }); i != kNone)
    return Broken(Item("PI", i), std::string(LoadText(text::kScaleZero)));
  const auto point = [](const char* family, std::pair<int, int> pair) {
    return Broken(Item(family, pair.second), FormatText(text::kSamePoint, Item(family, pair.first).c_str()));
  };
  if (auto pair = SamePoint(std::span<const DoCh>(io.DO)); pair.first != kNone) return point("DO", pair);
  if (auto pair = SamePoint(std::span<const AoCh>(io.AO)); pair.first != kNone) return point("AO", pair);
  // The three server ports of the COM section (defined beside its schema).
  if (!ComPortsDistinct(record)) return Broken("COM", std::string(LoadText(text::kServerPortsClash)));
  return std::nullopt;
}

bool CheckConsistency(const SettingData& record) { return !FindInconsistency(record); }

}  // namespace tk48
