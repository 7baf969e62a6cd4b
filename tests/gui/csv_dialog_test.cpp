// CDlgCsvFileSelect in export mode: "Select all", the checks before the folder
// chooser, and the export with its messages and the folder preference.
#include <QCheckBox>
#include <filesystem>

#include "app/CDlgCsvFileSelect.h"
#include "csv/csv_export.h"
#include "csv/csv_layout.h"
#include <fstream>
#include "model/defaults.h"
#include "tests/gui/gui_fixture.h"

namespace tk48::test {
namespace {

namespace fs = std::filesystem;

class CsvDialogTest : public GuiTest {
 protected:
  CsvDialogTest() { ApplyDefaults(*record); }
  int Checked(const CDlgCsvFileSelect& d, int first, int count) const {
    int n = 0;
    for (int i = first; i < first + count; ++i) n += d.Box(i)->isChecked();
    return n;
  }
  std::unique_ptr<SettingData> record = NewSettingData();
};

TEST_F(CsvDialogTest, SelectAllChecksAGroupOrClearsIt) {
  CDlgCsvFileSelect d(app, *record, CDlgCsvFileSelect::Mode::Export);
  EXPECT_EQ(d.windowTitle(), "Save the CSV file");
  EXPECT_EQ(d.Box(0)->text(), "System");
  EXPECT_EQ(d.Box(29)->text(), "Process operation monitor");
  EXPECT_EQ(d.SelectAll(0), nullptr) << "System has no button of its own";
  QPushButton* io = d.SelectAll(1);
  io->click();
  EXPECT_EQ(Checked(d, 1, 9), 9);
  io->click();
  EXPECT_EQ(Checked(d, 1, 9), 0) << "twice: the group is unchecked again";
  d.Box(3)->setChecked(true);
  io->click();
  EXPECT_EQ(Checked(d, 1, 9), 9) << "some checked: all become checked";
  EXPECT_EQ(Checked(d, 0, 30), 9) << "other groups are left alone";
  d.SelectAll(7)->click();
  EXPECT_EQ(Checked(d, 0, 30), 30) << "the last button works on all thirty";
  d.SelectAll(7)->click();
  EXPECT_EQ(Checked(d, 0, 30), 0);
}

TEST_F(CsvDialogTest, NothingCheckedOrNoFolder) {
  CDlgCsvFileSelect d(app, *record, CDlgCsvFileSelect::Mode::Export);
  d.accept();
  EXPECT_EQ(Texts(), std::vector<std::string>{"Select the items."});
  EXPECT_EQ(ui.messages.back().icon, Icon::Information);
  EXPECT_EQ(d.result(), QDialog::Rejected);
  EXPECT_TRUE(ui.folderDialogs.empty());

  app.csvDir = "/tmp";
  d.Box(0)->setChecked(true);
  d.accept();  // the chooser is cancelled
  ASSERT_EQ(ui.folderDialogs.size(), 1u);
  EXPECT_EQ(ui.folderDialogs[0].title, "Save the CSV file");
  EXPECT_EQ(ui.folderDialogs[0].prompt, "Select the folder to save.");
  EXPECT_EQ(ui.folderDialogs[0].initial, "/tmp");
  EXPECT_EQ(d.result(), QDialog::Rejected);
  EXPECT_FALSE(IsStored(pref::kCsvDirPath));
}

TEST_F(CsvDialogTest, AFolderThatIsNoFolder) {
  CDlgCsvFileSelect d(app, *record, CDlgCsvFileSelect::Mode::Export);
  d.Box(0)->setChecked(true);
  ui.folders = {std::string("/no/such/folder")};
  d.accept();
  EXPECT_EQ(Texts(), std::vector<std::string>{"Invalid file path is specified."});
  EXPECT_EQ(ui.messages.back().icon, Icon::Error);
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_FALSE(IsStored(pref::kCsvDirPath));
}

TEST_F(CsvDialogTest, ExportsTheCheckedFilesAndKeepsTheFolder) {
  const fs::path dir = fs::temp_directory_path() / ("tk48-csv-dialog-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  CDlgCsvFileSelect d(app, *record, CDlgCsvFileSelect::Mode::Export);
  d.Box(0)->setChecked(true);
  d.Box(2)->setChecked(true);
  std::strcpy(record->IO.AI[0].NAME, "\xE6\xB8\xA9");
  record->IO.AI[0].TYPE = 1;
  ui.folders = {dir.string()};
  d.accept();
  EXPECT_EQ(Texts(), (std::vector<std::string>{"Analog input (AI):Write error", "File saved."}));
  EXPECT_EQ(ui.messages.back().icon, Icon::Information);
  EXPECT_TRUE(fs::exists(dir / "System.csv"));
  EXPECT_FALSE(fs::exists(dir / "NODE.csv"));
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_EQ(StoredText(pref::kCsvDirPath), dir.string());
  EXPECT_EQ(app.csvDir, dir.string());
  fs::remove_all(dir);
}

// Import mode: the log first, then every checked file; a cancel clears the
// proceed flag, anything else leaves it for the hub.
TEST_F(CsvDialogTest, ImportsTheCheckedFilesWithTheLog) {
  const fs::path dir = fs::temp_directory_path() / ("tk48-csv-import-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  {
    auto english = NewSettingData();
    ApplyDefaults(*english);
    english->SYSTEM.LANGUAGE = 1;
    ASSERT_TRUE(ExportCsvFile(dir.string(), *FindCsvFile("System.csv"), *english));
  }
  bool proceed = true;
  CDlgCsvFileSelect d(app, *record, CDlgCsvFileSelect::Mode::Import, &proceed);
  EXPECT_EQ(d.windowTitle(), "Read the CSV file");
  d.Box(0)->setChecked(true);
  d.Box(2)->setChecked(true);
  ui.folders = {dir.string()};
  d.accept();
  ASSERT_EQ(ui.folderDialogs.size(), 1u);
  EXPECT_EQ(ui.folderDialogs[0].prompt, "Select the folder to read from.");
  EXPECT_EQ(Texts(), std::vector<std::string>{"Analog input (AI):Read error\nConfirm the log file."});
  EXPECT_EQ(ui.messages.back().icon, Icon::Error);
  EXPECT_EQ(record->SYSTEM.LANGUAGE, 1);
  EXPECT_TRUE(proceed);
  std::ifstream in(dir / "ErrLog.txt", std::ios::binary);
  const std::string log((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(log, std::string(60, '=') + "\r\n\\System.csv:Open\r\n\\System.csv:Close\r\n" + (dir / "AI.csv").string() +
                     ":Open Error\r\n");

  ui.messages.clear();
  fs::remove(dir / "ErrLog.txt");
  fs::create_directory(dir / "ErrLog.txt");  // the log cannot be created
  record->SYSTEM.LANGUAGE = 0;
  ui.folders = {dir.string()};
  d.accept();
  EXPECT_EQ(Texts(), std::vector<std::string>{"ErrLog.txt:Write error"});
  EXPECT_EQ(record->SYSTEM.LANGUAGE, 0) << "nothing is read";

  d.reject();
  EXPECT_FALSE(proceed);
  fs::remove_all(dir);
}

}  // namespace
}  // namespace tk48::test
