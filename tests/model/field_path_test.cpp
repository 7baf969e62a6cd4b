// Fields by path name: lookup, file-order walk, values in the file's form.
#include <gtest/gtest.h>

#include "model/field_path.h"
#include "model/writer.h"
#include "tests/model/section_doc.h"

namespace tk48 {
namespace {

TEST(FieldPath, FindsFieldsByName) {
  auto r = testing::Defaults();
  const struct {
    const char* path;
    const char* value;
  } cases[] = {
      {"IO.AI[12].SCALE_100", "100.000"},
      {"SYSTEM.DST.START.MON", "3"},
      {"IO.NODE_CONF.SHAR_ID[0]", "-1"},
      {"IO.AI[1].AREA[5].LEVEL_LOWER", "80.000"},
      {"DISP.TREND.TREND_PAGE[2].COLOR[1]", "0x00FF8040"},
      {"IO.AI[128].AREA[1].AREA_NAME", "NAME1"},
      {"SCHEDULE.PATTERN[64].OUT[8].STOP.HOUR", "17"},
      {"MAIL_REPORT.CALENDAR.HOLIDAY.Y[2015].M[1]", "0x41830E0D"},
      {"TK48GCFG.AUTH[0].MODE", "USE"},
      {"COM.TCP_IP.IP_ADDRESS.MY", "192.168.0.1"},
      {"IO.MA[3].INPUT.X[0]", "AI1"},
  };
  for (const auto& c : cases) {
    const auto f = FindField(*r, c.path);
    ASSERT_TRUE(f) << c.path;
    EXPECT_EQ(FieldText(*f), c.value) << c.path;
  }
  for (const char* bad : {"IO.AI[0].NAME", "IO.AI[129].NAME", "IO.AI.NAME", "IO.AI[1]", "SYSTEM.NOPE", "",
                          "IO.AI[1].NAME.X", "IO.AI[x].NAME"})
    EXPECT_FALSE(FindField(*r, bad)) << bad;
}

TEST(FieldPath, SetsValuesWithTheReaderRules) {
  auto r = testing::Defaults();
  auto tz = FindField(*r, "SYSTEM.TIMEZONE");
  ASSERT_TRUE(tz);
  EXPECT_TRUE(SetFieldText(*tz, "-12"));
  EXPECT_EQ(r->SYSTEM.TIMEZONE, -12);
  EXPECT_FALSE(SetFieldText(*tz, "14"));
  EXPECT_EQ(r->SYSTEM.TIMEZONE, -12);
}

TEST(FieldPath, WalksEveryFieldInFileOrder) {
  auto r = testing::Defaults();
  std::size_t count = 0;
  std::string first, last;
  ForEachField(*r, [&](const std::string& path, const FieldRef&) {
    if (count++ == 0) first = path;
    last = path;
  });
  EXPECT_EQ(first, "TK48GCFG.NET");
  EXPECT_EQ(last, "OPEMON.PROC[32].NUM_SUB[3]");
  // One field per value line of the two documents.
  std::size_t lines = 0;
  for (const std::string& doc : {ConfigurationText(*r), AccessSettingsText(*r)})
    for (std::size_t at = doc.find("</"); at != std::string::npos; at = doc.find("</", at + 2))
      if (doc[at - 1] != '\n') ++lines;
  EXPECT_EQ(count, lines);
}

}  // namespace
}  // namespace tk48
