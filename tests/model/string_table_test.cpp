// The numbered string table: order, exact texts, placeholders and the names code uses.
#include "resources/string_table.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <string_view>

#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

// True when `s` is well-formed UTF-8 of at most three bytes per character, as the
// record and the screens expect.
bool IsUtf8Bmp(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    const std::size_t n = b0 < 0x80 ? 1 : (b0 & 0xE0) == 0xC0 ? 2 : (b0 & 0xF0) == 0xE0 ? 3 : 0;
    if (n == 0 || i + n > s.size()) return false;
    for (std::size_t k = 1; k < n; ++k) {
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    }
    i += n;
  }
  return true;
}

TEST(StringTable, IdsStrictlyAscendingAndTextsPresent) {
  int previous = 0;
  for (const StringEntry& e : kStringTable) {
    EXPECT_GT(e.id, previous) << "out of order or repeated after " << previous;
    // 0 and 65535 mark empty header cells of the CSV rows; they never name a text.
    EXPECT_NE(e.id, 65535);
    EXPECT_FALSE(e.text.empty()) << e.id;
    EXPECT_TRUE(IsUtf8Bmp(e.text)) << e.id;
    EXPECT_EQ(e.text.find('\0'), std::string_view::npos) << e.id;
    previous = e.id;
  }
}

TEST(StringTable, KnownTextsLoadExactly) {
  struct Case {
    int id;
    std::string_view text;
  };
  const Case cases[] = {
      {text::kFailedToConvert, "Failed to convert into setting data."},
      {text::kUnsupportedParameter,
       "Cannot edit: Setting contains unsupported parameter(s). Update TK48GCFG.\n%s"},
      {text::kSuffixIntRange, "\nUsable range: %d to %d"},
      {text::kSuffixFreeTextLength, "\nMax. %d characters (alphanumerical: %d characters)"},
      {text::kSuffixHexRange, "\nUsable range: %04x to %04x"},
      {text::kCannotOpenComPort, "Cannot open COM port %d"},
      {text::kUnsupportedDevice, "Unsupported device"},
      {text::kFailed, "Failed"},
      {text::kDeviceProcessing, "Processing"},
      // 210 is the slave editor's message; the device's result code 210 has its own entry.
      {210, "Setting error: Modbus/TCP node ID"},
      {text::kDeviceError, "Error"},
      {text::kDeviceErrorCode, "Error.\nCODE:%d"},
      // trailing blanks are part of the text
      {1012, "Communication error ouptut "},
      {1007, "Template "},
      // UTF-8 beyond ASCII: the Japanese file filter and the full-width parentheses
      {text::kTextFileFilter,
       "\xE3\x83\x86\xE3\x82\xAD\xE3\x82\xB9\xE3\x83\x88\xE3\x83\x95\xE3\x82\xA1\xE3\x82\xA4\xE3\x83\xAB"
       "(*.txt)|*.txt||"},
      {text::kReadCsvFile, "Read file\xEF\xBC\x88" "CSV\xEF\xBC\x89"},
      // the weekday list runs 150 (Sunday) to 156 (Saturday)
      {150, "Sunday"},
      {154, "Thursday"},
      {156, "Saturday"},
  };
  for (const Case& c : cases) EXPECT_EQ(LoadText(c.id), c.text) << c.id;
}

TEST(StringTable, PlaceholdersFormat) {
  EXPECT_EQ(FormatText(text::kUnsupportedParameter, "<TK48G_CFG><SYSTEM><TIMEZONE>"),
            "Cannot edit: Setting contains unsupported parameter(s). Update TK48GCFG.\n"
            "<TK48G_CFG><SYSTEM><TIMEZONE>");
  EXPECT_EQ(FormatText(text::kSuffixIntRange, -12, 13), "\nUsable range: -12 to 13");
  EXPECT_EQ(FormatText(text::kSuffixHexRange, 0u, 0xFFFFu), "\nUsable range: 0000 to ffff");
  EXPECT_EQ(FormatText(text::kSuffixFreeTextLength, 32, 64),
            "\nMax. 32 characters (alphanumerical: 64 characters)");
  const std::string second(LoadText(text::kUnsupportedDevice));
  EXPECT_EQ(FormatText(text::kSessionErrorFormat, "Error: Connect", second.c_str()),
            "Error: Connect\nUnsupported device");
}

TEST(StringTable, UnknownIdsGiveEmptyText) {
  const int first = std::begin(kStringTable)->id;
  const int last = std::prev(std::end(kStringTable))->id;
  for (const int id : {0, -1, 2, 65535, 99999, INT_MIN, INT_MAX, first - 1, last + 1}) {
    EXPECT_TRUE(LoadText(id).empty()) << id;
    EXPECT_EQ(FormatText(id), "") << id;
  }
}

// Every name in text_ids.h must point at a text, each entry of a named run
// too; the header is read as written so that a name added later is checked
// without touching this test.
TEST(StringTable, EveryNamedIdHasText) {
  std::ifstream in(TK48_SOURCE_DIR "/resources/text_ids.h");
  ASSERT_TRUE(in) << "cannot read resources/text_ids.h";
  const std::regex constant(R"(inline constexpr int (k\w+) = (-?\d+);)");
  const std::regex range(R"(inline constexpr TextRange (k\w+)\{(\d+), (\d+)\};)");
  int names = 0;
  for (std::string line; std::getline(in, line);) {
    std::smatch m;
    if (std::regex_search(line, m, constant)) {
      ++names;
      EXPECT_FALSE(LoadText(std::stoi(m[2].str())).empty()) << m[1].str() << " = " << m[2].str();
    } else if (std::regex_search(line, m, range)) {
      ++names;
      const int first = std::stoi(m[2].str()), count = std::stoi(m[3].str());
      for (int id = first; id < first + count; ++id)
        EXPECT_FALSE(LoadText(id).empty()) << m[1].str() << " holds " << id << ", which the table lacks";
    }
  }
  EXPECT_GT(names, 500);
}

// Text ids are named only in text_ids.h and written qualified: a number of
// the table declared as a constant elsewhere, or handed to a text function as
// a bare number, fails here. A screen's local constant once shadowed a name
// of the same spelling, and its lists showed the texts of 0, 1 and 2.
TEST(StringTable, NoOtherFileNamesATextId) {
  struct NotText {
    std::string_view file;  // below the source folder
    std::string_view name;
    std::string_view why;
  };
  static constexpr NotText kNotTexts[] = {
      {"app/wait_dialog.h", "kTickMs", "the progress poll's period in ms"},
      {"editors/toolkit/find_results.cpp", "kWidths", "the result list's column widths in pixels"},
  };
  const auto isText = [](int id) { return id >= 100 && !LoadText(id).empty(); };
  const std::regex declared(R"(constexpr\s+(?:int|std::u?int\d+_t)\s+(k\w+)(?:\[\w*\])?\s*=\s*\{?([^;]*))");
  const std::regex bare(
      R"(\b(?:Tx|LoadText|FormatText|ChoiceList|AddRow|SubName|FieldLabel)\((?:[^;]*?[({,])?\s*(\d{3,5})\s*[,)}])");
  const std::regex number(R"((?:^|[^\w.])(\d{3,5})(?=[^\w.]|$))");
  int files = 0;
  for (const char* folder : {"app", "editors", "checks", "query", "maintenance", "csv", "cli", "docs"}) {
    const std::filesystem::path root = std::filesystem::path(TK48_SOURCE_DIR) / folder;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
      const std::string ext = entry.path().extension().string();
      if (!entry.is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
      ++files;
      const std::string file = std::filesystem::relative(entry.path(), TK48_SOURCE_DIR).generic_string();
      std::ifstream in(entry.path());
      int lineNo = 0;
      for (std::string line; std::getline(in, line);) {
        ++lineNo;
        const std::string code = line.substr(0, line.find("//"));
        std::smatch m;
        if (std::regex_search(code, m, declared)) {
          const std::string name = m[1].str(), value = m[2].str();
          bool exempt = false;
          for (const NotText& n : kNotTexts) exempt = exempt || (n.file == file && n.name == name);
          for (auto it = std::sregex_iterator(value.begin(), value.end(), number);
               !exempt && it != std::sregex_iterator(); ++it) {
            EXPECT_FALSE(isText(std::stoi((*it)[1].str())))
                << file << ":" << lineNo << ": " << name << " declares text " << (*it)[1].str()
                << "; name it in resources/text_ids.h";
          }
        }
        if (std::regex_search(code, m, bare)) {
          EXPECT_FALSE(isText(std::stoi(m[1].str())))
              << file << ":" << lineNo << ": text " << m[1].str() << " written as a bare number";
        }
      }
    }
  }
  EXPECT_GT(files, 100);
}

}  // namespace
}  // namespace tk48
