#pragma once
// The alarm zones of a channel (AI, PI, MA) as one block: the zone count and
// the five zone blocks. A channel editor keeps a WorkingCopy<ZoneBlock> of it,
// hands the zone editor a copy, and commits it with its own OK.
#include <QString>
#include <algorithm>
#include <cstdint>
#include <iterator>

#include "editors/toolkit/channel_families.h"
#include "model/sections/io.h"

namespace tk48 {

struct ZoneBlock {
  std::int16_t USE_AREAS;
  AlarmArea AREA[kAreaCount];
};

template <class Channel>
ZoneBlock ZonesOf(const Channel& ch) {
  ZoneBlock zones{ch.USE_AREAS, {}};
  std::copy(std::begin(ch.AREA), std::end(ch.AREA), zones.AREA);
  return zones;
}

template <class Channel>
void StoreZones(const ZoneBlock& zones, Channel& ch) {
  ch.USE_AREAS = zones.USE_AREAS;
  std::copy(std::begin(zones.AREA), std::end(zones.AREA), ch.AREA);
}

// The channel whose zones are edited, as its screen shows it now: the action
// lists show its row with these, not with what the record still holds (a PI
// resetting itself, an MA resetting itself).
struct ZoneOwner {
  FamilyId family;
  int index;
  bool inUse;
  QString name;
  QString comment;
};

}  // namespace tk48
