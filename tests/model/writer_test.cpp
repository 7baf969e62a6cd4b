// The configuration file writer: frame, sizes, line forms and escapes.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "model/defaults.h"
#include "model/writer.h"
#include "port/scripted_ui.h"
#include "tests/model/section_doc.h"

namespace tk48 {
namespace {

using testing::Defaults;
using testing::HasLine;

bool EndsWith(const std::string& s, std::string_view tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

TEST(Writer, DefaultDocumentFrameAndSize) {
  auto record = Defaults();
  const std::string text = ConfigurationText(*record);
  EXPECT_EQ(text.size(), 5404310u);
  EXPECT_EQ(text.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n\r\n<TK48G_CFG>\r\n\r\n<SYSTEM>\r\n", 0), 0u);
  EXPECT_TRUE(EndsWith(text, "</OPEMON>\r\n</TK48G_CFG>\r\n\r\n"));
  // Sections in file order; MAIL_REPORT before RECORD.
  std::size_t last = 0;
  for (const char* section : {"<SYSTEM>", "<IO>", "<DISP>", "<COM>", "<MAIL_REPORT>", "<RECORD>", "<SCHEDULE>",
                              "<OPEMON>"}) {
    const std::size_t at = text.find(std::string(section) + "\r\n");
    ASSERT_NE(at, std::string::npos) << section;
    EXPECT_GT(at, last) << section;
    last = at;
  }
  // Only the access-settings document carries the two access blocks.
  EXPECT_EQ(text.find("<TK48GCFG>"), std::string::npos);
  EXPECT_EQ(text.find("<TCP_IP>"), std::string::npos);
  // Every line ends with CR LF and holds exactly one element.
  EXPECT_EQ(text.find("\n<", 0) != std::string::npos, true);
  std::size_t crlf = 0, lf = 0;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (text[i] == '\n') {
      ++lf;
      if (i > 0 && text[i - 1] == '\r') ++crlf;
    }
  EXPECT_EQ(crlf, lf);
}

TEST(Writer, NewSettingHasTheSameLength) {
  auto record = NewSettingData();
  ApplyNewSetting(*record);
  EXPECT_EQ(ConfigurationText(*record).size(), 5404310u);
}

TEST(Writer, AccessDocumentOfDefaults) {
  auto record = Defaults();
  const std::string doc = AccessSettingsText(*record);
  EXPECT_EQ(doc.size(), 978u);
  EXPECT_TRUE(HasLine(doc, "<TK48GCFG>", "<NET>NOUSE</NET>"));
  EXPECT_TRUE(HasLine(doc, "<TK48GCFG>", "<PORT>30341</PORT>"));
  EXPECT_TRUE(HasLine(doc, "<AUTH0>", "<MODE>USE</MODE>"));
  EXPECT_TRUE(HasLine(doc, "<AUTH1>", "<MODE>NOUSE</MODE>"));
  EXPECT_TRUE(HasLine(doc, "<IP_ADDRESS>", "<MY>192.168.0.1</MY>"));
  // NET and PORT come before the accounts.
  EXPECT_LT(doc.find("<PORT>"), doc.find("<AUTH0>"));
  EXPECT_TRUE(EndsWith(doc, "</DNS2>\r\n</IP_ADDRESS>\r\n</TCP_IP>\r\n</COM>\r\n</TK48G_CFG>\r\n\r\n"));
}

TEST(Writer, TextEscapes) {
  struct Case {
    const char* stored;
    const char* written;
  } cases[] = {
      {"A<B & 'C'", "A#LB #A #SC#S"},
      {"X\r\nY", "X#DY"},
      {"X\nY", "X#DY"},
      {"X\rY", "X#DY"},
      {"\r\r\n", "#D#D"},
      {"#", "##"},
      {"\"q\">", "#Wq#W#G"},
      {"\xE6\x97\xA5\xE6\x9C\xAC", "\xE6\x97\xA5\xE6\x9C\xAC"},  // UTF-8 copied unchanged
      {"", ""},
  };
  for (const auto& c : cases) {
    auto record = Defaults();
    std::strcpy(record->SYSTEM.NAME2, c.stored);
    const std::string text = ConfigurationText(*record);
    EXPECT_TRUE(HasLine(text, "<SYSTEM>", std::string("<NAME2>") + c.written + "</NAME2>")) << c.written;
  }
}

// A control character XML cannot carry would make a file that does not read
// back: the writer refuses the whole document and names the field.
TEST(Writer, RefusesATextTheFileCannotCarry) {
  for (const char bad : {'\x01', '\x0b', '\x1f'}) {
    auto record = Defaults();
    record->SCHEDULE.PATTERN[1].PTN_NAME[3] = bad;
    std::vector<char> buffer(kTextBufferSize);
    std::string field;
    EXPECT_EQ(WriteConfiguration(*record, buffer, &field), 0u);
    EXPECT_EQ(field, "SCHEDULE.PATTERN[2].PTN_NAME");
    EXPECT_EQ(ConfigurationText(*record), "");
    ScriptedUi ui;
    EXPECT_FALSE(ConfigurationText(*record, ui));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "Cannot write the setting data: SCHEDULE.PATTERN[2].PTN_NAME holds a control character that a "
              "configuration file cannot carry.");
    EXPECT_EQ(ui.messages[0].icon, Icon::Error);
  }
  // Tab, CR and LF are text like any other.
  auto record = Defaults();
  std::strcpy(record->SYSTEM.NAME1, "a\tb\r\nc");
  ScriptedUi ui;
  EXPECT_TRUE(ConfigurationText(*record, ui));
  EXPECT_TRUE(ui.messages.empty());
}

TEST(Writer, NumberForms) {
  auto record = Defaults();
  record->SYSTEM.TIMEZONE = -12;
  record->IO.AI[0].SCALE_100 = -2000.0;
  record->IO.AI[0].SCALE_0 = 0.0005;  // rounds half to even on the exact binary value, as printf does
  record->IO.AI[0].SCALE = 0.01;
  record->IO.AO[0].WEB_SCALE = 0.01;
  record->IO.AI[0].AREA[0].AREA_COLOR = 0x00FF0000;
  record->IO.AI[0].AREA[0].MD_ON[0] = 0xFFFFFFFF;
  const std::string text = ConfigurationText(*record);
  EXPECT_TRUE(HasLine(text, "<SYSTEM>", "<TIMEZONE>-12</TIMEZONE>"));
  EXPECT_TRUE(HasLine(text, "<AI1>", "<SCALE_100>-2000.000</SCALE_100>"));
  EXPECT_TRUE(HasLine(text, "<AI1>", "<SCALE_0>0.001</SCALE_0>"));
  EXPECT_TRUE(HasLine(text, "<AI1>", "<SCALE>0.010</SCALE>"));
  EXPECT_TRUE(HasLine(text, "<AO1>", "<WEB_SCALE>0.0100</WEB_SCALE>"));
  EXPECT_TRUE(HasLine(text, "<AI1>", "<AREA_COLOR>0x00FF0000</AREA_COLOR>"));
  EXPECT_TRUE(HasLine(text, "<AI1>", "<MD_ON1>0xFFFFFFFF</MD_ON1>"));
}

TEST(Writer, RealsRoundLikePrintf) {
  // Values whose decimal expansion sits next to a rounding boundary.
  const double values[] = {1e10, -1e10, 0.0625, 2.5e-4, 1234567.8905, 0.1 + 0.2, -0.0004, 9999999999.9995};
  for (double v : values) {
    auto record = Defaults();
    record->IO.AI[0].SCALE_100 = v;
    char expected[400];
    std::snprintf(expected, sizeof expected, "<SCALE_100>%.3f</SCALE_100>", v);
    EXPECT_TRUE(HasLine(ConfigurationText(*record), "<AI1>", expected)) << expected;
  }
}

TEST(Writer, ReferencesAndAreaOrder) {
  auto record = Defaults();
  record->IO.MA[0].INPUT.X[0] = {3, 12};  // MA12
  const std::string text = ConfigurationText(*record);
  EXPECT_TRUE(HasLine(text, "<MA1>", "<X0>MA12</X0>"));
  // Kind 0 of a list with NONE is the bare keyword whatever its number.
  EXPECT_TRUE(HasLine(text, "<TREND_PAGE1>", "<PEN1>NONE</PEN1>"));
  // Areas from AREA5 down to AREA1; the first line of an area is LEVEL_UPPER.
  const std::size_t ai1 = text.find("<AI1>");
  const std::size_t a5 = text.find("<AREA5>", ai1), a1 = text.find("<AREA1>", ai1);
  EXPECT_LT(a5, a1);
  const std::string_view area5 = "<AREA5>\r\n<LEVEL_UPPER>100.000</LEVEL_UPPER>";
  EXPECT_EQ(text.compare(a5, area5.size(), area5), 0);
}

TEST(Writer, NeverWritesPastTheBuffer) {
  auto record = Defaults();
  std::vector<char> small(1000, '\x7F');
  const std::size_t len = WriteConfiguration(*record, std::span<char>(small.data(), 900));
  EXPECT_EQ(len, 5404310u);  // the whole document's length, so the caller can refuse it
  for (std::size_t i = 900; i < small.size(); ++i) ASSERT_EQ(small[i], '\x7F');
  // What was written is the document's beginning.
  const std::string head(small.data(), std::string_view(small.data(), 900).find('\x7F'));
  EXPECT_GT(head.size(), 800u);
  EXPECT_EQ(head, ConfigurationText(*record).substr(0, head.size()));
}

}  // namespace
}  // namespace tk48
