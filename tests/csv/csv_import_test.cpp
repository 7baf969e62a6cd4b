// The CSV import: the default export reads back silently, random records make
// the round trip, and the edge cases of edited files give their log lines.
#include "csv/csv_import.h"

#include "csv/csv_text.h"
#include "csv/csv_transfer.h"
#include "port/scripted_ui.h"
#include "model/writer.h"
#include "tests/csv/csv_fixture.h"
#include "tests/csv/csv_record.h"

namespace tk48 {
namespace {

using testing::DefaultRecord;
using testing::Export;

// Imports `bytes` as file `name` into `record`; the report lines.
std::string Import(const std::string& name, const std::string& bytes, SettingData& record, bool* ok = nullptr) {
  std::string log;
  const bool done = ImportCsvBytes(*FindCsvFile(name), bytes, record, log);
  if (ok) *ok = done;
  return log;
}

TEST(CsvLines, Unquoting) {
  const auto lines = CsvLines("a,\"b,c\",\"d\"\"e\"x,\r\n\"multi\r\nline\",z\nlast");
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], (std::vector<std::string>{"a", "b,c", "d\"e", ""}));
  EXPECT_EQ(lines[1], (std::vector<std::string>{"multi\r\nline", "z"}));
  EXPECT_EQ(lines[2], (std::vector<std::string>{"last"}));
  EXPECT_EQ(CsvLines("\"open").front(), std::vector<std::string>{"open"});
  EXPECT_TRUE(CsvLines("").empty());
}

TEST(CsvImport, TheDefaultExportReadsBackSilently) {
  const auto defaults = DefaultRecord();
  auto r = DefaultRecord();
  for (const CsvFile& f : CsvFiles()) {
    bool ok = false;
    EXPECT_EQ(Import(f.name, Export(f.name, *defaults), *r, &ok), "") << f.name;
    EXPECT_TRUE(ok) << f.name;
  }
  EXPECT_EQ(ConfigurationText(*r), ConfigurationText(*defaults));
}

std::unique_ptr<SettingData> RandomCsvRecord(unsigned seed) {
  auto r = DefaultRecord();
  test::CsvRecord(seed).Fill(*r);
  return r;
}

// Random records exported and read into the defaults give back the record as
// the files carry it: every value that has a cell, the rest at its default.
TEST(CsvImport, RandomRecordsMakeTheRoundTrip) {
  for (unsigned seed : {21u, 22u, 23u}) {
    const auto original = RandomCsvRecord(seed);
    auto back = DefaultRecord();
    for (const CsvFile& f : CsvFiles()) {
      bool ok = false;
      const std::string bytes = Export(f.name, *original, &ok);
      ASSERT_TRUE(ok) << f.name;
      EXPECT_EQ(Import(f.name, bytes, *back).substr(0, 300), "") << f.name << " seed " << seed;
    }
    auto carried = DefaultRecord();
    CopyCsvCells(*original, *carried);
    const auto want = testing::Lines(ConfigurationText(*carried)), got = testing::Lines(ConfigurationText(*back));
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
      if (got[i] == want[i]) continue;
      ADD_FAILURE() << "seed " << seed << " line " << i + 1 << ": " << got[i].substr(0, 120) << " want "
                    << want[i].substr(0, 120);
      break;
    }
  }
}

// The default export of a file with one line replaced (or removed, for an empty `line`).
std::string Edited(const std::string& name, std::size_t index, const std::string& line) {
  auto lines = testing::Lines(Export(name, *DefaultRecord()));
  if (line.empty()) {
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(index));
  } else {
    lines[index] = line;
  }
  std::string out;
  for (const auto& l : lines) out += l + "\r\n";
  return out;
}

// The default export of a file with one cell of one line replaced.
std::string EditedCell(const std::string& name, std::size_t index, std::size_t cell, const std::string& value) {
  auto cells = testing::Cells(testing::Lines(Export(name, *DefaultRecord()))[index]);
  cells[cell] = value;
  std::string line;
  for (std::size_t i = 0; i < cells.size(); ++i) line += (i ? "," : "") + cells[i];
  return Edited(name, index, line);
}

TEST(CsvImport, EditedFiles) {
  const struct Case {
    const char* what;
    const char* file;
    std::string bytes;
    const char* log;
    bool (*check)(const SettingData&);
  } cases[] = {
      {"time-zone row removed", "System.csv", Edited("System.csv", 1, ""), "ERROR:System-2\r\n",
       [](const SettingData& r) { return r.SYSTEM.TIMEZONE == 9 && r.SYSTEM.LANGUAGE == 0; }},
      {"lower-case header", "System.csv", Edited("System.csv", 1, "time zone,Hour,5"),
       "ERROR:System-2\r\nERROR:System-3\r\nERROR:System-4\r\nERROR:System-5\r\n",
       [](const SettingData& r) { return r.SYSTEM.TIMEZONE == 9; }},
      {"english", "System.csv", Edited("System.csv", 4, "Language,,english"), "Setting error:Language\r\n",
       [](const SettingData& r) { return r.SYSTEM.LANGUAGE == 0; }},
      {"English", "System.csv", Edited("System.csv", 4, "Language,,English"), "",
       [](const SettingData& r) { return r.SYSTEM.LANGUAGE == 1; }},
      {"full-width digits", "System.csv", Edited("System.csv", 1, "Time zone,Hour,\xEF\xBC\x91\xEF\xBC\x90"), "",
       [](const SettingData& r) { return r.SYSTEM.TIMEZONE == 10; }},
      {"not a number", "System.csv", Edited("System.csv", 1, "Time zone,Hour,1x"), "Setting error:Time zoneHour\r\n",
       [](const SettingData& r) { return r.SYSTEM.TIMEZONE == 9; }},
      {"empty number", "System.csv", Edited("System.csv", 1, "Time zone,Hour,"), "Setting error:Time zoneHour\r\n",
       nullptr},
      {"blanks in a header", "System.csv", Edited("System.csv", 0, "N a m e,,X"), "",
       [](const SettingData& r) { return std::string(r.SYSTEM.NAME1) == "X"; }},
      {"a quoted name", "System.csv", Edited("System.csv", 0, "Name,,\"a,b\"\"q\"\"\""), "",
       [](const SettingData& r) { return std::string(r.SYSTEM.NAME1) == "a,b\"q\""; }},
      {"65 ASCII characters", "System.csv", Edited("System.csv", 0, "Name,," + std::string(65, 'x')),
       "Setting error:Name\r\n", nullptr},
      {"64 ASCII characters", "System.csv", Edited("System.csv", 0, "Name,," + std::string(64, 'x')), "", nullptr},
      {"32 accented characters", "System.csv", Edited("System.csv", 0, "Name,," + std::string(32, '\xE9')), "",
       [](const SettingData& r) { return std::strlen(r.SYSTEM.NAME1) == 64; }},
      {"33 accented characters", "System.csv", Edited("System.csv", 0, "Name,," + std::string(33, '\xE9')),
       "Setting error:Name\r\n", nullptr},
      {"a control character", "System.csv", Edited("System.csv", 0, "Name,,a\x01" "b"), "Setting error:Name\r\n",
       nullptr},
      {"the last row missing", "System.csv", Edited("System.csv", 4, ""), "No item:System-5\r\n", nullptr},
      {"three accounts", "WEB.csv", Edited("WEB.csv", 2, " , , ,ID1,ID2,ID3"), "CAUTION:WEB ID MAX 3\r\n",
       nullptr},
      {"two accounts", "WEB.csv", Edited("WEB.csv", 2, " , , ,ID1,ID2,ID4,"), "CAUTION:WEB ID MAX 2\r\n", nullptr},
      {"no label row", "WEB.csv", Edited("WEB.csv", 2, ""), "Stop reading:There is no number line.\r\n", nullptr},
      {"the first row missing", "AI.csv", Edited("AI.csv", 1, ""), "Stop reading:CH setting\r\n", nullptr},
      {"the regular report's mode missing", "Time.csv", Edited("Time.csv", 0, ""), "Stop reading:Mode\r\n", nullptr},
      {"the first row of a file of settings may be missing", "FTPS.csv", Edited("FTPS.csv", 0, ""),
       "ERROR:COM_FTPS-1\r\n", nullptr},
      {"a login with a comma and quotes", "WEB.csv",
       EditedCell("WEB.csv", 4, 3, "\"a,b\"\"q\"\"\""), "",
       [](const SettingData& r) { return std::string(r.COM.WEB.AUTH[0].LOGIN) == "a,b\"q\""; }},
      {"a disabled channel's cell", "AI.csv", EditedCell("AI.csv", 11, 4, "garbage\x01"), "",
       [](const SettingData& r) { return std::string(r.IO.AI[1].NAME) == "AI2"; }},
      {"hexadecimal without prefix", "MD.csv", EditedCell("MD.csv", 15, 3, "12"), "",
       [](const SettingData& r) { return r.IO.MD[0].STATUS.ON.DISP_COLOR == 0x12; }},
      {"hexadecimal with prefix", "MD.csv", EditedCell("MD.csv", 15, 3, "0x1"), "",
       [](const SettingData& r) { return r.IO.MD[0].STATUS.ON.DISP_COLOR == 1; }},
  };
  for (const Case& c : cases) {
    auto r = DefaultRecord();
    bool ok = true;
    EXPECT_EQ(Import(c.file, c.bytes, *r, &ok), c.log) << c.what;
    EXPECT_EQ(ok, std::string(c.log).empty()) << c.what;
    if (c.check) {
      EXPECT_TRUE(c.check(*r)) << c.what;
    }
  }
}

TEST(CsvImport, ValuesTheReaderRefusesStayRefused) {
  auto r = DefaultRecord();
  r->RECORD.LOGGING.MODE = 1;
  r->RECORD.LOGGING.RATE = 0;
  auto bytes = Export("Logging.csv", *r);
  const std::string row = ",Second,,,5\r\n";
  const auto at = bytes.find(row);
  ASSERT_NE(at, std::string::npos);
  bytes.replace(at, row.size(), ",Second,,,20\r\n");
  auto fresh = DefaultRecord();
  EXPECT_EQ(Import("Logging.csv", bytes, *fresh), "Setting error:Second\r\n");
  EXPECT_EQ(fresh->RECORD.LOGGING.SEC, 5);
}

TEST(CsvImport, FilesOnDisk) {
  testing::ScratchFolder folder;
  CsvLog log;
  ASSERT_TRUE(log.Create(folder.path()));
  auto r = DefaultRecord();
  testing::WriteAll(folder.File("System.csv"), Export("System.csv", *r));
  EXPECT_TRUE(ImportCsvFile(folder.path(), *FindCsvFile("System.csv"), *r, log));
  EXPECT_FALSE(ImportCsvFile(folder.path(), *FindCsvFile("AI.csv"), *r, log));
  log = CsvLog();
  EXPECT_EQ(testing::ReadAll(folder.File("ErrLog.txt")),
            std::string(60, '=') + "\r\n\\System.csv:Open\r\n\\System.csv:Close\r\n" + folder.File("AI.csv") +
                ":Open Error\r\n");
}

}  // namespace
}  // namespace tk48

namespace tk48 {
namespace {

// The whole default export read back as the dialog reads it: three log lines a
// file, no message, the record unchanged.
TEST(CsvImport, TheDefaultSetLogsOnlyOpenAndClose) {
  testing::ScratchFolder folder;
  const auto defaults = testing::DefaultRecord();
  ScriptedUi ui;
  ASSERT_EQ(ExportCsvSet(folder.path(), std::vector<bool>(30, true), *defaults, ui), 0);
  auto r = testing::DefaultRecord();
  EXPECT_EQ(ImportCsvSet(folder.path(), std::vector<bool>(30, true), *r, ui), 0);
  EXPECT_TRUE(ui.messages.empty());
  std::string want;
  for (const CsvFile& f : CsvFiles())
    want += std::string(60, '=') + "\r\n\\" + f.name + ":Open\r\n\\" + f.name + ":Close\r\n";
  EXPECT_EQ(testing::ReadAll(folder.File("ErrLog.txt")), want);
  EXPECT_EQ(ConfigurationText(*r), ConfigurationText(*defaults));
}

}  // namespace
}  // namespace tk48
