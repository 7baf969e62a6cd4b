// The CSV export: the text rules, the golden default export, the layouts' empty
// cells and the failure of single files.
#include <sys/stat.h>

#include "csv/csv_text.h"
#include "csv/csv_transfer.h"
#include "port/scripted_ui.h"
#include "tests/csv/csv_fixture.h"
#include "tests/csv/csv_record.h"

namespace tk48 {
namespace {

using testing::Cells;
using testing::DefaultRecord;
using testing::Export;
using testing::Lines;

TEST(CsvText, Quoting) {
  const struct {
    const char* text;
    const char* cell;  // nullptr: cannot be written
  } cases[] = {
      {"TK48", "TK48"},
      {"A,B", "\"A,B\""},
      {"5\"", "\"5\"\"\""},
      {"a,\"q\"", "\"a,\"\"q\"\"\""},
      {"line\r\nbreak", "\"line\r\nbreak\""},
      {"lone\nfeed", "\"lone\nfeed\""},
      {"", ""},
      {"caf\xC3\xA9", "caf\xE9"},
      {"\xC3\xBF", "\xFF"},
      {"\xE6\x97\xA5", nullptr},  // U+65E5
      {"\xFF", nullptr},          // not UTF-8
  };
  for (const auto& c : cases) {
    const auto cell = QuoteCsvText(c.text);
    if (!c.cell) {
      EXPECT_FALSE(cell) << c.text;
    } else {
      ASSERT_TRUE(cell) << c.text;
      EXPECT_EQ(*cell, c.cell) << c.text;
    }
  }
}

TEST(CsvText, HeaderFormatting) {
  EXPECT_EQ(HeaderText(TextId("MA %d - %d"), 8), "MA 225 - 256");
  EXPECT_EQ(HeaderText(TextId("MA %d - %d"), 2), "MA 33 - 64");
  EXPECT_EQ(HeaderText(TextId("Zone %d"), 3), "Zone 3");
  EXPECT_EQ(HeaderText(TextId("No.%02d"), 7), "No.07");
  EXPECT_EQ(HeaderText(TextId("Time zone"), 5), "Time zone");
  EXPECT_EQ(HeaderText(0, 1), "");
  // The one header text beyond Latin-1 is written with the Latin-1 middle dot.
  EXPECT_EQ(HeaderBytes(TextId("Measuring mode (Modbus/TCP・SLMP)"), 0), "Measuring mode (Modbus/TCP\xB7SLMP)");

  std::string out;
  const CsvRowHeader row{{TextId("Time zone"), TextId("Hour"), 0, kMatchedEmpty}, 0};
  EXPECT_EQ(WriteRowHeader(row, 4, out, 0), TextId("Hour"));
  EXPECT_EQ(out, "Time zone,Hour,,,");
  out.clear();
  EXPECT_EQ(WriteRowHeader(CsvRowHeader{}, 2, out, 0), 0);
  EXPECT_EQ(out, ",,");
}

TEST(CsvExport, SystemFileOfTheDefaults) {
  EXPECT_EQ(Export("System.csv", *DefaultRecord()),
            "Name,,TK48\r\nTime zone,Hour,9\r\n,Minute,0\r\nSampling adjustment at time correction,,Enable\r\n"
            "Language,,Japanese\r\n");
}

// Every file of the default export against its reviewed copy.
TEST(CsvExport, DefaultExportMatchesTheGoldenFiles) {
  const auto record = DefaultRecord();
  ASSERT_EQ(CsvFiles().size(), 30u);
  for (const CsvFile& f : CsvFiles()) {
    bool ok = false;
    const auto got = Lines(Export(f.name, *record, &ok));
    EXPECT_TRUE(ok) << f.name;
    const auto want = Lines(testing::ReadAll(std::string(TK48_SOURCE_DIR) + "/tests/csv/golden/" + f.name));
    ASSERT_FALSE(want.empty()) << f.name;
    for (std::size_t i = 0; i < std::max(got.size(), want.size()); ++i) {
      const std::string g = i < got.size() ? got[i] : "<none>", w = i < want.size() ? want[i] : "<none>";
      if (g != w) {
        ADD_FAILURE() << f.name << " line " << i + 1 << "\n got: " << g.substr(0, 200) << "\nwant: " << w.substr(0, 200);
        break;
      }
    }
  }
}

// The cells of the line that starts with `head`, the n-th such line from `from`.
std::vector<std::string> RowOf(const std::vector<std::string>& lines, const std::string& head, int n = 1,
                               std::size_t from = 0) {
  for (std::size_t i = from; i < lines.size(); ++i)
    if (lines[i].rfind(head, 0) == 0 && --n == 0) return Cells(lines[i]);
  ADD_FAILURE() << "no line " << head;
  return {};
}

std::size_t LineOf(const std::vector<std::string>& lines, const std::string& head) {
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (lines[i].rfind(head, 0) == 0) return i;
  ADD_FAILURE() << "no line " << head;
  return 0;
}

TEST(CsvExport, ZonesOfAnInputInUse) {
  auto r = DefaultRecord();
  r->IO.AI[0].TYPE = 1;  // I/O module
  r->IO.AI[0].USE_AREAS = 3;
  const auto lines = Lines(Export("AI.csv", *r));
  const std::size_t z5 = LineOf(lines, "Zone 5,"), z4 = LineOf(lines, "Zone 4,"), z3 = LineOf(lines, "Zone 3,"),
                    z2 = LineOf(lines, "Zone 2,"), z1 = LineOf(lines, "Zone 1,");
  const std::size_t item = 3;  // AI001 follows the three header cells
  // Zones 5 and 4 lie above the three in use: empty throughout.
  ASSERT_LT(z5, z4);
  for (std::size_t i = z5; i < z3; ++i) EXPECT_EQ(Cells(lines[i])[item], "") << lines[i].substr(0, 60);
  // Zone 3, the top zone in use: no upper limit and no downward events.
  EXPECT_EQ(RowOf(lines, "Zone 3,Basic,Upper limit,")[item], "");
  EXPECT_EQ(RowOf(lines, ",,Lower limit,", 1, z3)[item], "40.000");
  EXPECT_EQ(RowOf(lines, ",,Name,", 1, z3)[item], "NAME3");
  EXPECT_EQ(RowOf(lines, ",Upward,Event log,", 1, z3)[item], "USE");
  EXPECT_EQ(RowOf(lines, ",Downward,Event log,", 1, z3)[item], "");
  EXPECT_EQ(RowOf(lines, "Zone 2,Basic,Upper limit,")[item], "40.000");
  EXPECT_EQ(RowOf(lines, ",Downward,Event log,", 1, z2)[item], "USE");
  // Zone 1 has neither a lower limit nor upward events.
  EXPECT_EQ(RowOf(lines, "Zone 1,Basic,Upper limit,")[item], "20.000");
  EXPECT_EQ(RowOf(lines, ",Downward,Event log,", 1, z1)[item], "USE");
  for (std::size_t i = z1; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].find("Lower limit"), std::string::npos);
    EXPECT_EQ(lines[i].find("Upward"), std::string::npos);
  }
  // The disabled AI002 writes nothing in any zone.
  for (std::size_t i = z5; i < lines.size(); ++i) EXPECT_EQ(Cells(lines[i])[item + 1], "");
}

TEST(CsvExport, CellsByLayout) {
  struct Case {
    const char* what;
    void (*change)(SettingData&);
    const char* file;
    const char* head;
    int occurrence;
    std::size_t cell;
    const char* value;
  } cases[] = {
      {"a shared slave", [](SettingData& r) { r.IO.NODE_CONF.SHAR_ID[0] = 3; }, "NODE.csv", ",Connection sharing,", 1, 2,
       "Slave 3"},
      {"no sharing", [](SettingData&) {}, "NODE.csv", ",Connection sharing,", 1, 2, "Disable"},
      {"an SLMP processor",
       [](SettingData& r) {
         r.IO.NODE_CONF.NODE_TYPE[1] = 1;
         r.IO.NODE_CONF.SLMP_CPU[1] = 1023;
       },
       "NODE.csv", ",Processor No. (Hexadecimal),", 1, 3, "0x03ff"},
      {"a Modbus slave has no processor", [](SettingData&) {}, "NODE.csv", ",Processor No. (Hexadecimal),", 1, 2, ""},
      {"MD K1 of function None",
       [](SettingData& r) {
         r.IO.MD[0].CONST.K1 = 5;
         r.IO.MD[0].INPUT_CONT.CN = 3;
       },
       "MD.csv", ",Exponent,K1,", 1, 3, "5"},
      {"MD count", [](SettingData& r) { r.IO.MD[0].INPUT_CONT.CN = 3; }, "MD.csv", ",,Count,", 1, 3, "3"},
      {"masked mail word",
       [](SettingData& r) {
         r.IO.DI[0].TYPE = 1;
         r.IO.DI[0].STATUS.ON.MAIL[0] = 0xFFFFFFFF;
         r.MAIL_REPORT.FORM[0].MODE = 1;
         r.MAIL_REPORT.FORM[2].MODE = 1;
       },
       "DI.csv", ",Mail template No. 1 - 32,", 1, 2, "0x00000005"},
      {"Thursday is written under the second Monday",
       [](SettingData& r) {
         r.RECORD.LOGGING.MODE = 1;
         r.RECORD.LOGGING.WDAY = 1u << 4;
       },
       "Logging.csv", ",,Monday,", 2, 4, "ON"},
      {"the real Monday", [](SettingData& r) {
         r.RECORD.LOGGING.MODE = 1;
         r.RECORD.LOGGING.WDAY = 1u << 4;
       },
       "Logging.csv", ",,Monday,", 1, 4, "OFF"},
      {"a report pen of type None", [](SettingData&) {}, "Report.csv", ",,Sampling method,", 1, 4, ""},
      {"its type", [](SettingData&) {}, "Report.csv", "Pen information,PEN1,Type,", 1, 4, "None"},
      {"a logging pen in use",
       [](SettingData& r) {
         r.RECORD.LOGGING.MODE = 1;
         r.RECORD.LOGGING.PEN[0].PEN_TYPE = 4;
         r.RECORD.LOGGING.PEN[0].CH = 12;
       },
       "Logging.csv", ",,CH,", 1, 4, "12"},
      {"report start hour plus one", [](SettingData& r) { r.RECORD.REPORT.DATE_CHANGE = 0; }, "Report.csv",
       "Daily report start time,", 1, 4, "1"},
      {"a name with a comma", [](SettingData& r) { std::strcpy(r.SYSTEM.NAME1, "A,B"); }, "System.csv", "Name,", 1, 2,
       "\"A"},
      {"MA accumulation K1 as an integer",
       [](SettingData& r) {
         r.IO.MA[0].TYPE = 12;
         r.IO.MA[0].CONST.K[1] = 7;
         r.IO.MA[0].CONST.K[2] = 1;
       },
       "MA.csv", ",Exponent,K1,", 1, 4, "7"},
      {"MA accumulation K2 as a unit",
       [](SettingData& r) {
         r.IO.MA[0].TYPE = 12;
         r.IO.MA[0].CONST.K[2] = 1;
       },
       "MA.csv", ",,K2,", 1, 4, "Hour"},
      {"MA input of an adder",
       [](SettingData& r) {
         r.IO.MA[0].TYPE = 1;
         r.IO.MA[0].INPUT.X[1] = {2, 17};
       },
       "MA.csv", "Function setting,Input,X1,Type,", 1, 4, "PI"},
      {"a discrete AO bit fixed high",
       [](SettingData& r) {
         r.IO.AO[0].TYPE = 1;
         r.IO.AO[0].IO_MAPPING.MODE = 2;
         r.IO.AO[0].IO_MAPPING.BIT[0] = {1, 0};
       },
       "AO.csv", ",Discrete,0,Type,", 1, 4, "1 (fixed value)"},
      {"an SLMP word device",
       [](SettingData& r) {
         r.IO.AI[0].TYPE = 3;
         r.IO.AI[0].SLMP_DEV_CODE = 0x10B4;
         r.IO.AI[0].SLMP_DEV_NO = 0x1F;
       },
       "AI.csv", ",SLMP device,", 1, 3, "B4H_Link register (W)"},
      {"its hexadecimal number",
       [](SettingData& r) {
         r.IO.AI[0].TYPE = 3;
         r.IO.AI[0].SLMP_DEV_CODE = 0x10B4;
         r.IO.AI[0].SLMP_DEV_NO = 0x1F;
       },
       "AI.csv", ",SLMP device No. (Hexadecimal),", 1, 3, "0000001f"},
      {"no decimal number beside it",
       [](SettingData& r) {
         r.IO.AI[0].TYPE = 3;
         r.IO.AI[0].SLMP_DEV_CODE = 0x10B4;
       },
       "AI.csv", ",SLMP device No. (Decimal),", 1, 3, ""},
      {"a digital process monitor",
       [](SettingData& r) {
         r.OPEMON.PROC[0].CH[0] = {4, 9};
         r.OPEMON.PROC[0].CH[1] = {5, 3};
       },
       "Opemon.csv", "Channel 3,Type,", 1, 2, "None"},
      {"an analog process has one channel", [](SettingData& r) { r.OPEMON.PROC[0].CH[0] = {1, 9}; }, "Opemon.csv",
       "Channel 2,Type,", 1, 2, ""},
  };
  for (const Case& c : cases) {
    auto r = DefaultRecord();
    c.change(*r);
    const auto row = RowOf(Lines(Export(c.file, *r)), c.head, c.occurrence);
    ASSERT_GT(row.size(), c.cell) << c.what;
    EXPECT_EQ(row[c.cell], c.value) << c.what;
  }
}

TEST(CsvExport, RowLengths) {
  auto r = DefaultRecord();
  for (auto& w : r->DISP.DATA.AI) w = 0xFFFFFFFF;
  const auto data = Lines(Export("Data.csv", *r));
  const auto ai = RowOf(data, "AI,");
  ASSERT_EQ(ai.size(), 1u + 256u + 1u);  // the header, 256 cells, the empty rest after the last comma
  EXPECT_EQ(ai[1], "ON");
  EXPECT_EQ(ai[128], "ON");
  EXPECT_EQ(ai[129], "");
  EXPECT_EQ(ai[256], "");
  const auto calendar = Lines(Export("Calender.csv", *r));
  const std::size_t y2015 = LineOf(calendar, "2015,"), y2016 = LineOf(calendar, "2016,");
  EXPECT_EQ(RowOf(calendar, ",February,Non-business day,", 1, y2015).size(), 4u + 28u + 1u);
  EXPECT_EQ(RowOf(calendar, ",February,Non-business day,", 1, y2016).size(), 4u + 29u + 1u);
  EXPECT_EQ(RowOf(calendar, ",,,,1,2,").size(), 4u + 31u + 1u);
}

// A record whose only text beyond Latin-1 is one channel name: exactly that
// file fails, the others are written; a file that cannot be created fails alone.
TEST(CsvExport, FailuresAreReportedPerFile) {
  auto r = DefaultRecord();
  r->IO.AI[4].TYPE = 1;
  std::strcpy(r->IO.AI[4].NAME, "\xE6\xB8\xA9\xE5\xBA\xA6");
  testing::ScratchFolder folder;
  std::filesystem::create_directory(folder.File("DI.csv"));  // cannot be opened as a file
  ScriptedUi ui;
  EXPECT_EQ(ExportCsvSet(folder.path(), std::vector<bool>(30, true), *r, ui), 2);
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0].text, "Analog input (AI):Write error");
  EXPECT_EQ(ui.messages[0].icon, Icon::Error);
  EXPECT_EQ(ui.messages[1].text, "Discrete input (DI):Write error");
  for (const CsvFile& f : CsvFiles()) {
    if (f.name == "DI.csv") continue;
    EXPECT_TRUE(std::filesystem::is_regular_file(folder.File(f.name))) << f.name;
  }
  // What came before the failing cell stays on disk.
  const std::string partial = testing::ReadAll(folder.File("AI.csv"));
  EXPECT_NE(partial.find("CH setting,,,Disable"), std::string::npos);
  EXPECT_EQ(partial.find("CH comment"), std::string::npos);
  EXPECT_EQ(testing::ReadAll(folder.File("PI.csv")), Export("PI.csv", *r));
}

TEST(CsvExport, OnlyTheChosenFiles) {
  const auto s = SelectCsvFiles("System.csv,AI.csv");
  EXPECT_TRUE(s.unknown.empty());
  EXPECT_EQ(std::count(s.checked.begin(), s.checked.end(), true), 2);
  EXPECT_TRUE(s.checked[0] && s.checked[2]);
  EXPECT_EQ(SelectCsvFiles("System.csv,Nope.csv").unknown, "Nope.csv");
}

TEST(CsvExport, RandomRecordsExportDeterministically) {
  for (unsigned seed : {11u, 12u}) {
    auto r = DefaultRecord();
    test::CsvRecord(seed).Fill(*r);
    for (const CsvFile& f : CsvFiles()) {
      bool ok = false;
      const std::string first = Export(f.name, *r, &ok);
      EXPECT_TRUE(ok) << f.name << " seed " << seed;
      EXPECT_EQ(Export(f.name, *r), first) << f.name;
    }
  }
}

}  // namespace
}  // namespace tk48
