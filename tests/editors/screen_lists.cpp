// The entry makers of the screen-list tables. The channel rule is written
// here from the screens' description, apart from the editors' own chooser.
#include "tests/editors/screen_lists.h"

#include <QWidget>
#include <cstring>
#include <string>
#include <utility>

namespace tk48::test {
namespace {

// A channel's stored name.
template <auto Channels>
QString NameIn(const SettingData& r, int i) {
  const auto& ch = (r.IO.*Channels)[i];
  return QString::fromUtf8(ch.NAME, static_cast<qsizetype>(::strnlen(ch.NAME, sizeof ch.NAME)));
}
template <auto Channels>
bool TypeSet(const SettingData& r, int i) {
  return (r.IO.*Channels)[i].TYPE != 0;
}
bool Always(const SettingData&, int) { return true; }
bool GdoModeSet(const SettingData& r, int i) { return r.IO.GDO[i].MODE != 0; }

struct FamilyRule {
  int count;
  bool (*inUse)(const SettingData&, int);
  QString (*name)(const SettingData&, int);
};

// In the order of ListFamily.
constexpr FamilyRule kFamilies[] = {
    {kAiCount, &TypeSet<&IoSection::AI>, &NameIn<&IoSection::AI>},
    {kDiCount, &TypeSet<&IoSection::DI>, &NameIn<&IoSection::DI>},
    {kPiCount, &TypeSet<&IoSection::PI>, &NameIn<&IoSection::PI>},
    {kMaCount, &Always, &NameIn<&IoSection::MA>},
    {kMdCount, &Always, &NameIn<&IoSection::MD>},
    {kAoCount, &TypeSet<&IoSection::AO>, &NameIn<&IoSection::AO>},
    {kDoCount, &TypeSet<&IoSection::DO>, &NameIn<&IoSection::DO>},
    {kGdoCount, &GdoModeSet, &NameIn<&IoSection::GDO>},
};

const FamilyRule& RuleOf(ListFamily f) { return kFamilies[static_cast<int>(f)]; }

// SLMP bit devices of the discrete inputs and outputs.
constexpr const char* kBitDevices[] = {
    "0091H_Special relay (SM)",
    "009CH_Input (X)",
    "009DH_Output (Y)",
    "0090H_Internal relay (M)",
    "0092H_Latch relay (L)",
    "0093H_Annunciator (F)",
    "0094H_Edge relay (V)",
    "00A0H_Link relay (B)",
    "00C1H_Timer contact (TS)",
    "00C0H_Timer coil (TC)",
    "0051H_Long timer contact (LTS)",
    "0050H_Long timer coil (LTC)",
    "00C7H_Retentive timer contact (STS)",
    "00C6H_Retentive timer coil (STC)",
    "0059H_Long retentive timer contact (LSTS)",
    "0058H_Long retentive timer coil (LSTC)",
    "00C4H_Counter contact (CS)",
    "00C3H_Counter coil (CC)",
    "0055H_Long counter contact (LCS)",
    "0054H_Long counter coil (LCC)",
    "00A1H_Link special relay (SB)",
    "91H_Special relay (SM)",
    "9CH_Input (X)",
    "9DH_Output (Y)",
    "90H_Internal relay (M)",
    "92H_Latch relay (L)",
    "93H_Annunciator (F)",
    "94H_Edge relay (V)",
    "A0H_Link relay (B)",
    "C1H_Timer contact (TS)",
    "C0H_Timer coil (TC)",
    "C7H_Retentive timer contact (STS)",
    "C6H_Retentive timer coil (STC)",
    "C4H_Counter contact (CS)",
    "C3H_Counter coil (CC)",
    "A1H_Link special relay (SB)",
    "98H_Step relay (S)",
    "55H_Long counter contact (LCS)",
    "54H_Long counter coil (LCC)",
};
}  // namespace

const std::span<const char* const> kSlmpBitDevices = kBitDevices;

Entries Joined(std::initializer_list<std::span<const char* const>> runs) {
  QStringList list;
  for (const auto run : runs)
    for (const char* t : run) list << QString::fromUtf8(t);
  return [list](const ListPlace&) { return list; };
}

Entries Fixed(std::initializer_list<const char*> texts) {
  QStringList list;
  for (const char* t : texts) list << QString::fromUtf8(t);
  return [list](const ListPlace&) { return list; };
}

Entries Numbers(int first, int last) {
  QStringList list;
  for (int n = first; n <= last; ++n) list << QString::number(n);
  return [list](const ListPlace&) { return list; };
}

Entries Empty() {
  return [](const ListPlace&) { return QStringList{}; };
}

QStringList ChannelEntries(const SettingData& record, ListFamily f) {
  const FamilyRule& rule = RuleOf(f);
  QStringList list;
  for (int i = 0; i < rule.count; ++i)
    list << QStringLiteral("%1 %2")
                .arg(i + 1, 3, 10, QChar(u'0'))
                .arg(rule.inUse(record, i) ? rule.name(record, i) : QString());
  return list;
}

Entries Channels(ListFamily f) {
  return [f](const ListPlace& at) { return ChannelEntries(at.record, f); };
}

Entries ChannelsOfType(std::string_view from, std::string_view to, std::initializer_list<TypeFamily> families) {
  std::vector<std::pair<QString, ListFamily>> map;
  for (const TypeFamily& t : families) map.emplace_back(QString::fromUtf8(t.text), t.family);
  const QString f = QString::fromUtf8(from.data(), static_cast<qsizetype>(from.size()));
  const QString t = QString::fromUtf8(to.data(), static_cast<qsizetype>(to.size()));
  Entries entries = [map, f, t](const ListPlace& at) {
    QString name = at.list.accessibleName();
    const qsizetype cut = name.lastIndexOf(f);
    if (cut < 0) return QStringList{QStringLiteral("<no '%1' in the list's name>").arg(f)};
    name.replace(cut, f.size(), t);
    const QComboBox* type = nullptr;
    for (const QComboBox* list : at.screen.findChildren<QComboBox*>())
      if (list->accessibleName() == name) type = list;
    if (!type) return QStringList{QStringLiteral("<no type list '%1'>").arg(name)};
    for (const auto& [text, family] : map)
      if (type->currentText() == text) return ChannelEntries(at.record, family);
    return QStringList{};
  };
  entries.typeFrom = from;
  entries.typeTo = to;
  return entries;
}

bool NameMatches(std::string_view pattern, std::string_view name) {
  // Classic wildcard match with one backtrack point.
  std::size_t p = 0, n = 0, star = std::string_view::npos, mark = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      mark = n;
    } else if (p < pattern.size() && pattern[p] == name[n]) {
      ++p, ++n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      n = ++mark;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace tk48::test
