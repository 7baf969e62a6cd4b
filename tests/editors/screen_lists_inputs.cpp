// The choice lists of the input screens (the slaves, the AI, DI, PI, MA and MD
// channels, their alarm zones, function settings and action lists) as their
// descriptions give them, and the texts those screens leave blank on purpose.
#include <QDialog>
#include <QString>
#include <cstring>
#include <iterator>
#include <span>

#include "tests/editors/screen_lists.h"

namespace tk48::test {
namespace {

// SLMP word devices of an analog input, in the order the device list shows them.
constexpr const char* kWordDevices[] = {
    "00A9H_Special register (SD)",
    "00A8H_Data register (D)",
    "00B4H_Link register (W)",
    "00C2H_Timer current value (TN)",
    "00C8H_Retentive timer current value (STN)",
    "00C5H_Counter current value (CN)",
    "00B5H_Link special register (SW)",
    "00CCH_Index register (Z)",
    "00AFH_File register (R) Block switching method",
    "00B0H_File register (ZR) Serial number access method",
    "002CH_Module refresh register (RD)",
    "A9H_Special register (SD)",
    "A8H_Data register (D)",
    "B4H_Link register (W)",
    "C2H_Timer current value (TN)",
    "C8H_Retentive timer current value (STN)",
    "C5H_Counter current value (CN)",
    "B5H_Link special register (SW)",
    "CCH_Index register (Z)",
    "AFH_File register (R) Block switching method",
    "B0H_File register (ZR) Serial number access method",
};

// A pulse input reads the long (32-bit) word devices first, then those of an analog input.
constexpr const char* kLongWordDevices[] = {
    "0052H_Long timer current value (LTN)",   "005AH_Long retentive timer current value (LSTN)",
    "0056H_Long counter current value (LCN)", "0062H_Long index register (LZ)",
    "62H_Long index register (LZ)",           "56H_Long counter current value (LCN)",
};

// "Disable", then "Slave %d" for every slave numbered below the edited one: a
// slave can only share the connection of a slave before it.
Entries SlavesBelow() {
  return [](const ListPlace& at) {
    QStringList list{QStringLiteral("Disable")};
    for (int s = 0; s < at.item; ++s) list << QStringLiteral("Slave %1").arg(s);
    return list;
  };
}

// Channel lists that name a channel by its label ("AI005"), followed by a
// space and its name only while it is in use (TYPE not 0).
template <auto Family>
Entries Labelled(const char* prefix) {
  const QString head = QString::fromLatin1(prefix);
  return [head](const ListPlace& at) {
    QStringList list;
    const auto& channels = at.record.IO.*Family;
    for (std::size_t i = 0; i < std::size(channels); ++i) {
      const auto& ch = channels[i];
      QString entry = head + QStringLiteral("%1").arg(i + 1, 3, 10, QChar(u'0'));
      if (ch.TYPE != 0)
        entry += u' ' + QString::fromUtf8(ch.NAME, static_cast<qsizetype>(::strnlen(ch.NAME, sizeof ch.NAME)));
      list << entry;
    }
    return list;
  };
}

// The input kinds of a function setting: F value calculation and analog
// accumulation integrate a value over time, so they take no discrete input.
Entries InputKinds() {
  return [](const ListPlace& at) {
    const QString title = at.screen.windowTitle();
    for (const char* analogOnly : {"(F value calculation)", "(Analog accumulation)"})
      if (title.contains(QString::fromLatin1(analogOnly)))
        return QStringList{QStringLiteral("AI"), QStringLiteral("PI"), QStringLiteral("MA")};
    return QStringList{QStringLiteral("AI"), QStringLiteral("DI"), QStringLiteral("PI"), QStringLiteral("MA")};
  };
}

const Entries kDisableEnable = Fixed({"Disable", "Enable"});
const Entries kFilters = Fixed({"None", "Moving average", "Delay buffer"});
const Entries kSamples = Fixed({"4", "8", "16", "32", "64"});
const Entries kPlaces = Numbers(0, 3);
const Entries kEventNumbers = Numbers(1, 64);
const Entries kRegisters = Fixed({"Input Register (3X)", "Holding Register (4X)"});
const Entries kTimeUnits = Fixed({"Minute", "Hour", "Day"});

}  // namespace

ScreenTables InputTables() {
  static const ListRule lists[] = {
      // The slaves.
      {"CDlgSetIoNodeCom", "Modbus/TCP Transaction ID management", kDisableEnable},
      {"CDlgSetIoNodeConf", "Slave type", Fixed({"Modbus/TCP", "SLMP"})},
      {"CDlgSetIoNodeConf", "Connection sharing", SlavesBelow()},
      {"CDlgSetIoNodeConf", "Communication error output (Type)", Fixed({"None", "MD", "DO", "GDO"})},
      {"CDlgSetIoNodeConf", "Communication error output (CH)",
       ChannelsOfType("CH", "Type", {{"MD", ListFamily::Md}, {"DO", ListFamily::Do}, {"GDO", ListFamily::Gdo}})},

      // Analog inputs.
      {"CDlgSetIoAiCh", "CH setting",
       Fixed({"Disable", "I/O module", "Modbus/TCP", "SLMP", "Control input", "Time", "Demo (sine wave)",
              "Demo (square wave)"})},
      {"CDlgSetIoAiCh", "Modbus/TCP register type", kRegisters},
      {"CDlgSetIoAiCh", "SLMP device", Joined({kWordDevices})},
      {"CDlgSetIoAiCh", "Time input", Fixed({"Month", "Day", "Hour", "Minute", "Second", "Day of week"})},
      {"CDlgSetIoAiCh", "Data type", Fixed({"% (0-10000)", "Int (integer)", "Uint (unsigned integer)"})},
      {"CDlgSetIoAiCh", "Filter", kFilters},
      {"CDlgSetIoAiCh", "Moving average samples", kSamples},
      {"CDlgSetIoAiCh", "Number of decimal places", kPlaces},

      // Alarm zones of AI, PI and MA.
      {"CDlgSetIoArea", "Partitions", Fixed({"Disable", "2", "3", "4", "5"})},
      {"CDlgSetIoArea", "Zone * (Event No.)", kEventNumbers},

      // The state chooser of an action list row, titled and named with the item's label.
      {"ActionStateDialog", "MD*", Fixed({"OFF", "ON"})},
      {"ActionStateDialog", "DO*", Fixed({"OFF", "ON"})},
      {"ActionStateDialog", "GDO*", Fixed({"OFF", "ON"})},
      {"ActionStateDialog", "PI*", kDisableEnable},
      {"ActionStateDialog", "MA*", kDisableEnable},

      // Discrete inputs.
      {"CDlgSetIoDiCh", "CH setting",
       Fixed({"Disable", "I/O module", "Modbus/TCP", "SLMP", "AI", "Control input", "Demo"})},
      {"CDlgSetIoDiCh", "Modbus/TCP register type", Fixed({"Input (1X)", "Coil (0X)"})},
      {"CDlgSetIoDiCh", "SLMP device", Joined({kSlmpBitDevices})},
      {"CDlgSetIoDiCh", "AI CH No.", Labelled<&IoSection::AI>("AI")},
      {"CDlgSetIoDiCh", "AI BIT", Numbers(0, 15)},
      {"CDlgSetIoDiCh", "Status (*) (Event No.)", kEventNumbers},

      // Pulse inputs.
      {"CDlgSetIoPiCh", "CH setting",
       Fixed({"Disable", "I/O module", "Modbus/TCP", "SLMP", "DI", "Control input", "Analog accumulation",
              "Binary accumulation", "Demo"})},
      {"CDlgSetIoPiCh", "Modbus/TCP register type", kRegisters},
      {"CDlgSetIoPiCh", "SLMP device", Joined({kLongWordDevices, kWordDevices})},
      {"CDlgSetIoPiCh", "DI CH No.", Labelled<&IoSection::DI>("DI")},
      {"CDlgSetIoPiCh", "Number of decimal places", kPlaces},
      {"CDlgSetIoPiCh", "Measuring mode (I/O module)", Fixed({"Accumulation", "Engineering unit value"})},
      {"CDlgSetIoPiCh", "Measuring mode (Modbus/TCP・SLMP)",
       Fixed({"Accumulation", "Engineering unit value", "Float"})},
      {"CDlgSetIoPiCh", "Measuring mode (DI)", Fixed({"ON", "OFF", "UP", "DOWN"})},
      {"CDlgSetIoPiCh", "Filter", kFilters},
      {"CDlgSetIoPiCh", "Moving average samples", kSamples},
      {"CDlgSetIoPiCh", "Analog accumulation (AI CH No.)", Labelled<&IoSection::AI>("AI")},
      {"CDlgSetIoPiCh", "Time unit", kTimeUnits},
      {"CDlgSetIoPiCh", "Binary accumulation (AI CH No.)", Labelled<&IoSection::AI>("AI")},

      // Analog function registers and their function settings.
      {"CDlgSetIoMaCh", "Function",
       Fixed({"Disable", "Addition/Subtraction", "Multiplication", "Division", "Square root", "Moving average",
              "Delay buffer", "Peak hold (max)", "Valley hold (min)", "exp", "Common logarithm", "Natural logarithm",
              "Analog accumulation", "Power", "F value calculation", "Scaling", "Upper/lower signal limiter"})},
      {"CDlgSetIoMaCh", "Number of decimal places", kPlaces},
      {"CDlgSetIoMaCh", "Memory at power loss (MA128-159)", kDisableEnable},
      {"CDlgSetIoMaCh", "Control on browser", kDisableEnable},
      {"CDlgSetIoMaFunc", "X* (Type)", InputKinds()},
      {"CDlgSetIoMaFunc", "X* (CH)",
       ChannelsOfType(
           "CH", "Type",
           {{"AI", ListFamily::Ai}, {"DI", ListFamily::Di}, {"PI", ListFamily::Pi}, {"MA", ListFamily::Ma}})},
      {"CDlgSetIoMaFunc", "Moving average samples", kSamples},
      {"CDlgSetIoMaFunc", "Time unit", kTimeUnits},

      // Digital function registers.
      {"CDlgSetIoMdCh", "Function", Fixed({"None", "Equal", "AND", "OR", "XOR", "NOT", "RUN"})},
      {"CDlgSetIoMdCh", "* (Type)", Fixed({"DI", "MD"})},
      {"CDlgSetIoMdCh", "Input * (CH)", ChannelsOfType("CH", "Type", {{"DI", ListFamily::Di}, {"MD", ListFamily::Md}})},
      {"CDlgSetIoMdCh", "Consecutive (Start CH)",
       ChannelsOfType("Start CH", "Type", {{"DI", ListFamily::Di}, {"MD", ListFamily::Md}})},
      {"CDlgSetIoMdCh", "Consecutive (Count)",
       Fixed({"-", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16"})},
      {"CDlgSetIoMdCh", "Memory at power loss (MD128-159)", kDisableEnable},
      {"CDlgSetIoMdCh", "Control on browser", kDisableEnable},
      {"CDlgSetIoMdCh", "Status (*) (Event No.)", kEventNumbers},
  };
  // No input screen leaves a text blank on purpose; the array keeps one empty row.
  static const BlankRule blanks[] = {
      {"", "", ""},
  };
  return {lists, blanks};
}

}  // namespace tk48::test
