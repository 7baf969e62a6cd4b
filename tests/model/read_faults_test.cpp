// Where a read went wrong: the place and reason of a document fault, the path,
// value and reason of a refused field, the consistency rule broken, and the
// "all" mode that lists every refused field without changing the read itself.
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

ReadResult Parse(const std::string& text, Faults faults = Faults::First) {
  auto record = Defaults();
  return ParseConfiguration(*record, text, faults);
}

// A Doc's first element sits on line 5 (declaration, blank line, root, section).
TEST(ReadFaults, TheFirstFaultIsPlacedAndExplained) {
  const struct {
    const char* what;
    std::string text;
    ReadFault want;
  } cases[] = {
      {"truncated document", "<TK48G_CFG>\r\n<SYSTEM>\r\n<TIMEZONE>9</TIMEZONE>\r\n<NAME1>TK",
       {4, 10, "", "", "no element found"}},
      {"mismatched end tag", "<TK48G_CFG>\r\n<SYSTEM>\r\n</IO>\r\n</TK48G_CFG>", {3, 3, "", "", "mismatched tag"}},
      {"other root", "<CFG>\n<SYSTEM/>\n</CFG>", {1, 6, "", "", "the root element is not TK48G_CFG"}},
      {"name of 32 bytes", "<TK48G_CFG>\n <" + std::string(32, 'N') + "/>\n</TK48G_CFG>",
       {2, 2, "", "", "an element name of 32 bytes or more"}},
      {"refused integer", Doc({{"SYSTEM.TIMEZONE", "14"}}),
       {5, 11, "SYSTEM.TIMEZONE", "14", "expects an integer from -12 to 13"}},
      {"refused keyword", Doc({{"SYSTEM.LANGUAGE", "english"}}),
       {5, 11, "SYSTEM.LANGUAGE", "english", "expects one of JAPANESE, ENGLISH"}},
      {"empty keyword: placed at its end tag", Doc({{"SYSTEM.LANGUAGE", ""}}),
       {5, 11, "SYSTEM.LANGUAGE", "", "expects one of JAPANESE, ENGLISH"}},
      {"numbered name, leading zeros", Doc({{"IO.AI.AI012.AI_DATA_TYPE", "BYTE"}}),
       {7, 15, "IO.AI[12].AI_DATA_TYPE", "BYTE", ""}},
      {"real too long", Doc({{"IO.AI.AI3.SCALE", "123456789.1234567"}}),
       {7, 8, "IO.AI[3].SCALE", "123456789.1234567", "expects a number of at most 16 characters"}},
      {"real too large", Doc({{"IO.AI.AI3.SCALE", "2e10"}}),
       {7, 8, "IO.AI[3].SCALE", "2e10", "expects a number from -1e10 to 1e10"}},
      {"element number out of range", Doc({{"COM.SMTP_POP3.MAIL_NAME65", "x"}}),
       {6, 14, "COM.SMTP_POP3.MAIL_NAME65", "x", "the element number is outside 1 to 64"}},
      {"consistency: one output point twice",
       Doc({{"IO.DO.DO1.TYPE", "CARD"}, {"IO.DO.DO4.TYPE", "CARD"}}),
       {0, 0, "IO.DO[4]", "", "drives the same point as IO.DO[1]"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const ReadResult r = Parse(c.text);
    EXPECT_FALSE(r.ok());
    ASSERT_EQ(r.faults.size(), 1u);
    const ReadFault& f = r.faults[0];
    EXPECT_EQ(f.line, c.want.line);
    EXPECT_EQ(f.column, c.want.column);
    EXPECT_EQ(f.path, c.want.path);
    EXPECT_EQ(f.value, c.want.value);
    if (!c.want.reason.empty()) {
      EXPECT_EQ(f.reason, c.want.reason);
    }
  }
}

TEST(ReadFaults, ReasonsFollowTheFieldsRules) {
  const struct {
    const char* path;
    const char* value;
    const char* reason;
  } cases[] = {
      {"IO.AI.AI1.AI_DATA_TYPE", "BYTE", "expects one of "},   // the keyword list follows
      {"COM.SMTP_POP3.SMTP_AUTH.ID", "\xC3\xA9", "expects ASCII characters only"},
      {"RECORD.LOGGING.SEC", "3S", "expects one of 1S, 2S, 5S, 10S, 30S"},
      {"IO.AI.AI1.USE_AREAS", "1", "expects one of 0, 2, 3, 4, 5"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    const ReadResult r = Parse(Doc({{c.path, c.value}}));
    if (r.faults.empty()) {
      ADD_FAILURE() << "accepted";
      continue;
    }
    EXPECT_EQ(r.faults[0].reason.rfind(c.reason, 0), 0u) << r.faults[0].reason;
    EXPECT_EQ(r.faults[0].value, c.value);
  }
}

TEST(ReadFaults, AllModeListsEveryRefusedFieldAndReadsTheSame) {
  const std::string text = Doc({{"SYSTEM.TIMEZONE", "14"},
                                {"SYSTEM.NAME1", "kept"},
                                {"SYSTEM.LANGUAGE", "english"},
                                {"IO.AI.AI2.SCALE_100", "abc"},
                                {"IO.AI.AI2.AI_DATA_TYPE", "BYTE"},
                                {"FOO", "unknown elements are no faults"}});
  auto first = Defaults(), all = Defaults();
  const ReadResult a = ParseConfiguration(*first, text, Faults::First);
  const ReadResult b = ParseConfiguration(*all, text, Faults::All);
  // The read itself does not change with the mode.
  EXPECT_EQ(a.flags, b.flags);
  EXPECT_EQ(a.path, b.path);
  EXPECT_EQ(a.path, "<TK48G_CFG><SYSTEM><TIMEZONE>");
  EXPECT_EQ(std::memcmp(first.get(), all.get(), sizeof(SettingData)), 0);
  EXPECT_STREQ(all->SYSTEM.NAME1, "kept");
  ASSERT_EQ(a.faults.size(), 1u);
  EXPECT_EQ(a.faults[0].path, "SYSTEM.TIMEZONE");
  std::vector<std::string> paths;
  for (const ReadFault& f : b.faults) paths.push_back(f.path);
  EXPECT_EQ(paths, (std::vector<std::string>{"SYSTEM.TIMEZONE", "SYSTEM.LANGUAGE", "IO.AI[2].AI_DATA_TYPE"}));
}

TEST(ReadFaults, AFieldWhoseTextComesInPiecesIsListedOnce) {
  // "99&#x39;" reaches the reader as "99" then "9": the first piece is refused,
  // the second (which decides the value) accepted; the field is listed once.
  const ReadResult r = Parse(Doc({{"SYSTEM.TIMEZONE", "99&#x39;"}}), Faults::All);
  ASSERT_EQ(r.faults.size(), 1u);
  EXPECT_EQ(r.faults[0].value, "99");
}

TEST(ReadFaults, RefusedRealsAndTheFirstBreakingFaultInBothModes) {
  const std::string text =
      Doc({{"SYSTEM.TIMEZONE", "14"}, {"IO.AI.AI1.SCALE", "2e10"}, {"IO.AI.AI2.SCALE", "3e10"}});
  const ReadResult first = Parse(text);
  ASSERT_EQ(first.faults.size(), 2u);  // the first refused field, the first fatal one
  EXPECT_EQ(first.faults[1].path, "IO.AI[1].SCALE");
  EXPECT_EQ(Parse(text, Faults::All).faults.size(), 3u);
}

TEST(ReadFaults, ReadConfigurationOffersTheFaultsUnderAnUnchangedMessage) {
  const struct {
    const char* what;
    std::string text;
    std::string message, details;
  } cases[] = {
      {"broken", "<TK48G_CFG>\n<SYSTEM>", "Failed to convert into setting data.",
       "Line 2, column 9: no element found"},
      {"refused", Doc({{"SYSTEM.TIMEZONE", "14"}}),
       "Cannot edit: Setting contains unsupported parameter(s). Update TK48GCFG.\n<TK48G_CFG><SYSTEM><TIMEZONE>",
       "Line 5, column 11: SYSTEM.TIMEZONE = \"14\": expects an integer from -12 to 13"},
      {"inconsistent", Doc({{"COM.FTP.PORT", "80"}}), "Failed to convert into setting data.",
       "COM: COM.WEB.PORT, COM.FTP.PORT and COM.MODBUS_TCP.PORT must differ"},
      {"unknown only: success, no details", Doc({{"FOO", "1"}}),
       "Cannot edit parameter: Setting contains unsupported information.\n<TK48G_CFG><FOO>", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    auto record = Defaults();
    ScriptedUi ui;
    ReadConfiguration(*record, c.text, ui, true);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, c.message);
    EXPECT_EQ(ui.messages[0].details, c.details);
  }
}

TEST(ReadFaults, AValueIsCutForShowingNeverInsideACharacter) {
  std::string utf8 = "x";
  for (int i = 0; i < 50; ++i) utf8 += "\xC3\xA9";  // 101 bytes of é
  const ReadResult r = Parse(Doc({{"COM.SMTP_POP3.SMTP_AUTH.ID", utf8}}));
  ASSERT_EQ(r.faults.size(), 1u);
  EXPECT_EQ(r.faults[0].value, utf8.substr(0, 79) + "...");
}

}  // namespace
}  // namespace tk48
