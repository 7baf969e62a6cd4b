#pragma once
// The channel families as their list screens show them: how many rows, the
// label of a row, when a row shows its name and comment, and how a whole item
// block is copied from one row to another.
#include <QString>
#include <cstddef>
#include <cstdint>

#include "model/setting_data.h"

namespace tk48 {

enum class Family : std::uint8_t { Ai, Di, Pi, Ma, Md };

struct RowTexts {
  QString name;
  QString comment;
};

struct ChannelFamily {
  int labelId;  // "AI%03d"
  int count;
  RowTexts (*row)(const SettingData& record, int index);
  // The whole item block of `from` over `to`, alarm zones and actions included.
  void (*copy)(SettingData& record, int from, int to);
};

const ChannelFamily& FamilyOf(Family family);

// "AI005" for index 4.
QString RowLabel(const ChannelFamily& family, int index);

}  // namespace tk48
