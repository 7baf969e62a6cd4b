// Defaults of a new configuration and the generated holiday calendar.
#include <gtest/gtest.h>

#include <cstring>

#include "model/defaults.h"
#include "model/reader.h"
#include "model/writer.h"
#include "tests/model/section_doc.h"

namespace tk48 {
namespace {

using testing::Defaults;
using testing::Doc;

const std::uint32_t& Holiday(const SettingData& r, int y, int m) {
  return r.MAIL_REPORT.CALENDAR.HOLIDAY[y - 2015][m - 1];
}

TEST(Defaults, Weekday) {
  EXPECT_EQ(Weekday(2015, 1, 1), 4);   // Thursday
  EXPECT_EQ(Weekday(2020, 2, 29), 6);  // Saturday
  EXPECT_EQ(Weekday(2099, 12, 31), 4);
}

TEST(Defaults, HolidayMasks) {
  auto r = Defaults();
  const struct {
    int y, m;
    std::uint32_t mask;
  } cases[] = {
      {2015, 1, 0x41830E0Du},  // 1 January, weekends, 12 January (second Monday)
      {2015, 5, 0x60C1833Eu},  // 2-6 May with the substitute day on 6 May
  };
  for (const auto& c : cases) EXPECT_EQ(Holiday(*r, c.y, c.m), c.mask) << c.y << "/" << c.m;
  // Every Saturday and Sunday is marked in every month.
  for (int y = 2015; y <= 2099; ++y)
    for (int m = 1; m <= 12; ++m)
      for (int d = 1; d <= 28; ++d) {
        const int w = Weekday(y, m, d);
        if (w == 0 || w == 6) {
          ASSERT_TRUE(Holiday(*r, y, m) >> (d - 1) & 1) << y << "/" << m << "/" << d;
        }
      }
  EXPECT_EQ(r->MAIL_REPORT.CALENDAR.WORK_DAY[0][0], 0u);
}

TEST(Defaults, NewSettingClearsCalendarReadKeepsGenerated) {
  auto fresh = NewSettingData();
  ApplyNewSetting(*fresh);
  for (const auto& year : fresh->MAIL_REPORT.CALENDAR.HOLIDAY)
    for (std::uint32_t mask : year) ASSERT_EQ(mask, 0u);
  // A file without a calendar leaves the generated one in place.
  auto read = Defaults();
  ASSERT_TRUE(ParseConfiguration(*read, Doc({{"SYSTEM.TIMEZONE", "1"}})).ok());
  EXPECT_EQ(Holiday(*read, 2015, 5), 0x60C1833Eu);
}

TEST(Defaults, GeneratedValues) {
  auto r = Defaults();
  EXPECT_STREQ(r->IO.AI[6].NAME, "AI7");
  EXPECT_STREQ(r->IO.AI[6].COMMENT, "AI7");
  for (const auto& ai : r->IO.AI) {
    ASSERT_EQ(ai.AREA[2].LEVEL_LOWER, 40.0);
    ASSERT_EQ(ai.AREA[2].LEVEL_UPPER, 60.0);
  }
  EXPECT_EQ(r->IO.PI[0].AREA[4].LEVEL_LOWER, 80.0);
  EXPECT_EQ(r->IO.MA[255].AREA[0].LEVEL_UPPER, 20.0);
  EXPECT_STREQ(r->SCHEDULE.PATTERN[63].PTN_NAME, "Pattern64");
  EXPECT_STREQ(r->SYSTEM.NAME1, "TK48");
  EXPECT_EQ(r->SYSTEM.TIMEZONE, 9);
  EXPECT_EQ(r->TK48GCFG.PORT, 30341);
  EXPECT_EQ(r->TK48GCFG.AUTH[0].MODE, 1);
  EXPECT_EQ(r->TK48GCFG.AUTH[7].MODE, 0);
  EXPECT_STREQ(r->COM.TCP_IP.IP_ADDRESS.SUBNETMASK, "255.255.255.0");
  EXPECT_STREQ(r->IO.DI[0].STATUS.ON.DISP_STRING, "ON");
  EXPECT_STREQ(r->IO.DI[0].STATUS.OFF.MESSAGE, "OFF");
  EXPECT_EQ(r->DISP.TREND.TREND_PAGE[3].PEN[0].kind, 0);
  EXPECT_EQ(r->DISP.TREND.TREND_PAGE[3].PEN[0].no, 1);  // kind 0 keeps channel 1 for a later choice
  EXPECT_EQ(r->MAIL_REPORT.CALENDAR.WORK_HOUR[5].START.HOUR, 8);
  EXPECT_EQ(r->MAIL_REPORT.CALENDAR.WORK_HOUR[5].END.MIN, 30);
}

TEST(Defaults, ApplyingTwiceGivesTheSameBytes) {
  auto a = Defaults();
  auto b = NewSettingData();
  std::memset(b.get(), 0xA5, sizeof *b);  // whatever was there before
  ApplyDefaults(*b);
  EXPECT_TRUE(SameRecord(*a, *b));
}

}  // namespace
}  // namespace tk48
