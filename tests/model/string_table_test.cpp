// The numbered string table: order, exact texts, placeholders and the names code uses.
#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <string_view>

#include "resources/string_table.h"
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

// Every name in text_ids.h must point at a text; the header is read as written so that
// a name added later is checked without touching this test.
TEST(StringTable, EveryNamedIdHasText) {
  std::ifstream in(TK48_SOURCE_DIR "/resources/text_ids.h");
  ASSERT_TRUE(in) << "cannot read resources/text_ids.h";
  const std::regex constant(R"(inline constexpr int (k\w+) = (-?\d+);)");
  int names = 0;
  for (std::string line; std::getline(in, line);) {
    std::smatch m;
    if (!std::regex_search(line, m, constant)) continue;
    ++names;
    EXPECT_FALSE(LoadText(std::stoi(m[2].str())).empty()) << m[1].str() << " = " << m[2].str();
  }
  EXPECT_GT(names, 50);
}

}  // namespace
}  // namespace tk48
