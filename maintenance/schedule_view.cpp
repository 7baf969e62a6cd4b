#include "maintenance/schedule_view.h"

#include <bitset>

#include "maintenance/refusal.h"
#include "port/ui_port.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48::maint {

namespace {
// Keyword indices of the record: NOUSE/USE, the families of a pattern output
// (NONE, DO, GDO, MD) and of a GDO member (NONE, DO, MD).
constexpr std::int32_t kUse = 1;
constexpr std::int32_t kOutDo = 1, kOutGdo = 2, kOutMd = 3;
constexpr std::int32_t kMemberDo = 1, kMemberMd = 2;

bool InRange(int no, int count) { return no >= 1 && no <= count; }
}  // namespace

bool UnitInUse(const SettingData& record, int unit) {
  return InRange(unit, kUnits) && record.SCHEDULE.UNIT[unit - 1].MODE == kUse;
}

std::vector<UnitRow> UnitRows(const SettingData& record) {
  std::vector<UnitRow> rows;
  for (int u = 1; u <= kUnits; ++u) {
    if (UnitInUse(record, u)) rows.push_back({u, FormatText(text::kUnitLabel, u), record.SCHEDULE.UNIT[u - 1].NAME});
  }
  return rows;
}

std::string WeekdayText(int weekday) {
  return std::string(LoadText(ValidWeekday(weekday) ? text::kWeekdays[weekday] : text::kUnknownWeekday));
}

std::string OneTimeDateText(const ScheduleDay& d) {
  return FormatText(text::kOneTimeDate, d.month, d.day, WeekdayText(d.weekday).c_str());
}

std::string PermanentDateText(const ScheduleDay& d) {
  return FormatText(text::kPermanentDate, d.year, d.month, d.day, WeekdayText(d.weekday).c_str());
}

std::string PatternNumberText(int pattern) {
  return pattern == 0 ? std::string(LoadText(text::kPatternNone)) : FormatText(text::kPatternNumber, pattern);
}

std::string PatternName(const SettingData& record, int pattern) {
  return InRange(pattern, kPatterns) ? record.SCHEDULE.PATTERN[pattern - 1].PTN_NAME : "";
}

std::vector<std::string> PatternChoices(const SettingData& record) {
  std::vector<std::string> out{std::string(LoadText(text::kPatternNone))};
  for (int p = 1; p <= kPatterns; ++p) {
    out.push_back(FormatText(text::kPatternChoice, p, PatternName(record, p).c_str()));
  }
  return out;
}

std::vector<DayRow> OneTimeRows(const SettingData& record, const OneTimeUnit& days) {
  std::vector<DayRow> rows;
  for (const ScheduleDay& d : days)
    rows.push_back({OneTimeDateText(d), PatternNumberText(d.pattern), PatternName(record, d.pattern)});
  return rows;
}

std::vector<DayRow> PermanentRows(const SettingData& record, const PermanentUnit& entries) {
  std::vector<DayRow> rows;
  for (const ScheduleDay& d : entries) {
    rows.push_back({d.pattern != 0 ? PermanentDateText(d) : std::string(), PatternNumberText(d.pattern),
                    PatternName(record, d.pattern)});
  }
  return rows;
}

namespace {
struct NamedChannel {
  const char* name;
  const char* comment;
};
// The output a pattern refers to, when its number is one of the family's.
std::optional<NamedChannel> PatternOutput(const SettingData& record, const ChannelRef& ch) {
  const IoSection& io = record.IO;
  switch (ch.kind) {
    case kOutDo:
      if (InRange(ch.no, kDoCount)) return NamedChannel{io.DO[ch.no - 1].NAME, io.DO[ch.no - 1].COMMENT};
      break;
    case kOutGdo:
      if (InRange(ch.no, kGdoCount)) return NamedChannel{io.GDO[ch.no - 1].NAME, io.GDO[ch.no - 1].COMMENT};
      break;
    case kOutMd:
      if (InRange(ch.no, kMdCount)) return NamedChannel{io.MD[ch.no - 1].NAME, io.MD[ch.no - 1].COMMENT};
      break;
    default: break;
  }
  return std::nullopt;
}
}  // namespace

std::vector<OutputRow> PatternOutputRows(const SettingData& record, int pattern) {
  std::vector<OutputRow> rows;
  for (int o = 1; o <= 8; ++o) {
    OutputRow row{o, {}, {}, {}, {}};
    if (InRange(pattern, kPatterns)) {
      const PatternOut& out = record.SCHEDULE.PATTERN[pattern - 1].OUT[o - 1];
      if (const auto ch = PatternOutput(record, out.CH)) {
        row.name = ch->name;
        row.comment = ch->comment;
        row.start = FormatText(text::kOutputTime, out.START.HOUR, out.START.MIN);
        row.end = FormatText(text::kOutputTime, out.STOP.HOUR, out.STOP.MIN);
      }
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

bool CheckOneTimeChange(const ScheduleDay& day, const PermanentUnit& permanent, UiPort& ui) {
  if (!IsDeviceDate(day.year, day.month, day.day)) return Refuse(ui, text::kInvalidDate, Icon::Error);
  for (const ScheduleDay& e : permanent) {
    if (e.pattern != 0 && e.SameDate(day)) return Refuse(ui, text::kAssignedToPermanent, Icon::Error);
  }
  return true;
}

bool CheckPermanentChange(const PermanentUnit& permanent, int entry, const DateTime& date, UiPort& ui) {
  if (!IsDeviceDate(date.year, date.month, date.day)) return Refuse(ui, text::kInvalidDate, Icon::Error);
  const ScheduleDay wanted{static_cast<std::uint16_t>(date.year), static_cast<std::uint16_t>(date.month),
                           static_cast<std::uint16_t>(date.day)};
  for (int e = 1; e <= kPermanentEntries; ++e) {
    if (e != entry && permanent[e - 1].pattern != 0 && permanent[e - 1].SameDate(wanted))
      return Refuse(ui, text::kDuplicateDate, Icon::Error);
  }
  return true;
}

namespace {
constexpr int kTypeTexts[] = {text::kOutputTypeSch, text::kOutputTypeOn, text::kOutputTypeOff};
}  // namespace

std::string OutputTypeText(int type) {
  return type >= 0 && type <= kOutputOff ? std::string(LoadText(kTypeTexts[type])) : std::to_string(type);
}

std::optional<std::uint8_t> OutputTypeFromText(std::string_view name) {
  for (std::uint8_t t = 0; t <= kOutputOff; ++t) {
    if (LoadText(kTypeTexts[t]) == name) return t;
  }
  return std::nullopt;
}

ScheduledOutputs ListedOutputs(const SettingData& record, const OutputTypesFile& types) {
  const IoSection& io = record.IO;
  std::bitset<kPatterns + 1> patterns;
  for (int u = 0; u < kUnits; ++u) {
    if (!UnitInUse(record, u + 1)) continue;
    for (const UnitDay& d : record.SCHEDULE.UNIT[u].BASIC) {
      if (InRange(d.PTN, kPatterns)) patterns.set(d.PTN);
    }
    for (int e = 0; e < kOneTimeDays + kPermanentEntries; ++e) {
      const int p = types.EntryPattern(u, e);
      if (types.EntrySet(u, e) && InRange(p, kPatterns)) patterns.set(p);
    }
  }
  std::bitset<kMdCount + 1> md;
  std::bitset<kDoCount + 1> dout;
  auto driveDo = [&](int no) {
    if (InRange(no, kDoCount) && io.DO[no - 1].TYPE != kTypeNone) dout.set(no);
  };
  auto driveMd = [&](int no) {
    if (InRange(no, kMdCount)) md.set(no);
  };
  for (int p = 1; p <= kPatterns; ++p) {
    if (!patterns.test(p)) continue;
    for (const PatternOut& out : record.SCHEDULE.PATTERN[p - 1].OUT) {
      const ChannelRef& ch = out.CH;
      if (ch.kind == kOutDo) driveDo(ch.no);
      if (ch.kind == kOutMd) driveMd(ch.no);
      if (ch.kind != kOutGdo || !InRange(ch.no, kGdoCount) || io.GDO[ch.no - 1].MODE != kUse) continue;
      for (const ChannelRef& member : io.GDO[ch.no - 1].CH) {
        if (member.kind == kMemberDo) driveDo(member.no);
        if (member.kind == kMemberMd) driveMd(member.no);
      }
    }
  }
  ScheduledOutputs out;
  for (int n = 1; n <= kMdCount; ++n) {
    if (md.test(n)) out.md.push_back(n);
  }
  for (int n = 1; n <= kDoCount; ++n) {
    if (dout.test(n)) out.dout.push_back(n);
  }
  return out;
}

std::vector<OutputTypeRow> OutputTypeRows(const SettingData& record, const OutputTypesFile& types,
                                          std::uint16_t family) {
  const ScheduledOutputs listed = ListedOutputs(record, types);
  std::vector<OutputTypeRow> rows;
  for (const int no : family == kFamilyDo ? listed.dout : listed.md) {
    const ChannelRef ref{family == kFamilyDo ? kOutDo : kOutMd, static_cast<std::int16_t>(no)};
    const auto ch = PatternOutput(record, ref);
    rows.push_back({no, ch->name, ch->comment, OutputTypeText(*types.Type(family, no))});
  }
  return rows;
}

}  // namespace tk48::maint
