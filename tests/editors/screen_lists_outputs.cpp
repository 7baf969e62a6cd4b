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
       Fixed({"0091H_Special relay (SM)",
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
              "54H_Long counter coil (LCC)"})},
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
