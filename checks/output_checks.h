#pragma once
// The rules of the output screens, Qt-free: two AO or DO channels may not
// write the same point, and an output that follows an I/O mapping belongs to
// that mapping alone (no scheduler pattern, no GDO membership).
#include <cstdint>
#include <span>

#include "checks/output_holders.h"
#include "model/setting_data.h"

namespace tk48 {

// Where an output writes: its TYPE and the key of that kind (module address
// and channel; slave, register type and address; slave, device and number).
struct OutputPoint {
  std::int32_t type;
  std::int16_t cardNo, cardCh, node;
  std::uint8_t modType;
  std::uint32_t address;
  std::uint16_t code;
  std::uint32_t number;
};

template <class Ch>
OutputPoint PointOf(const Ch& ch) {
  return {ch.TYPE, ch.CARD_NO, ch.CARD_CH, ch.MOD_NODE, ch.MOD_TYPE, ch.MOD_ADDRESS, ch.SLMP_DEV_CODE, ch.SLMP_DEV_NO};
}

// Both in use, of the same TYPE, with the same key.
bool SamePoint(const OutputPoint& a, const OutputPoint& b);

struct DuplicatePair {
  int first = -1;  // 0-based; -1 when there is none
  int second = -1;
};

// The first pair i < j writing the same point (i ascending, then j).
template <class Ch>
DuplicatePair FirstDuplicatePair(std::span<const Ch> channels) {
  for (std::size_t i = 0; i < channels.size(); ++i) {
    if (channels[i].TYPE == 0) continue;
    const OutputPoint a = PointOf(channels[i]);
    for (std::size_t j = i + 1; j < channels.size(); ++j)
      if (SamePoint(a, PointOf(channels[j]))) return {static_cast<int>(i), static_cast<int>(j)};
  }
  return {};
}

// The first channel other than `self` writing `point`; -1 when none.
template <class Ch>
int FirstDuplicateOf(std::span<const Ch> channels, int self, const OutputPoint& point) {
  for (std::size_t i = 0; i < channels.size(); ++i)
    if (static_cast<int>(i) != self && SamePoint(point, PointOf(channels[i]))) return static_cast<int>(i);
  return -1;
}

// Whether an output of some scheduler pattern (all 64 x 8) names output `index`.
bool PatternsName(const ScheduleSection& schedule, OutputFamily family, int index);
// The first GDO (enabled or not) with a member slot naming DO `doIndex`; -1 when none.
int FirstGdoHoldingDo(const IoSection& io, int doIndex);
// Whether one of `slots` names MD `mdIndex`; no MD (a negative index) is named by none.
bool SlotsHoldMd(std::span<const ChannelRef> slots, int mdIndex);

}  // namespace tk48
