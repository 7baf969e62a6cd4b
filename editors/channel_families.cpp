#include "editors/channel_families.h"

#include "editors/editor_text.h"

namespace tk48 {
namespace {

template <class T>
struct ItemArray;
template <class Item, std::size_t N>
struct ItemArray<Item (IoSection::*)[N]> {
  static constexpr int kCount = static_cast<int>(N);
};

// Input channels show their name and comment only while their type is not
// "Disable" (0); function registers always.
template <auto Items, bool OnlyInUse>
RowTexts Row(const SettingData& record, int index) {
  const auto& item = (record.IO.*Items)[index];
  if constexpr (OnlyInUse) {
    if (item.TYPE == 0) return {};
  }
  return {FromRecord(item.NAME), FromRecord(item.COMMENT)};
}

template <auto Items>
void Copy(SettingData& record, int from, int to) {
  (record.IO.*Items)[to] = (record.IO.*Items)[from];
}

template <auto Items, bool OnlyInUse>
constexpr ChannelFamily Make(int labelId) {
  return {labelId, ItemArray<decltype(Items)>::kCount, &Row<Items, OnlyInUse>, &Copy<Items>};
}

constexpr ChannelFamily kFamilies[] = {
    Make<&IoSection::AI, true>(400),
    Make<&IoSection::DI, true>(500),
    Make<&IoSection::PI, true>(600),
    Make<&IoSection::MA, false>(700),
    Make<&IoSection::MD, false>(800),
};

}  // namespace

const ChannelFamily& FamilyOf(Family family) { return kFamilies[static_cast<int>(family)]; }

QString RowLabel(const ChannelFamily& family, int index) {
  return QUtf8Text(FormatText(family.labelId, index + 1));
}

}  // namespace tk48
