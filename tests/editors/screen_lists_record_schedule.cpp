// The choice lists of the record screens (logging, events, reports) and of the
// scheduler screens as their descriptions give them, and the texts those
// screens leave blank on purpose.
#include <cstring>

#include "tests/editors/screen_lists.h"

namespace tk48::test {
namespace {

// A unit's day list: "None", then every pattern as "No.%d %s" with its name,
// named or not.
Entries PatternChoices() {
  return [](const ListPlace& at) {
    QStringList list{QStringLiteral("None")};
    int number = 0;
    for (const SchedulePattern& p : at.record.SCHEDULE.PATTERN) {
      const auto size = static_cast<qsizetype>(::strnlen(p.PTN_NAME, sizeof p.PTN_NAME));
      const QString name = QString::fromUtf8(p.PTN_NAME, size);
      list << QStringLiteral("No.%1 %2").arg(++number).arg(name);
    }
    return list;
  };
}

}  // namespace

ScreenTables RecordAndScheduleTables() {
  const auto disableEnable = [] { return Fixed({"Disable", "Enable"}); };
  const auto charSet = [] { return Fixed({"SJIS", "UTF-8"}); };
  const auto sampling = [] {
    return Fixed({"Momentary value", "Average value", "Peak value (max.)", "Peak value (min.)"});
  };
  const auto errorModes = [] { return Fixed({"Previous value", "Fixed value", "Fixed characters"}); };
  const auto sendTimes = [] { return Fixed({"Disable", "Upon updating of file", "Upon saving of file"}); };
  static const ListRule lists[] = {
      // Logging and its header line and offset screens.
      {"CDlgSetRecordLogging", "Mode", disableEnable()},
      {"CDlgSetRecordLogging", "Auto start", disableEnable()},
      {"CDlgSetRecordLogging", "SD card auto delete", disableEnable()},
      {"CDlgSetRecordLogging", "SD card record character set", charSet()},
      {"CDlgSetRecordLogging", "Storing rate time unit (Mode)", Fixed({"Second", "Minute", "Hour"})},
      // The storing rates the configuration file can hold: it has no 20 s and no
      // 20 min rate, and a file holding one is refused when read.
      {"CDlgSetRecordLogging", "Sec.", Fixed({"1", "2", "5", "10", "30"})},
      {"CDlgSetRecordLogging", "Min.", Fixed({"1", "2", "5", "10", "15", "30"})},
      {"CDlgSetRecordLoggingHead", "Mode", disableEnable()},
      {"CDlgSetRecordLoggingHourConf", "Logging", disableEnable()},
      // A logging pen: every family, its channels following the type.
      {"CDlgSetRecordLoggingPenConf", "Type", Fixed({"None", "AI", "DI", "PI", "MA", "MD", "AO", "DO", "GDO"})},
      {"CDlgSetRecordLoggingPenConf", "CH",
       ChannelsOfType("CH", "Type",
                      {{"AI", ListFamily::Ai},
                       {"DI", ListFamily::Di},
                       {"PI", ListFamily::Pi},
                       {"MA", ListFamily::Ma},
                       {"MD", ListFamily::Md},
                       {"AO", ListFamily::Ao},
                       {"DO", ListFamily::Do},
                       {"GDO", ListFamily::Gdo}})},
      {"CDlgSetRecordLoggingPenConf", "Sampling method", sampling()},
      {"CDlgSetRecordLoggingPenConf", "Data range (Mode)", disableEnable()},
      {"CDlgSetRecordLoggingPenConf", "Error mode (Mode)", errorModes()},
      {"CDlgSetRecordLoggingPenConf", "Fixed value", Fixed({"OFF", "ON"})},
      // Events: each log's mode and, for the event and scheduler logs, its character set.
      {"CDlgSetRecordEvent", "SD card auto delete", disableEnable()},
      {"CDlgSetRecordEvent", "Event log (Mode)", disableEnable()},
      {"CDlgSetRecordEvent", "Event log (SD card record character set)", charSet()},
      {"CDlgSetRecordEvent", "System log (Mode)", disableEnable()},
      {"CDlgSetRecordEvent", "Communication log (Mode)", disableEnable()},
      {"CDlgSetRecordEvent", "Scheduler log (Mode)", disableEnable()},
      {"CDlgSetRecordEvent", "Scheduler log (SD card record character set)", charSet()},
      // Reports.
      {"CDlgSetRecordReport", "Mode", disableEnable()},
      {"CDlgSetRecordReport", "SD card auto delete", disableEnable()},
      {"CDlgSetRecordReport", "SD card record character set", charSet()},
      {"CDlgSetRecordReport", "Timing to send mails (Daily report)", sendTimes()},
      {"CDlgSetRecordReport", "Timing to send mails (Monthly report)", sendTimes()},
      {"CDlgSetRecordReport", "Timing to send mails (Yearly report)", sendTimes()},
      {"CDlgSetRecordReport", "Daily report start time", Numbers(1, 24)},
      {"CDlgSetRecordReport", "Monthly report start date", Numbers(1, 28)},
      {"CDlgSetRecordReport", "Yearly report start month", Numbers(1, 12)},
      // A report pen: the analog families only, and the basic data.
      {"CDlgSetRecordReportPenConf", "Type", Fixed({"None", "AI", "PI", "MA"})},
      {"CDlgSetRecordReportPenConf", "CH",
       ChannelsOfType("CH", "Type", {{"AI", ListFamily::Ai}, {"PI", ListFamily::Pi}, {"MA", ListFamily::Ma}})},
      {"CDlgSetRecordReportPenConf", "Sampling method", sampling()},
      {"CDlgSetRecordReportPenConf", "Basic data", Fixed({"Sum", "Average", "Maximum", "Minimum"})},
      {"CDlgSetRecordReportPenConf", "Data range (Mode)", disableEnable()},
      {"CDlgSetRecordReportPenConf", "Error mode (Mode)", errorModes()},
      {"CDlgSetRecordReportPenConf", "Fixed value", Fixed({"OFF", "ON"})},
      // A pattern output: DO, GDO or MD, on from a start to an end that may be 24:00.
      {"CDlgSetSchConf", "Type", Fixed({"None", "DO", "GDO", "MD"})},
      {"CDlgSetSchConf", "CH",
       ChannelsOfType("CH", "Type", {{"DO", ListFamily::Do}, {"GDO", ListFamily::Gdo}, {"MD", ListFamily::Md}})},
      {"CDlgSetSchConf", "Start at (Hour)", Numbers(0, 23)},
      {"CDlgSetSchConf", "Start at (Min.)", Numbers(0, 59)},
      {"CDlgSetSchConf", "End at (Hour)", Numbers(0, 24)},
      {"CDlgSetSchConf", "End at (Min.)", Numbers(0, 59)},
      // A unit: its mode and one pattern (or none) per day of the week.
      {"CDlgSetSchUnitReg", "Mode", disableEnable()},
      {"CDlgSetSchUnitReg", "Basic assignment (Sun)", PatternChoices()},
      {"CDlgSetSchUnitReg", "Basic assignment (Mon)", PatternChoices()},
      {"CDlgSetSchUnitReg", "Basic assignment (Tue)", PatternChoices()},
      {"CDlgSetSchUnitReg", "Basic assignment (Wed)", PatternChoices()},
      {"CDlgSetSchUnitReg", "Basic assignment (Thu)", PatternChoices()},
      {"CDlgSetSchUnitReg", "Basic assignment (Fri)", PatternChoices()},
      {"CDlgSetSchUnitReg", "Basic assignment (Sat)", PatternChoices()},
      // The maintenance switch: a DI or an MD.
      {"CDlgSetSchInputConf", "Channel (Type)", Fixed({"None", "DI", "MD"})},
      {"CDlgSetSchInputConf", "Channel (CH)",
       ChannelsOfType("CH", "Type", {{"DI", ListFamily::Di}, {"MD", ListFamily::Md}})},
  };
  // These screens leave no text blank on purpose; the empty row only keeps the table an array.
  static const BlankRule blanks[] = {
      {"", "", ""},
  };
  return {lists, blanks};
}

}  // namespace tk48::test
