#include "checks/zone_order.h"

#include "resources/text_ids.h"

namespace tk48 {

int ZoneOrderMessage(const ZoneLimits& z, int n) {
  // For each zone k from 2: it starts at or above zone k - 1's upper limit,
  // and a middle zone k - 1 has room.
  constexpr int kAbove[] = {0,
                            0,
                            text::kZone1AboveZone2Error,
                            text::kZone2AboveZone3Error,
                            text::kZone3AboveZone4Error,
                            text::kZone4AboveZone5Error};
  constexpr int kRoom[] = {0, 0, 0, text::kZone2EmptyError, text::kZone3EmptyError, text::kZone4EmptyError};
  for (int k = 2; k <= n && k <= kAreaCount; ++k) {
    if (!(z.lower[k - 1] >= z.upper[k - 2])) return kAbove[k];
    if (k >= 3 && !(z.lower[k - 2] < z.upper[k - 2])) return kRoom[k];
  }
  return 0;
}

ZoneLimits LimitsOf(const AlarmArea (&areas)[kAreaCount]) {
  ZoneLimits z{};
  for (int k = 0; k < kAreaCount; ++k) {
    z.lower[k] = areas[k].LEVEL_LOWER;
    z.upper[k] = areas[k].LEVEL_UPPER;
  }
  return z;
}

}  // namespace tk48
