// The import's bound on a CSV file: every file the export can write fits it
// with room to spare, and what is no regular file or is larger is refused
// unread, with the log's ":Open Error" line and the reason.
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <functional>

#include "csv/csv_import.h"
#include "csv/csv_transfer.h"
#include "model/writer.h"
#include "port/scripted_ui.h"
#include "tests/csv/csv_fixture.h"
#include "tests/model/random_record.h"
#include "tests/model/unwritten_fifo.h"

namespace tk48 {
namespace {

namespace fs = std::filesystem;

// Every text at its full capacity, of double quotes: the export doubles each
// and encloses the cell, the most bytes a text can take in a file.
class FullRecord : public test::RandomRecord {
 public:
  using RandomRecord::RandomRecord;

 protected:
  void Text(const Node& n, char* field) override {
    std::memset(field, '"', n.capacity - 1u);
    field[n.capacity - 1u] = '\0';
  }
};

TEST(CsvFileBound, TheLargestExportFitsWithRoom) {
  std::size_t largest = 0;
  std::string largestName;
  for (unsigned seed = 1; seed <= 8; ++seed) {
    auto r = NewSettingData();
    FullRecord(seed).Fill(*r);
    for (const CsvFile& f : CsvFiles()) {
      std::string bytes;
      ASSERT_TRUE(CsvFileBytes(f, *r, bytes)) << f.name;
      if (bytes.size() > largest) largest = bytes.size(), largestName = f.name;
    }
  }
  EXPECT_LE(largest * 4, kCsvFileLimit) << largestName << ": " << largest << " bytes";
}

// What stands under a file's name in the folder, and the message after its
// path (empty: the file is read).
struct Refusal {
  const char* what;
  std::function<void(const std::string& path, testing::ScratchFolder& folder)> make;
  std::string message;
};

// Imported as the dialog imports it: the refusal in place of the read error,
// the log's one line, the record and the file left alone.
TEST(CsvFileBound, WhatIsNoRegularFileOrTooLargeIsRefusedUnread) {
  const std::string tooLarge = " is larger than " + std::to_string(kCsvFileLimit) + " bytes.";
  const auto sparse = [](std::size_t size) {
    return [size](const std::string& path, testing::ScratchFolder&) {
      testing::WriteAll(path, "");
      fs::resize_file(path, size);
    };
  };
  const Refusal cases[] = {
      {"a folder", [](const std::string& path, testing::ScratchFolder&) { fs::create_directory(path); },
       " is not a regular file."},
      {"a device", [](const std::string& path, testing::ScratchFolder&) { fs::create_symlink("/dev/null", path); },
       " is not a regular file."},
      {"one byte too large", sparse(kCsvFileLimit + 1), tooLarge},
      {"exactly the bound", sparse(kCsvFileLimit), ""},
      {"a link to a regular file",
       [](const std::string& path, testing::ScratchFolder& folder) {
         testing::WriteAll(folder.File("real.csv"), testing::Export("System.csv", *testing::DefaultRecord()));
         fs::create_symlink(folder.File("real.csv"), path);
       },
       ""},
  };
  for (const Refusal& c : cases) {
    SCOPED_TRACE(c.what);
    testing::ScratchFolder folder;
    const std::string path = folder.File("System.csv");
    c.make(path, folder);
    const auto before = fs::status(path).type();
    auto r = testing::DefaultRecord();
    r->SYSTEM.TIMEZONE = 5;  // not what any of these files holds
    ScriptedUi ui;
    std::vector<bool> checked(CsvFiles().size(), false);
    checked[0] = true;
    const int failed = ImportCsvSet(folder.path(), checked, *r, ui);
    const std::string log = testing::ReadAll(folder.File("ErrLog.txt"));
    if (c.message.empty()) {
      EXPECT_EQ(log.find(":Open Error"), std::string::npos) << log;
      EXPECT_NE(log.find("\\System.csv:Open\r\n"), std::string::npos) << log.substr(0, 200);
      continue;
    }
    EXPECT_EQ(failed, 1);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, path + c.message);
    EXPECT_EQ(ui.messages[0].icon, Icon::Error);
    EXPECT_EQ(log, path + ":Open Error\r\n");
    EXPECT_EQ(r->SYSTEM.TIMEZONE, 5) << "the record is left alone";
    EXPECT_EQ(fs::status(path).type(), before);
  }
}

// A FIFO in the folder, or a link to one, is not opened: the open would wait
// for a writer for ever. The other files are read all the same.
TEST(CsvFileBound, AFifoAmongTheFilesIsRefusedAndTheOthersRead) {
  testing::ScratchFolder folder;
  const test::UnwrittenFifo fifo(folder.File("AI.csv"));
  ASSERT_TRUE(fifo.Made());
  fs::create_symlink(fifo.Path(), folder.File("DI.csv"));
  auto exported = testing::DefaultRecord();
  exported->SYSTEM.TIMEZONE = -3;
  testing::WriteAll(folder.File("System.csv"), testing::Export("System.csv", *exported));
  auto r = testing::DefaultRecord();
  ScriptedUi ui;
  std::vector<bool> checked(CsvFiles().size(), false);
  checked[0] = checked[2] = checked[3] = true;  // System, AI, DI
  EXPECT_EQ(ImportCsvSet(folder.path(), checked, *r, ui), 2);
  EXPECT_FALSE(fifo.WasOpened());
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0].text, folder.File("AI.csv") + " is not a regular file.");
  EXPECT_EQ(ui.messages[1].text, folder.File("DI.csv") + " is not a regular file.");
  EXPECT_EQ(r->SYSTEM.TIMEZONE, -3);
  EXPECT_EQ(testing::ReadAll(folder.File("ErrLog.txt")),
            std::string(60, '=') + "\r\n\\System.csv:Open\r\n\\System.csv:Close\r\n" + folder.File("AI.csv") +
                ":Open Error\r\n" + folder.File("DI.csv") + ":Open Error\r\n");
  EXPECT_TRUE(fs::is_fifo(fifo.Path()));
}

// A FIFO under the log's name: the log cannot be made (nobody reads it), so
// nothing is read, instead of the import waiting for a reader for ever.
TEST(CsvFileBound, AFifoForTheLogStopsTheImportAtOnce) {
  testing::ScratchFolder folder;
  const test::UnwrittenFifo fifo(folder.File("ErrLog.txt"));
  ASSERT_TRUE(fifo.Made());
  testing::WriteAll(folder.File("System.csv"), "Name,,Other\r\n");
  auto r = testing::DefaultRecord();
  ScriptedUi ui;
  EXPECT_EQ(ImportCsvSet(folder.path(), std::vector<bool>(CsvFiles().size(), true), *r, ui), -1);
  EXPECT_FALSE(fifo.WasOpened());
  EXPECT_EQ(ui.Last(), "ErrLog.txt:Write error");
  EXPECT_STREQ(r->SYSTEM.NAME1, testing::DefaultRecord()->SYSTEM.NAME1);
}

}  // namespace
}  // namespace tk48
