// The configuration file reader: document faults, value rules, element names,
// the recorded paths and the three outcomes with their messages.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "model/defaults.h"
#include "model/reader.h"
#include "model/writer.h"
#include "port/scripted_ui.h"
#include "tests/model/section_doc.h"

namespace tk48 {
namespace {

using testing::Defaults;
using testing::Doc;
using testing::Outcome;
using testing::OutcomeOf;
using testing::Read;

std::string Repeat(const std::string& piece, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += piece;
  return out;
}

ReadResult ParseText(const std::string& text, SettingData* into = nullptr) {
  auto record = Defaults();
  return ParseConfiguration(into ? *into : *record, text);
}

TEST(Reader, DocumentFaultsAreFatal) {
  const std::string deep = [] {
    std::string s = "<TK48G_CFG>";
    for (int i = 0; i < 10; ++i) s += "<A>";
    for (int i = 0; i < 10; ++i) s += "</A>";
    return s + "</TK48G_CFG>";
  }();
  const std::string pieces = "<TK48G_CFG><SYSTEM><NAME1>" + std::string(101, '\n') + "x</NAME1></SYSTEM></TK48G_CFG>";
  const std::string longName = "<TK48G_CFG><" + std::string(32, 'N') + ">1</" + std::string(32, 'N') + "></TK48G_CFG>";
  const struct {
    const char* what;
    std::string text;
  } cases[] = {
      {"empty text", ""},
      {"binary junk", std::string("\x01\x02\xFF\xFE junk", 10)},
      {"not closed", "<TK48G_CFG><SYSTEM><TIMEZONE>9</TIMEZONE>"},
      {"stray end tag", "<TK48G_CFG></SYSTEM></TK48G_CFG>"},
      {"other root", "<CFG><SYSTEM><TIMEZONE>9</TIMEZONE></SYSTEM></CFG>"},
      {"empty other root", "<CFG/>"},
      {"nested ten deep below the root", deep},
      {"too many pieces", pieces},
      {"name of 32 bytes", longName},
      {"real of 17 characters", Doc({{"IO.AI.AI1.SCALE", "123456789.1234567"}})},
      {"real beyond 1e10", Doc({{"IO.AI.AI1.SCALE", "10000000001"}})},
      {"real infinity", Doc({{"IO.AI.AI1.SCALE", "inf"}})},
      {"truncated declaration", "<?xml version=\"1.0\" encod"},
  };
  for (const auto& c : cases) EXPECT_EQ(OutcomeOf(ParseText(c.text)), Outcome::Fatal) << c.what;
}

TEST(Reader, NestingAndPiecesAtTheLimitAreFine) {
  // The root plus nine levels is the deepest accepted; 100 pieces are accepted too.
  std::string s = "<TK48G_CFG>";
  for (int i = 0; i < 9; ++i) s += "<A>";
  for (int i = 0; i < 9; ++i) s += "</A>";
  s += "</TK48G_CFG>";
  EXPECT_EQ(OutcomeOf(ParseText(s)), Outcome::Unrecognised);
  const std::string pieces = "<TK48G_CFG><SYSTEM><NAME1>" + std::string(100, '\n') + "x</NAME1></SYSTEM></TK48G_CFG>";
  auto record = Defaults();
  EXPECT_EQ(OutcomeOf(ParseText(pieces, record.get())), Outcome::Stored);
  EXPECT_STREQ(record->SYSTEM.NAME1, "x");  // the last piece decides
}

TEST(Reader, InvalidValueKeepsFieldAndNamesFirstPath) {
  auto l = Read({{"SYSTEM.TIMEZONE", "14"}, {"SYSTEM.TIMEZONE_MIN", "60"}});
  EXPECT_EQ(OutcomeOf(l.result), Outcome::Invalid);
  EXPECT_EQ(l.result.path, "<TK48G_CFG><SYSTEM><TIMEZONE>");
  EXPECT_EQ(l.record->SYSTEM.TIMEZONE, 9);
  EXPECT_EQ(l.record->SYSTEM.TIMEZONE_MIN, 0);
}

TEST(Reader, ValuesOfTheSystemSection) {
  struct Case {
    const char* path;
    const char* value;
    Outcome outcome;
    std::int64_t want;  // for stored values: the time zone / weekday / month as read back
  } cases[] = {
      {"SYSTEM.TIMEZONE", "-12", Outcome::Stored, -12},
      {"SYSTEM.TIMEZONE", "13", Outcome::Stored, 13},
      {"SYSTEM.TIMEZONE", "-13", Outcome::Invalid, 9},
      {"SYSTEM.TIMEZONE", "12abc", Outcome::Stored, 12},     // reading stops at the first non-digit
      {"SYSTEM.TIMEZONE", "0x0C", Outcome::Stored, 12},      // hexadecimal form
      {"SYSTEM.TIMEZONE", "0-5", Outcome::Stored, -5},       // '-' before the first non-zero digit
      {"SYSTEM.TIMEZONE", "", Outcome::Stored, 0},           // no digits give 0
      {"SYSTEM.TIMEZONE", "4294967295", Outcome::Stored, -1}, // 32-bit wrap before the range check
      {"SYSTEM.TIMEZONE", " 5", Outcome::Stored, 0},         // a blank stops the digits
      {"SYSTEM.TIMEZONE", "5-", Outcome::Stored, 5},
  };
  for (const auto& c : cases) {
    auto l = Read({{c.path, c.value}});
    EXPECT_EQ(OutcomeOf(l.result), c.outcome) << c.value;
    EXPECT_EQ(l.record->SYSTEM.TIMEZONE, c.want) << c.value;
  }
}

TEST(Reader, KeywordsAreExact) {
  const struct {
    const char* value;
    Outcome outcome;
  } cases[] = {{"ENGLISH", Outcome::Stored}, {"english", Outcome::Invalid}, {" ENGLISH", Outcome::Invalid},
               {"ENGLISH ", Outcome::Invalid}, {"", Outcome::Invalid}, {"1", Outcome::Invalid}};
  for (const auto& c : cases) EXPECT_EQ(OutcomeOf(Read({{"SYSTEM.LANGUAGE", c.value}}).result), c.outcome) << c.value;
}

TEST(Reader, TextsUnescapeCutAndRefuseNonAscii) {
  struct Case {
    const char* path;
    std::string value;
    Outcome outcome;
    std::string stored;
  } cases[] = {
      {"SYSTEM.NAME1", "A#LB #A #SC#S", Outcome::Stored, "A<B & 'C'"},
      {"SYSTEM.NAME1", "X#DY", Outcome::Stored, "X\r\nY"},
      {"SYSTEM.NAME1", "##", Outcome::Stored, "#"},
      {"SYSTEM.NAME1", "#Q#W", Outcome::Stored, "Q\""},  // '#' and any other character gives it
      {"SYSTEM.NAME1", "ab#", Outcome::Stored, "ab"},    // a '#' at the end is dropped
      {"SYSTEM.NAME1", std::string(200, 'x'), Outcome::Stored, std::string(96, 'x')},
      // A cut never splits a character: a partial one is dropped whole.
      {"SYSTEM.NAME1", "A" + Repeat("\xE6\x97\xA5", 40), Outcome::Stored, "A" + Repeat("\xE6\x97\xA5", 31)},
      {"SYSTEM.NAME1", "A" + Repeat("\xC3\xA9", 50), Outcome::Stored, "A" + Repeat("\xC3\xA9", 47)},
      {"SYSTEM.NAME1", Repeat("\xE6\x97\xA5", 32) + "x", Outcome::Stored, Repeat("\xE6\x97\xA5", 32)},
      {"SYSTEM.NAME1", std::string(95, 'x') + "#D", Outcome::Stored, std::string(95, 'x')},  // CR LF does not fit
      {"SYSTEM.NAME1", std::string(94, 'x') + "#D", Outcome::Stored, std::string(94, 'x') + "\r\n"},
      {"SYSTEM.NAME1", "", Outcome::Stored, ""},
      // An entity reference splits the text into pieces, and the last piece decides.
      {"SYSTEM.NAME1", "A&amp;B", Outcome::Stored, "B"},
  };
  for (const auto& c : cases) {
    auto l = Read({{c.path, c.value}});
    EXPECT_EQ(OutcomeOf(l.result), c.outcome) << c.value;
    EXPECT_EQ(std::string(l.record->SYSTEM.NAME1), c.stored) << c.value;
    // The bytes after the terminator stay zero.
    for (std::size_t i = std::strlen(l.record->SYSTEM.NAME1); i < sizeof l.record->SYSTEM.NAME1; ++i)
      ASSERT_EQ(l.record->SYSTEM.NAME1[i], 0);
  }
  auto ascii = Read({{"COM.WEB.AUTH0.LOGIN", "\xC3\xA9t\xC3\xA9"}});
  EXPECT_EQ(OutcomeOf(ascii.result), Outcome::Invalid);
  EXPECT_STREQ(ascii.record->COM.WEB.AUTH[0].LOGIN, "kvmpt");
}

TEST(Reader, ElementNamesAndNumbers) {
  struct Case {
    const char* path;
    Outcome outcome;
  } cases[] = {
      {"IO.AI.AI012.POINT", Outcome::Stored},
      {"IO.AI.AI0x0C.POINT", Outcome::Stored},
      {"IO.AI.AI0.POINT", Outcome::Unrecognised},
      {"IO.AI.AI129.POINT", Outcome::Unrecognised},
      {"IO.AI.AI.POINT", Outcome::Unrecognised},
      {"IO.AI.AI1.AREA6.AREA_NAME", Outcome::Unrecognised},
      {"FOO", Outcome::Unrecognised},
      {"SYSTEM.FOO", Outcome::Unrecognised},
      {"MAIL_REPORT.CALENDAR.HOLIDAY.Y2014.M01", Outcome::Invalid},
      {"MAIL_REPORT.CALENDAR.HOLIDAY.Y2015.M13", Outcome::Invalid},
      {"MAIL_REPORT.CALENDAR.HOLIDAY.Y2015.M1", Outcome::Stored},
      {"SYSTEM.TIMEZONE.DEEPER", Outcome::Stored},  // names below a field are not looked at
  };
  for (const auto& c : cases) {
    const char* value = std::strstr(c.path, "POINT") ? "3" : std::strstr(c.path, "AREA_NAME") ? "n" : "1";
    EXPECT_EQ(OutcomeOf(Read({{c.path, value}}).result), c.outcome) << c.path;
  }
  auto twelve = Read({{"IO.AI.AI0x0C.POINT", "3"}});
  EXPECT_EQ(twelve.record->IO.AI[11].POINT, 3);
  auto january = Read({{"MAIL_REPORT.CALENDAR.HOLIDAY.Y2015.M1", "0x1"}});
  EXPECT_EQ(january.record->MAIL_REPORT.CALENDAR.HOLIDAY[0][0], 1u);
}

TEST(Reader, UnrecognisedPathIsTheFirstOne) {
  auto l = Read({{"IO.AI.AI0.POINT", "1"}, {"FOO", "1"}});
  // Recorded where the first text inside the unknown element came: its line break.
  EXPECT_EQ(l.result.path, "<TK48G_CFG><IO><AI><AI0>");
  // An invalid element wins over an unrecognised one for the message.
  auto both = Read({{"FOO", "1"}, {"SYSTEM.TIMEZONE", "99"}});
  EXPECT_EQ(OutcomeOf(both.result), Outcome::Invalid);
  EXPECT_EQ(both.result.path, "<TK48G_CFG><SYSTEM><TIMEZONE>");
}

TEST(Reader, EmptyElementStoresZeroOrIsInvalid) {
  auto zero = Read({{"IO.AI.AI1.POINT", ""}});
  EXPECT_EQ(OutcomeOf(zero.result), Outcome::Stored);
  EXPECT_EQ(zero.record->IO.AI[0].POINT, 0);
  auto invalid = Read({{"IO.AI.AI1.CARD_NO", ""}});  // 1 to 16
  EXPECT_EQ(OutcomeOf(invalid.result), Outcome::Invalid);
}

TEST(Reader, SeesWhichAccessBlocksTheTextCarries) {
  auto record = Defaults();
  const auto full = ParseConfiguration(*record, ConfigurationText(*record));
  EXPECT_FALSE(full.sawAccessBlock);
  EXPECT_FALSE(full.sawIpAddress);
  const auto access = ParseConfiguration(*record, AccessSettingsText(*record));
  EXPECT_TRUE(access.sawAccessBlock);
  EXPECT_TRUE(access.sawIpAddress);
  EXPECT_TRUE(access.ok());
}

TEST(Reader, OutcomesAndMessages) {
  const std::string bad = Doc({{"SYSTEM.TIMEZONE", "14"}});
  const std::string unknown = Doc({{"IO.AI.AI129.POINT", "1"}});
  const struct {
    std::string text;
    bool tagMessage;
    bool ok;
    std::string message;
    Icon icon;
  } cases[] = {
      {"<X/>", true, false, "Failed to convert into setting data.", Icon::Error},
      {bad, true, false,
       "Cannot edit: Setting contains unsupported parameter(s). Update TK48GCFG.\n<TK48G_CFG><SYSTEM><TIMEZONE>",
       Icon::Warning},
      {unknown, true, true,
       "Cannot edit parameter: Setting contains unsupported information.\n<TK48G_CFG><IO><AI><AI129>",
       Icon::Warning},
      {unknown, false, true, "", Icon::None},
      {Doc({{"SYSTEM.TIMEZONE", "3"}}), true, true, "", Icon::None},
  };
  for (const auto& c : cases) {
    auto record = Defaults();
    ScriptedUi ui;
    EXPECT_EQ(ReadConfiguration(*record, c.text, ui, c.tagMessage), c.ok) << c.message;
    if (c.message.empty()) {
      EXPECT_TRUE(ui.messages.empty());
    } else {
      ASSERT_EQ(ui.messages.size(), 1u);
      EXPECT_EQ(ui.messages[0].text, c.message);
      EXPECT_EQ(ui.messages[0].icon, c.icon);
    }
  }
}

TEST(Reader, RecordedPathIsCutTo127Bytes) {
  std::string name(31, 'Q');
  std::string text = "<TK48G_CFG>";
  for (int i = 0; i < 5; ++i) text += "<" + name + ">";
  text += "1";
  for (int i = 0; i < 5; ++i) text += "</" + name + ">";
  text += "</TK48G_CFG>";
  const auto r = ParseText(text);
  EXPECT_EQ(OutcomeOf(r), Outcome::Unrecognised);
  EXPECT_EQ(r.path.size(), 127u);
}

}  // namespace
}  // namespace tk48
