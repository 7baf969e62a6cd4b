// The choice lists of the output screens (AO with its I/O mapping, DO, GDO
// with its members) as their descriptions give them, and the texts those
// screens leave blank on purpose.
#include "tests/editors/screen_lists.h"

namespace tk48::test {

ScreenTables OutputTables() {
  // Where an AO or a DO writes.
  static const Entries kChSetting = Fixed({"Disable", "I/O module", "Modbus/TCP", "SLMP"});
  static const Entries kOffOn = Fixed({"Disable", "Enable"});
  // The discrete source a DO or a GDO follows; "Disable" names no channel.
  static const Entries kMappingType = Fixed({"Disable", "DI", "MD"});
  static const Entries kMappingCh = ChannelsOfType("CH", "Type", {{"DI", ListFamily::Di}, {"MD", ListFamily::Md}});

  static const ListRule lists[] = {
      // The AO channel screen.
      {"CDlgSetIoAoCh", "CH setting", kChSetting},
      {"CDlgSetIoAoCh", "SLMP device",
       Fixed({"00A9H_Special register (SD)",
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
              "B0H_File register (ZR) Serial number access method"})},
      {"CDlgSetIoAoCh", "Control on browser", kOffOn},
      {"CDlgSetIoAoCh", "Number of decimal places", Numbers(0, 3)},

      // "AO I/O mapping": an analog source, or the 16 bits of the output word, rows "0" to "15";
      // a fixed bit names no channel.
      {"CDlgSetIoAoMap", "Mode", Fixed({"None", "Analog", "Discrete"})},
      {"CDlgSetIoAoMap", "Analog (Type)", Fixed({"AI", "MA"})},
      {"CDlgSetIoAoMap", "Analog (CH)", ChannelsOfType("CH", "Type", {{"AI", ListFamily::Ai}, {"MA", ListFamily::Ma}})},
      {"CDlgSetIoAoMap", "Discrete (*) (Type)", Fixed({"0 (fixed value)", "1 (fixed value)", "DI", "MD"})},
      {"CDlgSetIoAoMap", "Discrete (*) (CH)", kMappingCh},

      // The DO channel screen.
      {"CDlgSetIoDoCh", "CH setting", kChSetting},
      {"CDlgSetIoDoCh", "SLMP device",
       Joined({kSlmpBitDevices})},
      {"CDlgSetIoDoCh", "I/O mapping (Type)", kMappingType},
      {"CDlgSetIoDoCh", "I/O mapping (CH)", kMappingCh},
      {"CDlgSetIoDoCh", "Control on browser", kOffOn},

      // The GDO screen and one member slot of it; an empty slot names no channel.
      {"CDlgSetIoGdoCh", "Mode", kOffOn},
      {"CDlgSetIoGdoCh", "I/O mapping (Type)", kMappingType},
      {"CDlgSetIoGdoCh", "I/O mapping (CH)", kMappingCh},
      {"CDlgSetIoGdoCh", "Control on browser", kOffOn},
      {"CDlgSetIoGdoIncCh", "Type", Fixed({"Disable", "DO", "MD"})},
      {"CDlgSetIoGdoIncCh", "CH", ChannelsOfType("CH", "Type", {{"DO", ListFamily::Do}, {"MD", ListFamily::Md}})},
  };
  // Nothing on these screens is blank on purpose.
  static const BlankRule blanks[] = {
      {"", "", ""},
  };
  return {lists, blanks};
}

}  // namespace tk48::test
