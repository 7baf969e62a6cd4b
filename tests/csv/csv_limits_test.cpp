// The import holds every cell to the limits of its field's editor and keeps the
// rules between cells, so that what it stores always writes a configuration
// file that reads back.
#include <cstring>
#include <span>

#include "csv/csv_import.h"
#include "model/reader.h"
#include "model/writer.h"
#include "tests/csv/csv_fixture.h"

namespace tk48 {
namespace {

using testing::DefaultRecord;

// The faults met when the record's configuration file is read back; empty when none.
std::string ReadBackFaults(const SettingData& record) {
  auto back = DefaultRecord();
  const ReadResult read = ParseConfiguration(*back, ConfigurationText(record), Faults::All);
  return read.flags == 0 ? std::string() : "flags " + std::to_string(read.flags) + ": " + ReadFaultText(read);
}

// The export of `record` with the value cell of item `item` (from 0) replaced
// by `value`, in the `nth` line (from 0) whose header cells start it as `head`;
// item -1 leaves the line out.
std::string WithCell(const std::string& file, const SettingData& record, const std::string& head, int item,
                     const std::string& value, int nth = 0) {
  const auto lines = testing::Lines(testing::Export(file, record));
  std::string out;
  bool found = false;
  for (const std::string& line : lines) {
    if (line.starts_with(head) && nth-- == 0) {
      found = true;
      if (item < 0) continue;
      auto cells = testing::Cells(line);
      cells.at(static_cast<std::size_t>(FindCsvFile(file)->headers + item)) = value;
      std::string edited;
      for (std::size_t c = 0; c < cells.size(); ++c) edited += (c ? "," : "") + cells[c];
      out += edited + "\r\n";
    } else {
      out += line + "\r\n";
    }
  }
  EXPECT_TRUE(found) << head << " not found in " << file;
  return out;
}

struct Case {
  const char* what;
  const char* file;
  void (*prepare)(SettingData&);  // the record exported; nullptr: the defaults
  const char* head;               // the line's header cells as the export writes them
  int item;                       // -1: the line is left out
  std::string value;
  const char* log;                    // the report lines; empty: the value is taken
  bool (*check)(const SettingData&);  // the field afterwards
  int nth = 0;                        // the line among those `head` starts
};

// Imports each case's file into the defaults: its log, the field afterwards,
// and a configuration file that reads back whatever the cell held.
void ImportEach(std::span<const Case> cases) {
  for (const Case& c : cases) {
    auto base = DefaultRecord();
    if (c.prepare) c.prepare(*base);
    const std::string bytes = WithCell(c.file, *base, c.head, c.item, c.value, c.nth);
    auto r = DefaultRecord();
    std::string log;
    const bool ok = ImportCsvBytes(*FindCsvFile(c.file), bytes, *r, log);
    EXPECT_EQ(log, c.log) << c.what;
    EXPECT_EQ(ok, std::string(c.log).empty()) << c.what;
    EXPECT_TRUE(c.check(*r)) << c.what;
    EXPECT_EQ(ReadBackFaults(*r), "") << c.what;
  }
}

void AiIntegerInput(SettingData& r) { r.IO.AI[0].TYPE = 1, r.IO.AI[0].AI_DATA_TYPE = 1; }
void AoOnModule(SettingData& r) { r.IO.AO[0].TYPE = 1; }
void TrendPen(SettingData& r) { r.DISP.TREND.TREND_PAGE[0].PEN[0] = {1, 1}; }
void LoggingPen(SettingData& r, std::int32_t type) {
  r.RECORD.LOGGING.MODE = 1;
  auto& pen = r.RECORD.LOGGING.PEN[0];
  pen.PEN_TYPE = type, pen.CH = 1, pen.ERR_MODE = 1;
}
void SlaveAddress(SettingData& r) { std::strcpy(r.IO.NODE_CONF.NODE[0], "10.0.0.1"); }
template <int Function>
void MaFunction(SettingData& r) {
  r.IO.MA[0].TYPE = Function;
}

// Every real cell takes its editor's range, decimal places and non-zero rule.
TEST(CsvLimits, RealCells) {
  const Case cases[] = {
      {"a range end is taken", "MA.csv", nullptr, "Initial value,,,,", 9, "-10000000000", "",
       [](const SettingData& r) { return r.IO.MA[9].INIT == -1e10; }},
      {"a real beyond the range", "Trend.csv", TrendPen, ",Lower limit,", 0, "-10000000000.001",
       "Setting error:Lower limitPage1\r\n",
       [](const SettingData& r) { return r.DISP.TREND.TREND_PAGE[0].RANGE_L[0] == 0; }},
      {"a fourth decimal where three are allowed", "MA.csv", nullptr, "Initial value,,,,", 0, "0.0001",
       "Setting error:Initial valueMA001\r\n", [](const SettingData& r) { return r.IO.MA[0].INIT == 0; }},
      {"a scale of 0", "AI.csv", AiIntegerInput, ",Int,,", 0, "0.000", "Setting error:IntAI001\r\n",
       [](const SettingData& r) { return r.IO.AI[0].SCALE == 0.01; }},
      {"a four-decimal scale", "AO.csv", AoOnModule, "Scaling,,,,", 0, "0.0001", "",
       [](const SettingData& r) { return r.IO.AO[0].WEB_SCALE == 0.0001; }},
      {"a four-decimal scale of 0", "AO.csv", AoOnModule, "Scaling,,,,", 0, "-0.0000", "Setting error:ScalingAO01\r\n",
       [](const SettingData& r) { return r.IO.AO[0].WEB_SCALE == 0.01; }},
      {"a fifth decimal", "AO.csv", AoOnModule, "Scaling,,,,", 0, "1.00001", "Setting error:ScalingAO01\r\n",
       [](const SettingData& r) { return r.IO.AO[0].WEB_SCALE == 0.01; }},
      // The function screens' constants.
      {"a delay buffer's time constant", "MA.csv", MaFunction<6>, ",Exponent,K1,,", 0, "101",
       "Setting error:ExponentK1MA001\r\n", [](const SettingData& r) { return r.IO.MA[0].CONST.K[1] == 0; }},
      {"a moving average of 10 samples", "MA.csv", MaFunction<5>, ",Exponent,K1,,", 0, "10",
       "Setting error:ExponentK1MA001\r\n", [](const SettingData& r) { return r.IO.MA[0].CONST.K[1] == 0; }},
      {"a moving average of 64 samples", "MA.csv", MaFunction<5>, ",Exponent,K1,,", 0, "64", "",
       [](const SettingData& r) { return r.IO.MA[0].CONST.K[1] == 64; }},
      {"a low-end cutout above 120 %", "MA.csv", MaFunction<12>, ",,K3,,", 0, "120.001", "Setting error:K3MA001\r\n",
       [](const SettingData& r) { return r.IO.MA[0].CONST.K[3] == 0; }},
      {"a Z value of 0", "MA.csv", MaFunction<14>, ",,K2,,", 0, "0", "Setting error:K2MA001\r\n",
       [](const SettingData& r) { return r.IO.MA[0].CONST.K[2] == 0; }},
      {"an output span above 12000", "MA.csv", MaFunction<15>, ",,K4,,", 0, "12000.001", "Setting error:K4MA001\r\n",
       [](const SettingData& r) { return r.IO.MA[0].CONST.K[4] == 0; }},
      {"a limiter's bound beyond the range", "MA.csv", MaFunction<16>, ",Exponent,K1,,", 0, "10000000001",
       "Setting error:ExponentK1MA001\r\n", [](const SettingData& r) { return r.IO.MA[0].CONST.K[1] == 0; }},
      // A discrete pen records OFF or ON; an analog one any real.
      {"a DI pen's fixed value of 0.5", "Logging.csv", [](SettingData& r) { LoggingPen(r, 2); }, ",,,Fixed value,", 0,
       "0.5", "Setting error:Fixed value\r\n",
       [](const SettingData& r) { return r.RECORD.LOGGING.PEN[0].ERR_VALUE == 0; }},
      {"a DI pen's fixed value of 1", "Logging.csv", [](SettingData& r) { LoggingPen(r, 2); }, ",,,Fixed value,", 0,
       "1.000", "", [](const SettingData& r) { return r.RECORD.LOGGING.PEN[0].ERR_VALUE == 1; }},
      {"an AI pen's fixed value of 0.5", "Logging.csv", [](SettingData& r) { LoggingPen(r, 1); }, ",,,Fixed value,", 0,
       "0.5", "", [](const SettingData& r) { return r.RECORD.LOGGING.PEN[0].ERR_VALUE == 0.5; }},
  };
  ImportEach(cases);
}

// The integers and texts whose editors are narrower than the file.
TEST(CsvLimits, IntegerAndTextCells) {
  const Case cases[] = {
      {"a pulse module's third channel", "PI.csv", [](SettingData& r) { r.IO.PI[0].TYPE = 1; }, ",CH No,,", 0, "3",
       "Setting error:CH NoPI001\r\n", [](const SettingData& r) { return r.IO.PI[0].CARD_CH == 1; }},
      {"an output's initial value beyond 16 bits", "AO.csv", AoOnModule, "Initial value,,,,", 0, "32768",
       "Setting error:Initial valueAO01\r\n", [](const SettingData& r) { return r.IO.AO[0].INIT == 0; }},
      {"an output's lowest initial value", "AO.csv", AoOnModule, "Initial value,,,,", 0, "-32768", "",
       [](const SettingData& r) { return r.IO.AO[0].INIT == -32768; }},
      {"the yearly report from month 0", "Report.csv", nullptr, "Yearly report start month,,,,", 0, "0",
       "Setting error:Yearly report start month\r\n",
       [](const SettingData& r) { return r.RECORD.REPORT.YEAR_CHANGE == 1; }},
      {"a web server port the FTP server has", "WEB.csv", nullptr, "Port address,,,", 0, "21",
       "Setting error:Port address\r\n", [](const SettingData& r) { return r.COM.WEB.PORT == 80; }},
      {"a login of 17 characters", "WEB.csv", nullptr, ",Login ID,,", 0, std::string(17, 'a'),
       "Setting error:Login IDID1\r\n",
       [](const SettingData& r) { return std::string(r.COM.WEB.AUTH[0].LOGIN) == "kvmpt"; }},
      {"a login of 16 characters", "WEB.csv", nullptr, ",Login ID,,", 0, std::string(16, 'a'), "",
       [](const SettingData& r) { return std::string(r.COM.WEB.AUTH[0].LOGIN) == std::string(16, 'a'); }},
      {"an FTP server name with an accent", "FTPC.csv", [](SettingData& r) { r.COM.FTPC.MODE = 1; },
       "FTP,Server address,", 0, "s\xE9rver", "Setting error:FTPServer address\r\n",
       [](const SettingData& r) { return r.COM.FTPC.FTP_SERVER[0] == '\0'; }},
      {"an SNTP server of 65 characters", "SNTP.csv", [](SettingData& r) { r.COM.SNTP.MODE = 1; }, "SNTP server,", 0,
       std::string(65, 's'), "Setting error:SNTP server\r\n",
       [](const SettingData& r) { return std::strcmp(r.COM.SNTP.SERVER, DefaultRecord()->COM.SNTP.SERVER) == 0; }},
      {"a recipient's name with a double quote", "MailAddr.csv", nullptr, "Name,", 0, "\"a\"\"b\"",
       "Setting error:NameNo.01\r\n", [](const SettingData& r) { return r.COM.SMTP_POP3.MAIL_NAME[0][0] == '\0'; }},
      {"a slave address out of range", "NODE.csv", SlaveAddress, "IP address,", 0, "10.0.0.256",
       "Setting error:IP addressSlave 0\r\n", [](const SettingData& r) { return r.IO.NODE_CONF.NODE[0][0] == '\0'; }},
      {"a slave address", "NODE.csv", SlaveAddress, "IP address,", 0, "10.0.0.255", "",
       [](const SettingData& r) { return std::string(r.IO.NODE_CONF.NODE[0]) == "10.0.0.255"; }},
  };
  ImportEach(cases);
}

// The rules between cells: the cell to blame is reported and the rule's
// cells keep their values.
TEST(CsvLimits, RulesBetweenCells) {
  const Case cases[] = {
      {"a zone starting below the one under it", "AI.csv",
       [](SettingData& r) { r.IO.AI[0].TYPE = 1, r.IO.AI[0].USE_AREAS = 2; }, ",,Lower limit,", 0, "19.999",
       "Setting error:Lower limitAI001\r\n",
       [](const SettingData& r) {
         return r.IO.AI[0].AREA[1].LEVEL_LOWER == 20 && r.IO.AI[0].AREA[0].LEVEL_UPPER == 20;
       },
       2},
      {"a middle zone without room", "MA.csv", [](SettingData& r) { r.IO.MA[0].USE_AREAS = 3; },
       "Zone 2,Basic,Upper limit,", 0, "20", "Setting error:Zone 2BasicUpper limitMA001\r\n",
       [](const SettingData& r) { return r.IO.MA[0].AREA[1].LEVEL_UPPER == 40; }},
      {"a Modbus/TCP counter's window", "PI.csv", [](SettingData& r) { r.IO.PI[0].TYPE = 2, r.IO.PI[0].MODE_TCP = 0; },
       "Pulse range,Lower limit,,", 0, "100000000", "Setting error:Pulse rangeLower limitPI001\r\n",
       [](const SettingData& r) { return r.IO.PI[0].WIDTH.LOW == 1 && r.IO.PI[0].WIDTH.HIGH == 100000000; }},
      {"two outputs on one point", "DO.csv", [](SettingData& r) { r.IO.DO[0].TYPE = r.IO.DO[1].TYPE = 1; },
       "CH setting,,", 1, "I/O module", "Setting error:CH settingDO002\r\n",
       [](const SettingData& r) { return r.IO.DO[1].TYPE == 0; }},
      // A reference keeps its family when its channel fails.
      {"a failure output without its channel", "NODE.csv", nullptr, "Communication error output,Type,", 0, "MD",
       "Setting error:CHSlave 0\r\n", [](const SettingData& r) { return r.IO.NODE_CONF.ERROUT_KIND[0] == 0; }},
      {"a pen without its channel", "Logging.csv", [](SettingData& r) { LoggingPen(r, 1); }, ",,CH,,", 0, "",
       "Setting error:CH\r\n", [](const SettingData& r) { return r.RECORD.LOGGING.PEN[0].PEN_TYPE == 0; }},
      {"a pen whose CH row is missing", "Logging.csv", [](SettingData& r) { LoggingPen(r, 6); }, ",,CH,,", -1, "",
       "ERROR:Logging_Pen-2 No.1\r\n", [](const SettingData& r) { return r.RECORD.LOGGING.PEN[0].PEN_TYPE == 0; }},
  };
  ImportEach(cases);
}

// The seen fault: MA010's initial value 99999999999 used to import silently
// and give a file that "check" refuses.
TEST(CsvLimits, AnInitialValueBeyondTheRangeIsLogged) {
  testing::ScratchFolder folder;
  testing::WriteAll(folder.File("MA.csv"), WithCell("MA.csv", *DefaultRecord(), "Initial value,,,,", 9, "99999999999"));
  CsvLog log;
  ASSERT_TRUE(log.Create(folder.path()));
  auto r = DefaultRecord();
  EXPECT_FALSE(ImportCsvFile(folder.path(), *FindCsvFile("MA.csv"), *r, log));
  log = CsvLog();
  EXPECT_EQ(testing::ReadAll(folder.File("ErrLog.txt")),
            std::string(60, '=') + "\r\n\\MA.csv:Open\r\nSetting error:Initial valueMA010\r\n\\MA.csv:Close\r\n");
  EXPECT_EQ(r->IO.MA[9].INIT, 0);
  EXPECT_EQ(ReadBackFaults(*r), "");
}

}  // namespace
}  // namespace tk48
