#include "editors/toolkit/channel_families.h"

#include "editors/toolkit/editor_text.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

template <class T>
struct ItemArray;
template <class Item, std::size_t N>
struct ItemArray<Item (IoSection::*)[N]> {
  static constexpr int kCount = static_cast<int>(N);
};

enum class InUse : std::uint8_t { Type, Mode, Always };

template <auto Items, InUse Rule>
bool ItemInUse(const SettingData& record, int index) {
  const auto& item = (record.IO.*Items)[index];
  if constexpr (Rule == InUse::Type) return item.TYPE != 0;
  if constexpr (Rule == InUse::Mode) return item.MODE != 0;
  return true;
}

template <auto Items>
RowTexts Texts(const SettingData& record, int index) {
  const auto& item = (record.IO.*Items)[index];
  return {FromRecord(item.NAME), FromRecord(item.COMMENT)};
}

template <auto Items>
void Copy(SettingData& record, int from, int to) {
  (record.IO.*Items)[to] = (record.IO.*Items)[from];
}

template <auto Items, InUse Rule>
constexpr ChannelFamily Make(int labelId) {
  return {labelId, ItemArray<decltype(Items)>::kCount, &ItemInUse<Items, Rule>, &Texts<Items>, &Copy<Items>};
}

// In the order of FamilyId.
constexpr ChannelFamily kFamilies[] = {
    Make<&IoSection::AI, InUse::Type>(text::kAiLabel),   Make<&IoSection::DI, InUse::Type>(text::kDiLabel),
    Make<&IoSection::PI, InUse::Type>(text::kPiLabel),   Make<&IoSection::MA, InUse::Always>(text::kMaLabel),
    Make<&IoSection::MD, InUse::Always>(text::kMdLabel), Make<&IoSection::AO, InUse::Type>(text::kAoLabel),
    Make<&IoSection::DO, InUse::Type>(text::kDoLabel),   Make<&IoSection::GDO, InUse::Mode>(text::kGdoLabel),
};

}  // namespace

const ChannelFamily& FamilyOf(FamilyId family) { return kFamilies[static_cast<int>(family)]; }

QString RowLabel(const ChannelFamily& family, int index) {
  return QUtf8Text(FormatText(family.labelId, index + 1));
}

RowTexts RowTextsOf(const ChannelFamily& family, const SettingData& record, int index) {
  return family.inUse(record, index) ? family.texts(record, index) : RowTexts{};
}

}  // namespace tk48
