#pragma once
// The alarm zones of an AI, PI or MA channel as its screen holds them: a
// working copy (ZoneBlock) that the zone editor (CDlgSetIoArea) edits from the
// "Alarm zone setting" button and the screen's OK stores. A screen inherits
// the piece, so the button stands beside its own fields.
#include <QPushButton>
#include <functional>

#include "editors/toolkit/field_checks.h"
#include "editors/toolkit/working_copy.h"
#include "editors/toolkit/zone_block.h"
#include "model/setting_data.h"

namespace tk48 {

class UiPort;

class ChannelZones {
 public:
  QPushButton* zonesButton = nullptr;

  const ZoneBlock& Zones() const { return copy_.get(); }

 protected:
  // `titleId` is the zone editor's title, formatted with the channel's number.
  template <class Ch>
  ChannelZones(const SettingData& record, Ch& ch, int titleId, int index)
      : zoneRecord_(record),
        copy_(ZonesOf(ch)),
        store_([&ch](const ZoneBlock& zones) { StoreZones(zones, ch); }),
        titleId_(titleId),
        channelNo_(index + 1) {}

  // The button, made where the screen's tab order has it. `owner`, when given,
  // tells the channel as the screen shows it at the click.
  void MakeZonesButton(QWidget* screen, UiPort& ui, std::function<ZoneOwner()> owner = {});
  // A channel in use keeps its zones in order (ZonesInOrder); one out of use
  // may not.
  bool ZonesInOrderIfUsed(const FieldChecks& checks, bool inUse) const;
  // Into the channel, with the screen's commit.
  void CommitZones() const { store_(copy_.get()); }

 private:
  const SettingData& zoneRecord_;
  WorkingCopy<ZoneBlock> copy_;
  std::function<void(const ZoneBlock&)> store_;
  int titleId_;
  int channelNo_;
};

}  // namespace tk48
