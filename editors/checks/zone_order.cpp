#include "editors/checks/zone_order.h"

namespace tk48 {

int ZoneOrderMessage(const ZoneLimits& z, int n) {
  // For each zone k from 2: it starts at or above zone k - 1's upper limit
  // (340, 341, 343, 345), and a middle zone k - 1 has room (342, 344, 346).
  constexpr int kAbove[] = {0, 0, 340, 341, 343, 345};
  constexpr int kRoom[] = {0, 0, 0, 342, 344, 346};
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
