// Layouts of "System.csv" and of the nine input/output files.
#include "csv/layout_builders.h"
#include "csv/slmp_devices.h"

namespace tk48::csv_layouts {
namespace {

const Choices& ModTypes() {
  static const Choices c{{0, T("Coil (0X)")},
                         {1, T("Input (1X)")},
                         {3, T("Input Register (3X)")},
                         {4, T("Holding Register (4X)")}};
  return c;
}

// The rows of a connection: I/O module and Modbus/TCP, then SLMP. The header
// texts stand in the second column.
std::vector<CsvRow> CardAndModbusRows(const std::string& p, int headers) {
  auto h = [headers](std::uint16_t id) { return headers >= 2 ? H(0, id) : H(id); };
  return {Row(h(T("Module address")), Cell::Auto, p + "CARD_NO", TypeIs<1>),
          Row(h(T("CH No")), Cell::Auto, p + "CARD_CH", TypeIs<1>),
          Row(h(T("Slave No.")), Cell::Auto, p + "MOD_NODE", TypeIs<2, 3>),
          Row(h(T("Modbus/TCP register type")), Cell::Choice, p + "MOD_TYPE", TypeIs<2>, &ModTypes()),
          Row(h(T("Modbus/TCP register address")), Cell::Auto, p + "MOD_ADDRESS", TypeIs<2>)};
}

std::vector<CsvRow> SlmpRows(const std::string& p, SlmpList list) {
  const int l = static_cast<int>(list);
  std::vector<CsvRow> rows{
      Row(H(0, T("SLMP device")), Cell::SlmpDevice, p + "SLMP_DEV_CODE", TypeIs<3>, nullptr, l),
      Row(H(0, T("SLMP device No. (Decimal)")), Cell::SlmpNumber, p + "SLMP_DEV_NO", TypeIs<3>, nullptr, l * 2),
      Row(H(0, T("SLMP device No. (Hexadecimal)")), Cell::SlmpNumber, p + "SLMP_DEV_NO", TypeIs<3>, nullptr,
          l * 2 + 1)};
  rows[1].aux = rows[2].aux = p + "SLMP_DEV_CODE";
  return rows;
}

std::vector<CsvRow> ConnectionRows(const std::string& p, int headers, SlmpList list) {
  std::vector<CsvRow> rows = CardAndModbusRows(p, headers);
  Append(rows, SlmpRows(p, list));
  return rows;
}

// ---- Alarm zones -------------------------------------------------------------------

bool ZoneUsed(const CsvItem& it) { return it.gated && it.block <= it.areas; }
bool ZoneBelowTop(const CsvItem& it) { return it.gated && it.block < it.areas; }

// The zone's event rows ("Upward" or "Downward").
std::vector<CsvRow> ZoneEventRows(std::uint16_t group, const std::string& e, When when) {
  std::vector<CsvRow> rows{Row(H(0, group, T("Event log")), Cell::Choice, e + "EVENT_LOG", when, &NoUseUseTexts()),
                           Row(H(0, 0, T("Message")), Cell::Auto, e + "MESSAGE", when),
                           Row(H(0, 0, T("Event No.")), Cell::Auto, e + "EVENT_NO", when)};
  Append(rows, MailRows(e + "MAIL", 2, when));
  return rows;
}

// Zone k: zone 1 has no lower limit and no upward events, the top zone 5 no
// upper limit and no downward events; the top zone in use leaves its upper
// limit and downward rows empty.
CsvList ZoneList(const std::string& code, const std::string& item, int k) {
  const std::string a = item + "AREA[" + std::to_string(k) + "].";
  std::vector<CsvRow> rows;
  if (k < 5) rows.push_back(Row(H(0, 0, T("Upper limit")), Cell::Auto, a + "LEVEL_UPPER", ZoneBelowTop));
  if (k > 1) rows.push_back(Row(H(0, 0, T("Lower limit")), Cell::Auto, a + "LEVEL_LOWER", ZoneUsed));
  rows.push_back(Row(H(0, 0, T("Name")), Cell::Auto, a + "AREA_NAME", ZoneUsed));
  rows.push_back(Row(H(0, 0, T("Color")), Cell::Auto, a + "AREA_COLOR", ZoneUsed));
  Append(rows, WordRows(T("Alarm output (MD) %d - %d"), a + "MD_ON", 8, 2, ZoneUsed));
  rows.push_back(Row(H(0, 0, T("Alarm output (GDO) %d - %d"), 0, 1), Cell::Auto, a + "GDO_ON1", ZoneUsed));
  Append(rows, WordRows(T("Alarm output (DO) %d - %d"), a + "DO_ON", 4, 2, ZoneUsed));
  Append(rows, WordRows(T("Reset totalized value (PI) %d - %d"), a + "RESET_PI", 4, 2, ZoneUsed));
  Append(rows, WordRows(T("Reset function value (MA) %d - %d"), a + "RESET_MA", 8, 2, ZoneUsed));
  rows.front().head.id[0] = T("Zone %d");
  rows.front().head.id[1] = T("Basic");
  rows.front().head.param = k;
  if (k > 1) Append(rows, ZoneEventRows(T("Upward"), a + "UPPER.", ZoneUsed));
  if (k < 5) Append(rows, ZoneEventRows(T("Downward"), a + "LOWER.", ZoneBelowTop));
  return CsvList{code, k, std::move(rows)};
}

void AddZones(CsvFile& f, const std::string& code, const std::string& item) {
  for (int k = 5; k >= 1; --k) f.lists.push_back(ZoneList(code, item, k));
  f.table.areasField = item + "USE_AREAS";
}

// ---- Status blocks (DI, MD) --------------------------------------------------------

CsvList StatusList(const std::string& code, const std::string& item, bool on, When when) {
  const std::string s = item + (on ? "STATUS.ON." : "STATUS.OFF.");
  std::vector<CsvRow> rows{
      Row(H(on ? T("Status (ON)") : T("Status (OFF)"), T("Display comment")), Cell::Auto, s + "DISP_STRING", when),
      Row(H(0, T("Color")), Cell::Auto, s + "DISP_COLOR", when),
      Row(H(0, on ? T("ON delay time") : T("OFF delay time")), Cell::Auto, s + "DELAY", when),
      Row(H(0, T("Event log")), Cell::Choice, s + "EVENT_LOG", when, &NoUseUseTexts()),
      Row(H(0, T("Event No.")), Cell::Auto, s + "EVENT_NO", when),
      Row(H(0, T("Message")), Cell::Auto, s + "MESSAGE", when)};
  Append(rows, WordRows(T("Reset totalized value (PI) %d - %d"), s + "RESET_PI", 4, 1, when));
  Append(rows, WordRows(T("Reset function value (MA) %d - %d"), s + "RESET_MA", 8, 1, when));
  Append(rows, MailRows(s + "MAIL", 1, when));
  return CsvList{code, 0, std::move(rows)};
}

// ---- The files -------------------------------------------------------------------------

CsvFile SystemFile() {
  static const Choices language = Seq({T("Japanese"), T("English")});
  CsvFile f = NewFile("System.csv", T("System"), 2);
  f.settings.push_back(
      {"System",
       0,
       {Row(H(T("Name")), Cell::Auto, "SYSTEM.NAME1"),
        Row(H(T("Time zone"), T("Hour")), Cell::Auto, "SYSTEM.TIMEZONE"),
        Row(H(0, T("Minute")), Cell::Auto, "SYSTEM.TIMEZONE_MIN"),
        Row(H(T("Sampling adjustment at time correction")), Cell::Choice, "SYSTEM.TIME_AVE", nullptr, &DisableEnable()),
        Row(H(T("Language")), Cell::Choice, "SYSTEM.LANGUAGE", nullptr, &language)}});
  return f;
}

CsvFile NodeFile() {
  static const Choices nodeType = Seq({T("Modbus/TCP"), T("SLMP")});
  const std::string n = "IO.NODE_CONF.";
  CsvFile f = NewFile("NODE.csv", T("I/O Slave setting"), 2);
  f.settings.push_back(
      {"IO_NODE_TIME",
       0,
       {Row(H(T("Pause period (100 to 10000 ms)")), Cell::Auto, n + "INTERVAL"),
        Row(H(T("Modbus/TCP Timeout (1 to 10 s)")), Cell::Auto, n + "TIMEOUT"),
        Row(H(T("Modbus/TCP Transaction ID management")), Cell::Choice, n + "TRANSACTION", nullptr, &DisableEnable()),
        Row(H(T("SLMP Timeout (1 to 60 s)")), Cell::Auto, n + "SLMP_TIMEOUT")}});
  f.table = Table(32, T("Slave %d"), n + "NODE_TYPE[#]", T("Slave type"), "CH", 0);
  auto addressSet = [](const CsvItem& it) { return it.d.IO.NODE_CONF.NODE[it.i][0] != '\0'; };
  // The address is read whatever it holds: an empty cell is no address (as the
  // export writes it), and a malformed one is reported, not passed over.
  f.lists.push_back(
      {"IO_NODE",
       0,
       {Row(H(T("Slave type")), Cell::Choice, n + "NODE_TYPE[#]", nullptr, &nodeType),
        Row(H(T("IP address")), Cell::Auto, n + "NODE[#]"),
        Row(H(T("Port address")), Cell::Auto, n + "PORT[#]", addressSet),
        Row(H(T("Communication error output"), T("Type")), Cell::RefType, n + "ERROUT[#]", nullptr, nullptr, T("None")),
        Row(H(0, T("CH")), Cell::RefCh, n + "ERROUT[#]"),
        Row(H(T("Modbus/TCP"), T("Node No.")), Cell::Auto, n + "DEV_ID[#]", TypeIs<0>),
        Row(H(0, T("Connection sharing")), Cell::SharedSlave, n + "SHAR_ID[#]", TypeIs<0>),
        Row(H(T("SLMP"), T("Network No.")), Cell::Auto, n + "SLMP_NO[#]", TypeIs<1>),
        Row(H(0, T("Station No.")), Cell::Auto, n + "SLMP_SS[#]", TypeIs<1>),
        Row(H(0, T("Processor No. (Hexadecimal)")), Cell::Hex4, n + "SLMP_CPU[#]", TypeIs<1>)}});
  return f;
}

const Choices& Filters() {
  static const Choices c = Seq({T("None"), T("Moving average"), T("Delay buffer")});
  return c;
}

CsvFile AiFile() {
  static const Choices type = Seq({T("Disable"), T("I/O module"), T("Modbus/TCP"), T("SLMP"), T("Control input"),
                                   T("Time"), T("Demo (sine wave)"), T("Demo (square wave)")});
  static const Choices time = Seq({T("Month"), T("Day"), T("Hour"), T("Minute"), T("Second"), T("Day of week")});
  static const Choices dataType = Seq({T("% (0-10000)"), T("Int (integer)"), T("Uint (unsigned integer)")});
  const std::string p = "IO.AI[#].";
  auto value = TypeNot<0, 5>;
  auto average = [](const CsvItem& it) { return it.type != 0 && it.type != 5 && it.d.IO.AI[it.i].FILTER == 1; };
  auto delay = [](const CsvItem& it) { return it.type != 0 && it.type != 5 && it.d.IO.AI[it.i].FILTER == 2; };
  auto percent = [](const CsvItem& it) { return it.type != 0 && it.type != 5 && it.d.IO.AI[it.i].AI_DATA_TYPE == 0; };
  auto integer = [](const CsvItem& it) { return it.type != 0 && it.type != 5 && it.d.IO.AI[it.i].AI_DATA_TYPE != 0; };
  CsvFile f = NewFile("AI.csv", T("Analog input (AI)"), 3);
  f.table = Table(128, T("AI%03d"), p + "TYPE", T("CH setting"), "CH");
  f.table.zonesNeedType = true;
  std::vector<CsvRow> rows{Row(H(T("CH setting")), Cell::Choice, p + "TYPE", nullptr, &type)};
  Append(rows, ConnectionRows(p, 3, SlmpList::Word));
  Append(rows, {Row(H(0, T("Time input")), Cell::Choice, p + "TIME_TYPE", TypeIs<5>, &time),
                Row(H(T("CH name")), Cell::Auto, p + "NAME", TypeNot<0>),
                Row(H(T("CH comment")), Cell::Auto, p + "COMMENT", TypeNot<0>),
                Row(H(T("Data type")), Cell::Choice, p + "AI_DATA_TYPE", value, &dataType),
                Row(H(T("Filter")), Cell::Choice, p + "FILTER", value, &Filters()),
                Row(H(0, T("Moving average samples")), Cell::Auto, p + "MOVING_AVERAGE", average),
                Row(H(0, T("Time constant")), Cell::Auto, p + "T", delay),
                Row(H(T("Scaling"), T("0%")), Cell::Auto, p + "SCALE_0", percent),
                Row(H(0, T("100%")), Cell::Auto, p + "SCALE_100", percent),
                Row(H(0, T("Int")), Cell::Auto, p + "SCALE", integer),
                Row(H(T("Number of decimal places")), Cell::Auto, p + "POINT", value),
                Row(H(T("Engineering unit")), Cell::Auto, p + "UNIT", TypeNot<0>),
                Row(H(T("Partitions")), Cell::ZeroText, p + "USE_AREAS", TypeNot<0>, nullptr, T("Disable"))});
  f.lists.push_back({"IO_AI", 0, std::move(rows)});
  AddZones(f, "IO_AI_AREA", p);
  return f;
}

CsvFile DiFile() {
  static const Choices type = Seq({T("Disable"), T("I/O module"), T("Modbus/TCP"), T("SLMP"), T("AI"),
                                   T("Control input"), T("Demo")});
  const std::string p = "IO.DI[#].";
  CsvFile f = NewFile("DI.csv", T("Discrete input (DI)"), 2);
  f.table = Table(256, T("DI%03d"), p + "TYPE", T("CH setting"), "CH");
  std::vector<CsvRow> rows{Row(H(T("CH setting")), Cell::Choice, p + "TYPE", nullptr, &type)};
  Append(rows, ConnectionRows(p, 2, SlmpList::Bit));
  Append(rows, {Row(H(0, T("AI CH No.")), Cell::Auto, p + "AI_CH", TypeIs<4>),
                Row(H(0, T("AI BIT")), Cell::Auto, p + "AI_BIT", TypeIs<4>),
                Row(H(T("CH name")), Cell::Auto, p + "NAME", TypeNot<0>),
                Row(H(T("CH comment")), Cell::Auto, p + "COMMENT", TypeNot<0>),
                Row(H(T("Invert")), Cell::Choice, p + "INVERT", TypeNot<0>, &InvalidActiveTexts())});
  f.lists.push_back({"IO_DI", 0, std::move(rows)});
  f.lists.push_back(StatusList("IO_DI_ON", p, true, TypeNot<0>));
  f.lists.push_back(StatusList("IO_DI_OFF", p, false, TypeNot<0>));
  return f;
}

// PI: the measuring mode of the connection is "Accumulation" / "Engineering unit value".
bool PiMode(const CsvItem& it, int mode) {
  const PiCh& c = it.d.IO.PI[it.i];
  return (it.type == 1 && c.MODE == mode) || ((it.type == 2 || it.type == 3) && c.MODE_TCP == mode);
}

CsvFile PiFile() {
  static const Choices type = Seq({T("Disable"), T("I/O module"), T("Modbus/TCP"), T("SLMP"), T("DI"),
                                   T("Control input"), T("Analog accumulation"), T("Binary accumulation"), T("Demo")});
  static const Choices mode = Seq({T("Accumulation"), T("Engineering unit value")});
  static const Choices modeTcp = Seq({T("Accumulation"), T("Engineering unit value"), T("Float")});
  static const Choices modeDi = Seq({T("ON"), T("OFF"), T("UP"), T("DOWN")});
  static const Choices unit = Seq({T("Minute"), T("Hour"), T("Day")});
  const std::string p = "IO.PI[#].";
  auto rangeConfig = [](const CsvItem& it) { return it.type == 1 && it.d.IO.PI[it.i].MODE == 0; };
  auto range = [](const CsvItem& it) {
    const PiCh& c = it.d.IO.PI[it.i];
    return it.type == 1 ? c.MODE == 0 && c.RNG == 1 : PiMode(it, 0);
  };
  auto engineering = [](const CsvItem& it) { return PiMode(it, 1); };
  auto average = [](const CsvItem& it) { return PiMode(it, 1) && it.d.IO.PI[it.i].FILTER == 1; };
  auto delay = [](const CsvItem& it) { return PiMode(it, 1) && it.d.IO.PI[it.i].FILTER == 2; };
  CsvFile f = NewFile("PI.csv", T("Pulse input (PI)"), 3);
  f.table = Table(128, T("PI%03d"), p + "TYPE", T("CH setting"), "CH");
  f.table.zonesNeedType = true;
  std::vector<CsvRow> rows{Row(H(T("CH setting")), Cell::Choice, p + "TYPE", nullptr, &type)};
  Append(rows, CardAndModbusRows(p, 3));
  rows.push_back(Row(H(0, T("Invert (Modbus/TCP)")), Cell::Choice, p + "SWAP", TypeIs<2>, &InvalidActiveTexts()));
  Append(rows, SlmpRows(p, SlmpList::PulseWord));
  Append(rows,
         {Row(H(0, T("Invert(SLMP)")), Cell::Choice, p + "SLMP_SW", TypeIs<3>, &InvalidActiveTexts()),
          Row(H(0, T("DI CH No.")), Cell::Auto, p + "DI_CH", TypeIs<4>),
          Row(H(T("CH name")), Cell::Auto, p + "NAME", TypeNot<0>),
          Row(H(T("CH comment")), Cell::Auto, p + "COMMENT", TypeNot<0>),
          Row(H(T("Scaling")), Cell::Auto, p + "SCALE", TypeNot<0>),
          Row(H(T("Number of decimal places")), Cell::Auto, p + "POINT", TypeNot<0>),
          Row(H(T("Engineering unit")), Cell::Auto, p + "UNIT", TypeNot<0>),
          Row(H(T("Measuring mode (I/O module)")), Cell::Choice, p + "MODE", TypeIs<1>, &mode),
          Row(H(T("Pulse range configuration")), Cell::Choice, p + "RNG", rangeConfig, &DisableEnable()),
          Row(H(T("Measuring mode (Modbus/TCP・SLMP)")), Cell::Choice, p + "MODE_TCP", TypeIs<2, 3>, &modeTcp),
          Row(H(T("Measuring mode (DI)")), Cell::Choice, p + "MODE_DI", TypeIs<4>, &modeDi),
          Row(H(T("Pulse range"), T("Lower limit")), Cell::Auto, p + "WIDTH.LOW", range),
          Row(H(0, T("Upper limit")), Cell::Auto, p + "WIDTH.HIGH", range),
          Row(H(T("Filter")), Cell::Choice, p + "FILTER", engineering, &Filters()),
          Row(H(0, T("Moving average samples")), Cell::Auto, p + "MOVING_AVERAGE", average),
          Row(H(0, T("Time constant")), Cell::Auto, p + "T", delay),
          Row(H(T("Analog accumulation"), T("AI CH No.")), Cell::Auto, p + "ANALOG_SUM.TARGET_CH", TypeIs<6>),
          Row(H(0, T("Counter rate")), Cell::Auto, p + "ANALOG_SUM.RATE", TypeIs<6>),
          Row(H(0, T("Time unit")), Cell::Choice, p + "ANALOG_SUM.UNIT", TypeIs<6>, &unit),
          Row(H(0, T("Low-end cutout")), Cell::Auto, p + "ANALOG_SUM.DROPOUT", TypeIs<6>),
          Row(H(T("Binary accumulation"), T("AI CH No.")), Cell::Auto, p + "BINARY_SUM.TARGET_CH", TypeIs<7>),
          Row(H(T("Partitions")), Cell::ZeroText, p + "USE_AREAS", TypeNot<0>, nullptr, T("Disable"))});
  f.lists.push_back({"IO_PI", 0, std::move(rows)});
  AddZones(f, "IO_PI_AREA", p);
  return f;
}

// A reference as a "Type" row and a "CH" row, with the type header `type`.
std::vector<CsvRow> RefRows(CsvRowHeader type, CsvRowHeader ch, const std::string& field, When when,
                            std::uint16_t none = 0) {
  return {Row(type, Cell::RefType, field, when, nullptr, none), Row(ch, Cell::RefCh, field, when)};
}

CsvFile MaFile() {
  static const Choices type =
      Seq({T("Disable"), T("Addition/Subtraction"), T("Multiplication"), T("Division"), T("Square root"),
           T("Moving average"), T("Delay buffer"), T("Peak hold (max)"), T("Valley hold (min)"), T("exp"),
           T("Common logarithm"), T("Natural logarithm"), T("Analog accumulation"), T("Power"),
           T("F value calculation"), T("Scaling"), T("Upper/lower signal limiter")});
  const std::string p = "IO.MA[#].";
  auto web = [](const CsvItem& it) { return it.type == 0 && it.d.IO.MA[it.i].WEB == 1; };
  auto backup = [](const CsvItem& it) { return it.i + 1 >= 128 && it.i + 1 <= 159; };
  CsvFile f = NewFile("MA.csv", T("Analog function register (MA)"), 4);
  f.table = Table(256, T("MA%03d"), p + "TYPE", T("Function"), "CH");
  std::vector<CsvRow> rows{Row(H(T("Function")), Cell::Choice, p + "TYPE", nullptr, &type)};
  Append(rows, RefRows(H(T("Function setting"), T("Input"), T("X%d"), T("Type"), 1), H(0, 0, 0, T("CH")),
                       p + "INPUT.X[1]", TypeNot<0>));
  Append(rows, RefRows(H(0, 0, T("X%d"), T("Type"), 2), H(0, 0, 0, T("CH")), p + "INPUT.X[2]", TypeIs<1, 2, 3>));
  Append(rows, RefRows(H(0, 0, T("X%d"), T("Type"), 3), H(0, 0, 0, T("CH")), p + "INPUT.X[3]", TypeIs<1>));
  Append(rows, {Row(H(0, T("Exponent"), T("K%d"), 0, 1), Cell::MaK1, p + "CONST.K[1]", TypeNot<0, 7, 8, 9, 10, 11>),
                Row(H(0, 0, T("K%d"), 0, 2), Cell::MaK2, p + "CONST.K[2]", TypeIs<1, 2, 3, 12, 14, 15, 16>),
                Row(H(0, 0, T("K%d"), 0, 3), Cell::Auto, p + "CONST.K[3]", TypeIs<1, 12, 15>),
                Row(H(0, 0, T("K%d"), 0, 4), Cell::Auto, p + "CONST.K[4]", TypeIs<12, 15>),
                Row(H(0, 0, T("K%d"), 0, 5), Cell::Auto, p + "CONST.K[5]", TypeIs<12>),
                Row(H(0, 0, T("A%d"), 0, 0), Cell::Auto, p + "CONST.A[0]", TypeIs<1, 2, 3>),
                Row(H(0, 0, T("A%d"), 0, 1), Cell::Auto, p + "CONST.A[1]", TypeIs<2, 3>),
                Row(H(0, 0, T("A%d"), 0, 2), Cell::Auto, p + "CONST.A[2]", TypeIs<2, 3>),
                Row(H(T("CH name")), Cell::Auto, p + "NAME"),
                Row(H(T("CH comment")), Cell::Auto, p + "COMMENT"),
                Row(H(T("Control on browser")), Cell::Choice, p + "WEB", TypeIs<0>, &DisableEnable()),
                Row(H(T("Operational range on browser"), T("Lower limit")), Cell::Auto, p + "WEB_LOWER", web),
                Row(H(0, T("Upper limi")), Cell::Auto, p + "WEB_UPPER", web),
                Row(H(T("Number of decimal places")), Cell::Auto, p + "POINT"),
                Row(H(T("Engineering unit")), Cell::Auto, p + "UNIT"),
                Row(H(T("Initial value")), Cell::Auto, p + "INIT", TypeIs<0>),
                Row(H(T("Memory at power loss (MA128-159)")), Cell::Choice, p + "BACKUP", backup, &DisableEnable()),
                Row(H(T("Partitions")), Cell::ZeroText, p + "USE_AREAS", nullptr, nullptr, T("Disable"))});
  f.lists.push_back({"IO_MA", 0, std::move(rows)});
  AddZones(f, "IO_MA_AREA", p);
  return f;
}

CsvFile MdFile() {
  static const Choices type = Seq({T("None"), T("Equal"), T("AND"), T("OR"), T("XOR"), T("NOT"), T("RUN")});
  const std::string p = "IO.MD[#].";
  auto input1 = [](const CsvItem& it) {
    return it.type == 1 || it.type == 4 || it.type == 5 || ((it.type == 2 || it.type == 3) && it.d.IO.MD[it.i].INPUT_CONT.CN == 0);
  };
  auto input2 = [](const CsvItem& it) {
    return it.type == 4 || ((it.type == 2 || it.type == 3) && it.d.IO.MD[it.i].INPUT_CONT.CN == 0);
  };
  auto consecutive = [](const CsvItem& it) {
    return (it.type == 2 || it.type == 3) && it.d.IO.MD[it.i].INPUT_CONT.CN != 0;
  };
  auto count = [](const CsvItem& it) { return it.d.IO.MD[it.i].INPUT_CONT.CN != 0; };
  auto backup = [](const CsvItem& it) { return it.i + 1 >= 128 && it.i + 1 <= 159; };
  CsvFile f = NewFile("MD.csv", T("Digital function register (MD)"), 3);
  f.table = Table(256, T("MD%03d"), p + "TYPE", T("Function"), "CH");
  std::vector<CsvRow> rows{Row(H(T("Function")), Cell::Choice, p + "TYPE", nullptr, &type)};
  Append(rows, RefRows(H(T("Input"), T("%d"), T("Type"), 0, 1), H(0, 0, T("CH")), p + "INPUT1", input1));
  Append(rows, RefRows(H(0, T("%d"), T("Type"), 0, 2), H(0, 0, T("CH")), p + "INPUT2", input2));
  rows.push_back(Row(H(0, T("Exponent"), T("K1")), Cell::Auto, p + "CONST.K1", TypeIs<0>));
  Append(rows, RefRows(H(0, T("Consecutive"), T("Type")), H(0, 0, T("Start CH")), p + "INPUT_CONT.CH", consecutive));
  Append(rows, {Row(H(0, 0, T("Count")), Cell::Auto, p + "INPUT_CONT.CN", count),
                Row(H(T("CH name")), Cell::Auto, p + "NAME"),
                Row(H(T("CH comment")), Cell::Auto, p + "COMMENT"),
                Row(H(T("Control on browser")), Cell::Choice, p + "WEB", TypeIs<0>, &DisableEnable()),
                Row(H(T("Memory at power loss (MD128-159)")), Cell::Choice, p + "BACKUP", backup, &DisableEnable())});
  f.lists.push_back({"IO_MD", 0, std::move(rows)});
  f.lists.push_back(StatusList("IO_MD_ON", p, true, nullptr));
  f.lists.push_back(StatusList("IO_MD_OFF", p, false, nullptr));
  return f;
}

const Choices& OutTypes() {
  static const Choices c = Seq({T("Disable"), T("I/O module"), T("Modbus/TCP"), T("SLMP")});
  return c;
}

CsvFile AoFile() {
  static const Choices mapping = Seq({T("None"), T("Analog"), T("Discrete")});
  const std::string p = "IO.AO[#].";
  auto web = [](const CsvItem& it) { return it.type != 0 && it.d.IO.AO[it.i].IO_MAPPING.MODE == 0; };
  auto range = [](const CsvItem& it) {
    const AoCh& c = it.d.IO.AO[it.i];
    return it.type != 0 && c.IO_MAPPING.MODE == 0 && c.WEB == 1;
  };
  auto analog = [](const CsvItem& it) { return it.type != 0 && it.d.IO.AO[it.i].IO_MAPPING.MODE == 1; };
  auto discrete = [](const CsvItem& it) { return it.type != 0 && it.d.IO.AO[it.i].IO_MAPPING.MODE == 2; };
  CsvFile f = NewFile("AO.csv", T("Analog output (AO)"), 4);
  f.table = Table(64, T("AO%02d"), p + "TYPE", T("CH setting"), "CH");
  std::vector<CsvRow> rows{Row(H(T("CH setting")), Cell::Choice, p + "TYPE", nullptr, &OutTypes())};
  Append(rows, ConnectionRows(p, 4, SlmpList::Word));
  Append(rows, {Row(H(T("CH name")), Cell::Auto, p + "NAME", TypeNot<0>),
                Row(H(T("CH comment")), Cell::Auto, p + "COMMENT", TypeNot<0>),
                Row(H(T("Control on browser")), Cell::Choice, p + "WEB", web, &DisableEnable()),
                Row(H(T("Operational range on browser"), T("Lower limit")), Cell::Auto, p + "WEB_LOWER", range),
                Row(H(0, T("Upper limi")), Cell::Auto, p + "WEB_UPPER", range),
                Row(H(T("Scaling")), Cell::Auto, p + "WEB_SCALE", TypeNot<0>),
                Row(H(T("Number of decimal places")), Cell::Auto, p + "WEB_POINT", TypeNot<0>),
                Row(H(T("Engineering unit")), Cell::Auto, p + "UNIT", TypeNot<0>),
                Row(H(T("Initial value")), Cell::Auto, p + "INIT", TypeNot<0>),
                Row(H(T("I/O mapping"), T("Mode")), Cell::Choice, p + "IO_MAPPING.MODE", TypeNot<0>, &mapping)});
  Append(rows, RefRows(H(0, T("Analog"), T("Type")), H(0, 0, T("CH")), p + "IO_MAPPING.ANALOG", analog));
  for (int b = 0; b < 16; ++b)
    Append(rows, RefRows(H(0, b == 0 ? T("Discrete") : 0, T("%d"), T("Type"), b), H(0, 0, 0, T("CH")),
                         p + "IO_MAPPING.BIT[" + std::to_string(b) + "]", discrete));
  f.lists.push_back({"IO_AO", 0, std::move(rows)});
  return f;
}

CsvFile DoFile() {
  const std::string p = "IO.DO[#].";
  auto web = [](const CsvItem& it) { return it.type != 0 && it.d.IO.DO[it.i].IO_MAPPING.kind == 0; };
  CsvFile f = NewFile("DO.csv", T("Discrete output (DO)"), 2);
  f.table = Table(128, T("DO%03d"), p + "TYPE", T("CH setting"), "CH");
  std::vector<CsvRow> rows{Row(H(T("CH setting")), Cell::Choice, p + "TYPE", nullptr, &OutTypes())};
  Append(rows, ConnectionRows(p, 2, SlmpList::Bit));
  Append(rows, {Row(H(T("CH name")), Cell::Auto, p + "NAME", TypeNot<0>),
                Row(H(T("CH comment")), Cell::Auto, p + "COMMENT", TypeNot<0>)});
  Append(rows, OutputStatusRows(p, TypeNot<0>));
  rows.push_back(Row(H(T("Invert")), Cell::Choice, p + "INVERT", TypeNot<0>, &InvalidActiveTexts()));
  Append(rows, RefRows(H(T("I/O mapping"), T("Type")), H(0, T("CH")), p + "IO_MAPPING", TypeNot<0>, T("Disable")));
  rows.push_back(Row(H(T("Control on browser")), Cell::Choice, p + "WEB", web, &DisableEnable()));
  f.lists.push_back({"IO_DO", 0, std::move(rows)});
  return f;
}

CsvFile GdoFile() {
  const std::string p = "IO.GDO[#].";
  auto web = [](const CsvItem& it) { return it.type == 1 && it.d.IO.GDO[it.i].IO_MAPPING.kind == 0; };
  CsvFile f = NewFile("GDO.csv", T("Grouped digital output (GDO)"), 3);
  f.table = Table(32, T("GDO%02d"), p + "MODE", T("Mode"), "CH");
  std::vector<CsvRow> rows{Row(H(T("Mode")), Cell::Choice, p + "MODE", nullptr, &DisableEnable()),
                           Row(H(T("CH name")), Cell::Auto, p + "NAME", TypeIs<1>),
                           Row(H(T("CH comment")), Cell::Auto, p + "COMMENT", TypeIs<1>)};
  Append(rows, OutputStatusRows(p, TypeIs<1>));
  for (int m = 1; m <= 32; ++m)
    Append(rows, RefRows(H(m == 1 ? T("Grouped channel") : 0, T("%d"), T("Type"), 0, m), H(0, 0, T("CH")),
                         p + "CH[" + std::to_string(m) + "]", TypeIs<1>, T("Disable")));
  Append(rows, RefRows(H(T("I/O mapping"), T("Type")), H(0, T("CH")), p + "IO_MAPPING", TypeIs<1>, T("Disable")));
  rows.push_back(Row(H(T("Control on browser")), Cell::Choice, p + "WEB", web, &DisableEnable()));
  f.lists.push_back({"IO_GDO", 0, std::move(rows)});
  return f;
}

}  // namespace

void AddSystemAndIo(std::vector<CsvFile>& files) {
  files.push_back(SystemFile());
  files.push_back(NodeFile());
  files.push_back(AiFile());
  files.push_back(DiFile());
  files.push_back(PiFile());
  files.push_back(MaFile());
  files.push_back(MdFile());
  files.push_back(AoFile());
  files.push_back(DoFile());
  files.push_back(GdoFile());
}

}  // namespace tk48::csv_layouts
