// Scripted edits: the changes read from arguments and diff output, every value
// checked as the reader and its screen check it, the rules between fields on
// the result, and a record that changes only when every change passes.
#include "query/field_edit.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "model/defaults.h"
#include "model/field_path.h"
#include "model/reader.h"
#include "model/writer.h"
#include "tests/model/random_record.h"

namespace tk48 {
namespace {

std::unique_ptr<SettingData> Defaults() {
  static const std::unique_ptr<SettingData> defaults = [] {
    auto r = NewSettingData();
    ApplyDefaults(*r);
    return r;
  }();
  return std::make_unique<SettingData>(*defaults);
}

std::vector<AskedChange> Assignments(const std::vector<std::string>& texts) {
  std::vector<AskedChange> changes;
  for (const std::string& t : texts) {
    auto c = ParseAssignment(t);
    EXPECT_TRUE(c) << t;
    if (c) changes.push_back(std::move(*c));
  }
  return changes;
}

// The defaults with `edits` made (each must pass).
std::unique_ptr<SettingData> Edited(const std::vector<std::string>& edits) {
  auto r = Defaults();
  const auto outcome = ApplyChanges(*r, Assignments(edits));
  for (const EditRefusal& refusal : outcome.refused) ADD_FAILURE() << RefusalLine(refusal);
  return r;
}

std::string Lines(const std::vector<EditRefusal>& refused) {
  std::string s;
  for (const EditRefusal& r : refused) s += RefusalLine(r) + "\n";
  return s;
}

TEST(ParseChanges, DiffLinesAndAssignmentsMixed) {
  const auto list = ParseChanges(
      "# made by hand\r\n"
      "SYSTEM.NAME1: TK48 -> Plant#A1\r\n"
      "\r\n"
      "   \t\n"
      "IO.AI[5].SCALE_100=5\n"
      "SYSTEM.NAME2:  -> a: b = c\n"  // an empty old value; ": " and "=" inside the new one
      "SYSTEM.NAME3=x -> y\n"         // an assignment whose value holds an arrow
      "COM.FTP.PASSWORD: (changed)\n"
      "IO.AI[5].SCALE_100 5\n"
      "  # indented comment\n"
      "SYSTEM.TIMEZONE: 9\n"
      "IO.AI[1].NAME=last line without end");
  ASSERT_EQ(list.changes.size(), 5u);
  const struct {
    const char* path;
    const char* value;
    const char* expected;  // nullptr: an assignment
    std::size_t line;
  } want[] = {{"SYSTEM.NAME1", "Plant#A1", "TK48", 2},
              {"IO.AI[5].SCALE_100", "5", nullptr, 5},
              {"SYSTEM.NAME2", "a: b = c", "", 6},
              {"SYSTEM.NAME3", "x -> y", nullptr, 7},
              {"IO.AI[1].NAME", "last line without end", nullptr, 12}};
  for (std::size_t i = 0; i < std::size(want); ++i) {
    const AskedChange& c = list.changes[i];
    EXPECT_EQ(c.path, want[i].path);
    EXPECT_EQ(c.value, want[i].value) << c.path;
    EXPECT_EQ(c.expected.has_value(), want[i].expected != nullptr) << c.path;
    if (want[i].expected && c.expected) {
      EXPECT_EQ(*c.expected, want[i].expected);
    }
    EXPECT_EQ(c.line, want[i].line) << c.path;
  }
  EXPECT_EQ(Lines(list.refused),
            "line 8: COM.FTP.PASSWORD=(changed): the change of a password is hidden: make the changes with diff "
            "--show-secrets\n"
            "line 9: IO.AI[5].SCALE_100 5: expects PATH=VALUE or a line of diff (PATH: old -> new)\n"
            "line 11: SYSTEM.TIMEZONE: 9: expects PATH=VALUE or a line of diff (PATH: old -> new)\n");
}

TEST(ParseAssignment, PathThenEqualsSign) {
  const auto c = ParseAssignment("SYSTEM.NAME1=a=b");
  ASSERT_TRUE(c);
  EXPECT_EQ(c->path, "SYSTEM.NAME1");
  EXPECT_EQ(c->value, "a=b");
  EXPECT_FALSE(c->expected);
  EXPECT_EQ(c->line, 0u);
  const auto empty = ParseAssignment("SYSTEM.NAME2=");
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->value, "");
  for (const char* bad : {"SYSTEM.NAME1", "=x", "SYSTEM.NAME1 =x", "SYSTEM.NAME1: a -> b", ""})
    EXPECT_FALSE(ParseAssignment(bad)) << bad;
}

// Each refused value names its path, its value and why; the record keeps every
// value, the good change asked beside it too.
TEST(ApplyChanges, RefusedValuesLeaveTheRecordAsItWas) {
  const std::string ascii65(65, 'a'), wide33 = [] {
    std::string s;
    for (int i = 0; i < 33; ++i) s += "\xC3\xA9";  // 66 bytes, 33 characters
    return s;
  }();
  const struct {
    const char* what;
    std::vector<std::string> changes;
    std::string refused;
  } cases[] = {
      {"out of range", {"SYSTEM.TIMEZONE=14"}, "SYSTEM.TIMEZONE=14: expects an integer from -12 to 13"},
      {"bad keyword", {"SYSTEM.LANGUAGE=english"}, "SYSTEM.LANGUAGE=english: expects one of JAPANESE, ENGLISH"},
      {"text beyond the field",
       {"SYSTEM.NAME1=" + std::string(97, 'a')},
       "SYSTEM.NAME1=" + std::string(80, 'a') + "...: expects at most 96 bytes of UTF-8"},
      {"text beyond the screen (ASCII)",
       {"SYSTEM.NAME1=" + ascii65},
       "SYSTEM.NAME1=" + ascii65.substr(0, 80) + ": expects at most 32 characters (64 of plain ASCII)"},
      {"text beyond the screen (wide)",
       {"SYSTEM.NAME1=" + wide33},
       "SYSTEM.NAME1=" + wide33 + ": expects at most 32 characters (64 of plain ASCII)"},
      {"a host name beyond its screen",
       {"COM.SNTP.SERVER=" + ascii65},
       "COM.SNTP.SERVER=" + ascii65 + ": expects at most 64 characters"},
      {"control character",
       {"SYSTEM.NAME2=a\x01"},
       "SYSTEM.NAME2=a\x01: holds a control character that a configuration file cannot carry"},
      {"not UTF-8", {"SYSTEM.NAME2=\xFF"}, "SYSTEM.NAME2=\xFF: is not UTF-8 text"},
      {"too many places",
       {"IO.AI[5].SCALE_100=5.0001"},
       "IO.AI[5].SCALE_100=5.0001: expects a number from -10000000000 to 10000000000 with at most 3 decimals"},
      {"too many places (four allowed)",
       {"IO.AO[1].WEB_SCALE=0.00001"},
       "IO.AO[1].WEB_SCALE=0.00001: expects a number other than 0 from -10000000000 to 10000000000 with at most 4 "
       "decimals"},
      {"a real the reader refuses",
       {"IO.AI[5].SCALE_100=123456789.1234567"},
       "IO.AI[5].SCALE_100=123456789.1234567: expects a number of at most 16 characters"},
      {"a screen narrower than the reader",
       {"IO.PI[1].CARD_CH=3"},
       "IO.PI[1].CARD_CH=3: expects an integer from 1 to 2"},
      {"a scale of 0",
       {"IO.AI[5].SCALE=0.000"},
       "IO.AI[5].SCALE=0.000: expects a number other than 0 from -10000000000 to 10000000000 with at most 3 "
       "decimals"},
      {"a limit by the function asked beside it",
       {"IO.MA[3].TYPE=AVERAGE", "IO.MA[3].CONST.K[1]=10"},
       "IO.MA[3].CONST.K[1]=10: expects one of 4, 8, 16, 32, 64"},
      {"a whole number with a fraction",
       {"IO.MA[3].TYPE=SINGLE", "IO.MA[3].CONST.K[1]=50.5"},
       "IO.MA[3].CONST.K[1]=50.5: expects an integer from 0 to 100"},
      {"a discrete pen's fixed value",
       {"RECORD.LOGGING.PEN[2].PEN_TYPE=DO", "RECORD.LOGGING.PEN[2].CH=1", "RECORD.LOGGING.PEN[2].ERR_VALUE=0.5"},
       "RECORD.LOGGING.PEN[2].ERR_VALUE=0.5: expects an integer from 0 to 1"},
      {"a pen channel beyond its type",
       {"RECORD.LOGGING.PEN[2].CH=129", "RECORD.LOGGING.PEN[2].PEN_TYPE=AI"},
       "RECORD.LOGGING.PEN[2].CH=129: expects an integer from 1 to 128"},
      {"a pen type its channel does not fit",
       {"RECORD.LOGGING.PEN[2].PEN_TYPE=AI"},
       "RECORD.LOGGING.PEN[2].PEN_TYPE=AI: RECORD.LOGGING.PEN[2].CH=0: expects an integer from 1 to 128"},
      {"a channel for a pen without a type",
       {"RECORD.LOGGING.PEN[2].CH=5"},
       "RECORD.LOGGING.PEN[2].CH=5: expects an integer from 0 to 0"},
      {"a port another server has", {"COM.WEB.PORT=21"}, "COM.WEB.PORT=21: is already the port of COM.FTP.PORT"},
      {"an address",
       {"IO.NODE_CONF.NODE[0]=10.0.0.256"},
       "IO.NODE_CONF.NODE[0]=10.0.0.256: expects an address of four numbers from 0 to 255, or nothing"},
      {"a name with a quote",
       {"COM.SMTP_POP3.MAIL_NAME[1]=a#Wb"},
       "COM.SMTP_POP3.MAIL_NAME[1]=a#Wb: expects at most 64 characters, without a double quote"},
      {"a sign the reader does not read",
       {"SYSTEM.TIMEZONE=+5"},
       "SYSTEM.TIMEZONE=+5: expects the number as the configuration file writes it"},
      {"hexadecimal without its prefix",
       {"MAIL_REPORT.TIME.WDAY=7F"},
       "MAIL_REPORT.TIME.WDAY=7F: expects the number as the configuration file writes it"},
      {"hexadecimal beyond the field",
       {"MAIL_REPORT.TIME.WDAY=0x1FF"},
       "MAIL_REPORT.TIME.WDAY=0x1FF: expects a number from 0x00 to 0xFF"},
      {"a password beyond ASCII",
       {"COM.FTP.PASSWORD=p\xC3\xA9"},
       "COM.FTP.PASSWORD=(not shown): expects ASCII characters only"},
      {"unknown path", {"SYSTEM.NAME9=x"}, "SYSTEM.NAME9=x: no field of the configuration file has this path"},
      {"item out of range",
       {"IO.AI[129].NAME=x"},
       "IO.AI[129].NAME=x: no field of the configuration file has this path"},
      {"the direct network settings",
       {"COM.TCP_IP.IP_ADDRESS=10.0.0.1"},
       "COM.TCP_IP.IP_ADDRESS=10.0.0.1: no field of the configuration file has this path"},
      {"a field twice",
       {"SYSTEM.TIMEZONE=1", "SYSTEM.TIMEZONE=2"},
       "SYSTEM.TIMEZONE=2: the field is changed more than once"},
      {"consistency broken",
       {"IO.DO[1].TYPE=CARD", "IO.DO[2].TYPE=CARD"},
       "IO.DO[2].TYPE=CARD: IO.DO[2]: drives the same point as IO.DO[1]"},
  };
  const auto defaults = Defaults();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    auto changes = Assignments(c.changes);
    changes.push_back(*ParseAssignment("SYSTEM.NAME3=would pass"));
    auto r = Defaults();
    const auto outcome = ApplyChanges(*r, changes);
    EXPECT_FALSE(outcome.ok());
    EXPECT_EQ(Lines(outcome.refused), c.refused + "\n");
    EXPECT_TRUE(outcome.changed.empty());
    EXPECT_TRUE(SameRecord(*r, *defaults));
  }
}

// A diff line names the value it replaces: every line whose value the record
// does not hold is refused, unless forced.
TEST(ApplyChanges, DiffLinesMustFindTheirOldValues) {
  const auto list = ParseChanges(
      "SYSTEM.TIMEZONE: 9 -> 3\n"
      "SYSTEM.NAME1: Plant -> Mill\n"
      "IO.AI[5].SCALE_100: 50.000 -> 5.000\n"
      "COM.FTP.PASSWORD: old -> n3w\n");
  ASSERT_TRUE(list.refused.empty());
  auto r = Defaults();
  const auto refused = ApplyChanges(*r, list.changes);
  EXPECT_EQ(Lines(refused.refused),
            "line 2: SYSTEM.NAME1=Mill: the file holds TK48, not Plant\n"
            "line 3: IO.AI[5].SCALE_100=5.000: the file holds 100.000, not 50.000\n"
            "line 4: COM.FTP.PASSWORD=(not shown): the file holds another password than the change expects\n");
  EXPECT_TRUE(SameRecord(*r, *Defaults()));
  const auto forced = ApplyChanges(*r, list.changes, true);
  EXPECT_TRUE(forced.ok()) << Lines(forced.refused);
  EXPECT_EQ(ChangeSummary(forced.changed),
            "4 fields changed: SYSTEM.NAME1 TK48 -> Mill, SYSTEM.TIMEZONE 9 -> 3, IO.AI[5].SCALE_100 100.000 -> "
            "5.000, COM.FTP.PASSWORD (changed)");
  EXPECT_EQ(r->SYSTEM.TIMEZONE, 3);
  EXPECT_STREQ(r->COM.FTP.PASSWORD, "n3w");

  // Run again over its own result: every line is already done.
  const auto again = ApplyChanges(*r, list.changes);
  EXPECT_TRUE(again.ok()) << Lines(again.refused);
  EXPECT_EQ(ChangeSummary(again.changed), "no change");
}

// diff A B, applied to A, makes B: every section, a password, a pen channel
// listed before the pen type it is read against.
TEST(ApplyChanges, DiffOutputTurnsOneRecordIntoTheOther) {
  const auto a = Edited({"SYSTEM.NAME1=Plant A", "IO.AI[7].TYPE=CARD", "COM.WEB.AUTH[2].PASSWORD=old"});
  const auto b = Edited({"SYSTEM.NAME1=Mill #A B", "SYSTEM.TIMEZONE=-3", "IO.AI[7].TYPE=DEMO_SIN",
                         "IO.AI[7].SCALE_100=1234.5", "IO.MA[3].TYPE=AVERAGE", "IO.MA[3].CONST.K[1]=16",
                         "DISP.TREND.TREND_PAGE[1].NAME=Boiler", "COM.WEB.AUTH[2].PASSWORD=n3w-pw", "COM.WEB.PORT=8080",
                         "MAIL_REPORT.FORM[2].MESSAGE=Alarm#Dline two", "RECORD.LOGGING.PEN[3].PEN_TYPE=MA",
                         "RECORD.LOGGING.PEN[3].CH=200", "SCHEDULE.UNIT[1].MODE=USE", "OPEMON.PROC[1].NAME=Flow"});
  const auto diff = DiffRecords(*a, *b, Secrets::Shown);
  ASSERT_GE(diff.size(), 14u);
  std::string text;
  for (auto it = diff.rbegin(); it != diff.rend(); ++it) text += ChangeLine(*it) + "\r\n";  // any order serves
  const auto list = ParseChanges(text);
  ASSERT_TRUE(list.refused.empty()) << Lines(list.refused);
  auto r = std::make_unique<SettingData>(*a);
  const auto outcome = ApplyChanges(*r, list.changes);
  ASSERT_TRUE(outcome.ok()) << Lines(outcome.refused);
  EXPECT_EQ(ConfigurationText(*r), ConfigurationText(*b));
  EXPECT_EQ(outcome.changed.size(), diff.size());
  // The diff that hides passwords cannot make the change.
  std::string hiddenLines;
  for (const FieldChange& c : DiffRecords(*a, *b)) hiddenLines += ChangeLine(c) + "\n";
  const auto hidden = ParseChanges(hiddenLines);
  ASSERT_EQ(hidden.refused.size(), 1u);
  EXPECT_EQ(hidden.refused[0].path, "COM.WEB.AUTH[2].PASSWORD");
}

TEST(ChangeSummary, CountsAndCutsLongLists) {
  EXPECT_EQ(ChangeSummary({}), "no change");
  const FieldChange one[] = {{"SYSTEM", "SYSTEM.TIMEZONE", "9", "3"}};
  EXPECT_EQ(ChangeSummary(one), "1 field changed: SYSTEM.TIMEZONE 9 -> 3");
  std::vector<FieldChange> many;
  for (int i = 1; i <= 10; ++i) many.push_back({"IO", "IO.AI[" + std::to_string(i) + "].NAME", "", "x"});
  many[1].hidden = true;
  EXPECT_EQ(ChangeSummary(many),
            "10 fields changed: IO.AI[1].NAME  -> x, IO.AI[2].NAME (changed), IO.AI[3].NAME  -> x, IO.AI[4].NAME  -> "
            "x, IO.AI[5].NAME  -> x, IO.AI[6].NAME  -> x, IO.AI[7].NAME  -> x, IO.AI[8].NAME  -> x, and 2 more");
}

// Whatever set accepts makes a file the reader takes back as it was written:
// values from random records (every field a value the reader accepts) and
// mangled ones, in random batches over the whole schema.
TEST(ApplyChanges, WhatPassesReadsBack) {
  std::vector<std::unique_ptr<SettingData>> sources;
  for (unsigned seed : {3u, 11u}) {
    sources.push_back(NewSettingData());
    test::RandomRecord(seed).Fill(*sources.back());
  }
  std::vector<std::string> paths;
  ForEachField(*sources[0], ConfigurationSchema(),
               [&](const std::string& path, const FieldRef&) { paths.push_back(path); });
  std::mt19937 rng(2024);
  const auto pick = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng); };
  static const char* const kMangles[] = {"", "0", "-1", "1.5", "0x10", "NONE", "USE", "MA12", "30S", "x#Dy", " 7"};
  int accepted = 0;
  for (int batch = 0; batch < 16; ++batch) {
    std::vector<AskedChange> changes;
    for (std::size_t k = 0, n = 1 + pick(3); k < n; ++k) {
      const std::string& path = paths[pick(paths.size())];
      const auto field = FindField(*sources[pick(sources.size())], path);
      ASSERT_TRUE(field) << path;
      AskedChange change;
      change.path = path;
      change.value = pick(4) ? FieldText(*field) : kMangles[pick(std::size(kMangles))];
      changes.push_back(std::move(change));
    }
    auto r = Defaults();
    const auto outcome = ApplyChanges(*r, changes);
    if (!outcome.ok()) continue;
    ++accepted;
    const std::string text = ConfigurationText(*r);
    ASSERT_FALSE(text.empty());
    auto back = Defaults();
    const ReadResult read = ParseConfiguration(*back, text);
    ASSERT_TRUE(read.ok()) << ReadFaultText(read);
    EXPECT_EQ(ConfigurationText(*back), text);
  }
  EXPECT_GT(accepted, 0);
}

}  // namespace
}  // namespace tk48
