#include "editors/io/channel_zones.h"

#include <optional>

#include "editors/io/CDlgSetIoArea.h"
#include "editors/toolkit/editor_text.h"
#include "resources/text_ids.h"

namespace tk48 {

void ChannelZones::MakeZonesButton(QWidget* screen, UiPort& ui, std::function<ZoneOwner()> owner) {
  zonesButton = new QPushButton(Tx(text::kAlarmZoneSetting), screen);
  zonesButton->setAutoDefault(false);
  QObject::connect(zonesButton, &QPushButton::clicked, screen, [this, screen, &ui, owner = std::move(owner)] {
    const std::optional<ZoneOwner> shown = owner ? std::optional<ZoneOwner>(owner()) : std::nullopt;
    copy_.Edit([&](ZoneBlock& copy) {
      return RunZoneEditor(screen, zoneRecord_, copy, titleId_, channelNo_, ui, shown ? &*shown : nullptr);
    });
  });
}

bool ChannelZones::ZonesInOrderIfUsed(const FieldChecks& checks, bool inUse) const {
  return !inUse || ZonesInOrder(checks, copy_.get());
}

}  // namespace tk48
