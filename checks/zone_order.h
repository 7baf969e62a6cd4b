#pragma once
// The order of a channel's alarm zones: zone k (1 to n) runs from its lower to
// its upper limit, zone 1 has no lower and zone n no upper limit. A zone may
// touch the one below (its lower limit equal to that zone's upper limit).
#include <cstdint>

#include "model/sections/io.h"

namespace tk48 {

// The limits of zones 1 to 5, index k - 1.
struct ZoneLimits {
  double lower[kAreaCount];
  double upper[kAreaCount];
};

// The message of the first order rule `n` zones break (340 to 346), or 0.
int ZoneOrderMessage(const ZoneLimits& limits, int n);
ZoneLimits LimitsOf(const AlarmArea (&areas)[kAreaCount]);

}  // namespace tk48
