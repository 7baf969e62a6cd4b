#pragma once
// The one channel chooser of the editors: a type list of families and the
// list of the picked family's channels, each "%03d %s" with its number and,
// by the family's in-use rule, its name.
#include <QComboBox>
#include <QString>
#include <cstdint>

#include "editors/toolkit/channel_families.h"

namespace tk48 {

// One entry of a type list: the kind it stores and the family it lists
// (nullptr for an entry without a channel, such as "None").
struct RefKind {
  std::int32_t kind;
  const ChannelFamily* family;
};

// "%03d %s" for item `index`.
QString ChannelChoiceText(const ChannelFamily& family, const SettingData& record, int index);
// Fills `list` with the family's channels (empty for nullptr); no entry selected.
void FillChannels(QComboBox* list, const SettingData& record, const ChannelFamily* family);
// Fills `list` with the family's labels ("AI005"), each followed by a space
// and the item's name when it is in use; no entry selected. The source lists
// of a DI (its AI) and a PI (its DI, its AI) read so.
void FillLabelledChannels(QComboBox* list, const SettingData& record, const ChannelFamily& family);

}  // namespace tk48
