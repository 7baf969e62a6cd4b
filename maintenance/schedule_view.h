#pragma once
// What the schedule maintenance screens and the CLI show of the schedule
// files, named from the maintenance copy of the setting data, and the checks
// before a change. Device values are range-checked before they index the
// record: a pattern above 64, a weekday above 6 or a type above 2 shows as its
// number ("?" for a weekday), with no name and no outputs.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "maintenance/schedule_files.h"
#include "model/setting_data.h"

namespace tk48 {
class UiPort;
}

namespace tk48::maint {

// ---- Units -----------------------------------------------------------------------
struct UnitRow {
  int unit;           // 1..32
  std::string label;  // "SU%d"
  std::string name;
};
// The units whose MODE is USE, in unit order.
std::vector<UnitRow> UnitRows(const SettingData& record);
bool UnitInUse(const SettingData& record, int unit);

// ---- Days and patterns ---------------------------------------------------------------
// The weekday's name, "?" outside 0..6.
std::string WeekdayText(int weekday);
// "%d/%d (%s)" (one-time) and "%d/%d/%d (%s)" (permanent).
std::string OneTimeDateText(const ScheduleDay& day);
std::string PermanentDateText(const ScheduleDay& day);
// "None" for 0, else the number.
std::string PatternNumberText(int pattern);
// The pattern's PTN_NAME; empty for none or a pattern outside 1..64.
std::string PatternName(const SettingData& record, int pattern);
// "None", then "No.%d %s" for patterns 1 to 64: the "Choose pattern" list.
std::vector<std::string> PatternChoices(const SettingData& record);

struct DayRow {
  std::string date;     // the date column
  std::string pattern;  // "Pattern No."
  std::string name;     // "Pattern name"
};
std::vector<DayRow> OneTimeRows(const SettingData& record, const OneTimeUnit& days);
// An entry without a pattern shows an empty date.
std::vector<DayRow> PermanentRows(const SettingData& record, const PermanentUnit& entries);

// The eight outputs of a pattern: "No.", "CH name", "CH comment", "Start at",
// "End at"; the names and times only for an output whose CH is not NONE.
struct OutputRow {
  int no;
  std::string name, comment, start, end;
};
std::vector<OutputRow> PatternOutputRows(const SettingData& record, int pattern);

// ---- Changes ------------------------------------------------------------------------
// A one-time day may change unless it is a date of one of the unit's permanent
// entries with a pattern ("Assigned to permanent schedule", error icon), or
// its own numbers are not a device date (a day the device sent wrong).
bool CheckOneTimeChange(const ScheduleDay& day, const PermanentUnit& permanent, UiPort& ui);
// A permanent entry (1..10) may take `date`: a real calendar date ("Invalid
// date") that no other entry of the unit with a pattern has ("Duplicate date").
bool CheckPermanentChange(const PermanentUnit& permanent, int entry, const DateTime& date, UiPort& ui);

// ---- Output types ---------------------------------------------------------------------
// "SCH", "ON", "OFF"; the number for a type the device sent outside 0..2.
std::string OutputTypeText(int type);
// The type a name stands for ("SCH", "ON", "OFF"), for the command line.
std::optional<std::uint8_t> OutputTypeFromText(std::string_view name);
// The outputs a unit in use can drive, in channel order (1-based numbers):
// through the patterns of its basic days and of its set one-time and
// permanent entries, directly (a DO in use, an MD) or through a GDO in use
// (its DO members in use and its MD members).
struct ScheduledOutputs {
  std::vector<int> md;
  std::vector<int> dout;
};
ScheduledOutputs ListedOutputs(const SettingData& record, const OutputTypesFile& types);

struct OutputTypeRow {
  int channel;
  std::string name, comment, type;
};
// The rows of the "MD" or the "DO" tab.
std::vector<OutputTypeRow> OutputTypeRows(const SettingData& record, const OutputTypesFile& types,
                                          std::uint16_t family);

}  // namespace tk48::maint
