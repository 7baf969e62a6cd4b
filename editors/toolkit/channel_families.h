#pragma once
// The channel families as lists show them: how many items, the label of an
// item, when an item counts as in use (its name and comment are shown only
// then), and how a whole item block is copied from one item to another.
#include <QString>
#include <cstdint>

#include "model/setting_data.h"

namespace tk48 {

enum class FamilyId : std::uint8_t { Ai, Di, Pi, Ma, Md, Ao, Do, Gdo };

struct RowTexts {
  QString name;
  QString comment;
};

struct ChannelFamily {
  int labelId;  // "AI%03d"
  int count;
  // The in-use rule of the family: TYPE not 0 for most, MODE not 0 for GDO,
  // always for the function registers.
  bool (*inUse)(const SettingData& record, int index);
  // Name and comment as stored, whatever the rule says.
  RowTexts (*texts)(const SettingData& record, int index);
  // The whole item block of `from` over `to`, alarm zones and actions included.
  void (*copy)(SettingData& record, int from, int to);
};

const ChannelFamily& FamilyOf(FamilyId family);

// "AI005" for index 4.
QString RowLabel(const ChannelFamily& family, int index);
// Name and comment by the in-use rule: empty for an item not in use.
RowTexts RowTextsOf(const ChannelFamily& family, const SettingData& record, int index);

}  // namespace tk48
