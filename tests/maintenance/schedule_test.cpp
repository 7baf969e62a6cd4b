// The schedule files: layout both ways, the received form, the device's state,
// what the screens show of device values, and the listed-outputs rule.
#include <gtest/gtest.h>

#include <cstring>

#include "maintenance/device_files.h"
#include "maintenance/schedule_files.h"
#include "maintenance/schedule_view.h"
#include "port/scripted_ui.h"
#include "tests/model/section_doc.h"

namespace tk48::maint {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(MaintScheduleFiles, LayoutBothWays) {
  OneTimeFile oneTime;
  oneTime.units[31][6] = {2024, 3, 9, 6, 64};
  const Bytes b = BuildOneTime(oneTime);
  ASSERT_EQ(b.size(), 2240u);
  // The last day entry of unit 32 is the last ten bytes.
  EXPECT_EQ(Bytes(b.end() - 10, b.end()), (Bytes{0xE8, 0x07, 3, 0, 9, 0, 6, 0, 64, 0}));
  EXPECT_EQ(ParseOneTime(b)->units[31][6], oneTime.units[31][6]);

  PermanentFile permanent;
  permanent.units[1][0] = {2025, 12, 24, 3, 7};
  const Bytes pb = BuildPermanent(permanent);
  ASSERT_EQ(pb.size(), 3200u);
  EXPECT_EQ(Le16(pb.data() + 100 + 8), 7);  // unit 2 starts at 10 entries x 10 bytes
  EXPECT_EQ(ParsePermanent(pb)->units[1][0], permanent.units[1][0]);

  OutputTypesFile types;
  types.SetEntry(0, 7, true, 12);  // unit 1, permanent entry 1
  types.SetType(kFamilyDo, 128, kOutputOff);
  types.SetType(kFamilyMd, 1, kOutputOn);
  const Bytes tb = BuildOutputTypes(types);
  ASSERT_EQ(tb.size(), 6912u);
  EXPECT_EQ(Le32(tb.data() + 7 * 12), 1u);
  EXPECT_EQ(Le16(tb.data() + 7 * 12 + 10), 12);
  EXPECT_EQ(tb[6655], kOutputOff);
  EXPECT_EQ(tb[6656], kOutputOn);
  const auto back = ParseOutputTypes(tb);
  ASSERT_TRUE(back);
  EXPECT_TRUE(back->EntrySet(0, 7));
  EXPECT_EQ(back->EntryPattern(0, 7), 12);
  EXPECT_EQ(back->Type(kFamilyDo, 128), kOutputOff);
  EXPECT_FALSE(back->Type(kFamilyDo, 129));
  EXPECT_FALSE(back->Type(kFamilyMd, 0));
}

// A received file must inflate to exactly its size.
TEST(MaintScheduleFiles, ReceivedFormSizeChecked) {
  const auto good = Compress(BuildOneTime({}));
  ASSERT_TRUE(good);
  ScriptedUi ui;
  EXPECT_TRUE(UnpackOneTime(*good, ui));
  EXPECT_TRUE(ui.messages.empty());
  const Bytes permanentBytes = BuildPermanent({});
  const struct {
    Bytes received;
    const char* what;
  } bad[] = {
      {*Compress(Bytes(2239, 0)), "one byte short"},
      {*Compress(Bytes(2241, 0)), "one byte long"},
      {*Compress(permanentBytes), "another file"},
      {Bytes{1, 2, 3}, "not compressed"},
      {{}, "empty"},
  };
  for (const auto& c : bad) {
    ScriptedUi refused;
    EXPECT_FALSE(UnpackOneTime(c.received, refused)) << c.what;
    EXPECT_EQ(refused.Last(), "Failed to decompress setting data.") << c.what;
    EXPECT_EQ(refused.messages.back().icon, Icon::Error);
  }
  ScriptedUi ok;
  EXPECT_TRUE(UnpackPermanent(*Compress(permanentBytes), ok));
  EXPECT_TRUE(UnpackOutputTypes(*Compress(Bytes(6912, 0)), ok));
  EXPECT_FALSE(UnpackOutputTypes(*Compress(permanentBytes), ok));
}

TEST(MaintScheduleFiles, PutPayloads) {
  EXPECT_EQ(Payload(PatternPut{{2024, 2, 29}, 32, 64}), (Bytes{0xE8, 0x07, 2, 0, 29, 0, 32, 0, 64, 0}));
  EXPECT_EQ(Payload(PermanentPut{{2024, 2, 29}, 1, 10, 0}), (Bytes{0xE8, 0x07, 2, 0, 29, 0, 1, 0, 10, 0, 0, 0}));
  EXPECT_EQ(Payload(OutputTypePut{kFamilyDo, 128, kOutputOff}), (Bytes{1, 0, 128, 0, 2, 0}));
}

TEST(MaintDeviceSchedule, PutsKeepTheFilesConsistent) {
  DeviceSchedule s;
  s.StartDays({2024, 2, 27});
  const OneTimeUnit& days = s.oneTime.units[4];
  EXPECT_EQ(days[0], (ScheduleDay{2024, 2, 27, 2, 0}));  // a Tuesday
  EXPECT_EQ(days[2], (ScheduleDay{2024, 2, 29, 4, 0}));
  EXPECT_EQ(days[3], (ScheduleDay{2024, 3, 1, 5, 0}));

  EXPECT_TRUE(s.Apply(PatternPut{{2024, 3, 1}, 5, 9}));
  EXPECT_EQ(s.oneTime.units[4][3].pattern, 9);
  EXPECT_TRUE(s.types.EntrySet(4, 3));
  EXPECT_EQ(s.types.EntryPattern(4, 3), 9);
  EXPECT_FALSE(s.Apply(PatternPut{{2024, 3, 9}, 5, 9}));  // not one of the seven days

  EXPECT_TRUE(s.Apply(PermanentPut{{2025, 1, 1}, 5, 2, 3}));
  EXPECT_EQ(s.permanent.units[4][1], (ScheduleDay{2025, 1, 1, 3, 3}));
  EXPECT_EQ(s.types.EntryPattern(4, 7 + 1), 3);
  EXPECT_FALSE(s.Apply(PermanentPut{{2025, 1, 1}, 5, 3, 4}));   // the date of entry 2
  EXPECT_FALSE(s.Apply(PermanentPut{{2021, 2, 29}, 5, 3, 4}));
  EXPECT_TRUE(s.Apply(PermanentPut{{2025, 1, 1}, 5, 2, 0}));    // cleared
  EXPECT_FALSE(s.types.EntrySet(4, 8));

  EXPECT_TRUE(s.Apply(OutputTypePut{kFamilyMd, 256, kOutputOn}));
  EXPECT_FALSE(s.Apply(OutputTypePut{kFamilyDo, 129, kOutputOn}));
  EXPECT_EQ(s.types.mdTypes[255], kOutputOn);

  // Days that stay keep their pattern when the clock moves on.
  s.StartDays({2024, 2, 29});
  EXPECT_EQ(s.oneTime.units[4][1].pattern, 9);
  EXPECT_EQ(s.types.EntryPattern(4, 1), 9);
}

class MaintScheduleView : public ::testing::Test {
 protected:
  std::unique_ptr<SettingData> record = testing::Defaults();
  ScheduleSection& sch = record->SCHEDULE;
};

TEST_F(MaintScheduleView, UnitsInUseOnly) {
  for (auto& u : sch.UNIT) u.MODE = 0;
  sch.UNIT[2].MODE = 1;
  sch.UNIT[31].MODE = 1;
  std::strcpy(sch.UNIT[31].NAME, "Pumps");
  const auto rows = UnitRows(*record);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].label, "SU3");
  EXPECT_EQ(rows[1].unit, 32);
  EXPECT_EQ(rows[1].name, "Pumps");
}

// Numbers the device sent out of range are shown as numbers, never used as indices.
TEST_F(MaintScheduleView, DeviceValuesOutOfRange) {
  std::strcpy(sch.PATTERN[63].PTN_NAME, "Last");
  const struct {
    ScheduleDay day;
    std::string date, pattern, name;
  } cases[] = {
      {{2024, 3, 9, 6, 64}, "3/9 (Saturday)", "64", "Last"},
      {{2024, 3, 10, 0, 0}, "3/10 (Sunday)", "None", ""},
      {{2024, 3, 9, 7, 65}, "3/9 (?)", "65", ""},
      {{2024, 13, 40, 65535, 65535}, "13/40 (?)", "65535", ""},
  };
  for (const auto& c : cases) {
    OneTimeUnit unit{};
    unit[0] = c.day;
    const auto rows = OneTimeRows(*record, unit);
    EXPECT_EQ(rows[0].date, c.date);
    EXPECT_EQ(rows[0].pattern, c.pattern);
    EXPECT_EQ(rows[0].name, c.name);
    const auto outputs = PatternOutputRows(*record, c.day.pattern);
    ASSERT_EQ(outputs.size(), 8u);
    if (c.day.pattern > kPatterns) {
      for (const auto& o : outputs) EXPECT_TRUE(o.name.empty() && o.start.empty());
    }
  }
  PermanentUnit entries{};
  entries[0] = {2025, 1, 1, 3, 2};
  const auto rows = PermanentRows(*record, entries);
  EXPECT_EQ(rows[0].date, "2025/1/1 (Wednesday)");
  EXPECT_EQ(rows[1].date, "");
  EXPECT_EQ(rows[1].pattern, "None");
  EXPECT_EQ(OutputTypeText(2), "OFF");
  EXPECT_EQ(OutputTypeText(3), "3");
  EXPECT_EQ(OutputTypeFromText("ON"), kOutputOn);
  EXPECT_FALSE(OutputTypeFromText("on"));
  EXPECT_EQ(PatternChoices(*record).size(), 65u);
  EXPECT_EQ(PatternChoices(*record)[64], "No.64 Last");
}

TEST_F(MaintScheduleView, PatternOutputs) {
  PatternOut& out = sch.PATTERN[0].OUT[1];
  out.CH = {1, 7};  // DO 7
  out.START = {6, 5};
  out.STOP = {24, 0};
  std::strcpy(record->IO.DO[6].NAME, "Fan");
  std::strcpy(record->IO.DO[6].COMMENT, "Roof");
  const auto rows = PatternOutputRows(*record, 1);
  EXPECT_EQ(rows[1].no, 2);
  EXPECT_EQ(rows[1].name, "Fan");
  EXPECT_EQ(rows[1].comment, "Roof");
  EXPECT_EQ(rows[1].start, "6:05");
  EXPECT_EQ(rows[1].end, "24:00");
  sch.PATTERN[0].OUT[0].CH = {0, 1};
  EXPECT_TRUE(PatternOutputRows(*record, 1)[0].start.empty());
}

TEST_F(MaintScheduleView, ChangeChecks) {
  PermanentUnit permanent{};
  permanent[0] = {2024, 3, 1, 5, 4};
  permanent[1] = {2024, 3, 2, 6, 0};  // no pattern: free
  const struct {
    ScheduleDay day;
    std::string message;
  } oneTime[] = {
      {{2024, 3, 1, 5, 0}, "Assigned to permanent schedule"},
      {{2024, 3, 2, 6, 0}, ""},
      {{2024, 2, 30, 5, 0}, "Invalid date"},  // a day the device got wrong
  };
  for (const auto& c : oneTime) {
    ScriptedUi ui;
    EXPECT_EQ(CheckOneTimeChange(c.day, permanent, ui), c.message.empty()) << c.day.day;
    if (!c.message.empty()) {
      EXPECT_EQ(ui.Last(), c.message);
    }
  }
  const struct {
    int entry;
    DateTime date;
    std::string message;
  } cases[] = {
      {3, {2021, 2, 29}, "Invalid date"},
      {3, {2024, 2, 29}, ""},
      {3, {2024, 3, 1}, "Duplicate date"},
      {1, {2024, 3, 1}, ""},   // its own date
      {3, {2024, 3, 2}, ""},   // an entry without a pattern
      {3, {2100, 1, 1}, "Invalid date"},
  };
  for (const auto& c : cases) {
    ScriptedUi ui;
    EXPECT_EQ(CheckPermanentChange(permanent, c.entry, c.date, ui), c.message.empty()) << c.date.day;
    if (!c.message.empty()) {
      EXPECT_EQ(ui.Last(), c.message);
      EXPECT_EQ(ui.messages.back().icon, Icon::Error);
    }
  }
}

TEST_F(MaintScheduleView, ListedOutputs) {
  for (auto& u : sch.UNIT) {
    u.MODE = 0;
    for (auto& d : u.BASIC) d.PTN = 0;
  }
  for (auto& p : sch.PATTERN)
    for (auto& o : p.OUT) o.CH = {0, 1};
  auto& io = record->IO;
  for (auto& d : io.DO) d.TYPE = kTypeCard;
  for (auto& g : io.GDO) g.MODE = 1;
  io.DO[9].TYPE = kTypeNone;

  sch.UNIT[0].MODE = 1;
  sch.UNIT[0].BASIC[1].PTN = 1;       // basic day -> pattern 1
  sch.PATTERN[0].OUT[0].CH = {1, 3};  // DO 3
  sch.PATTERN[0].OUT[1].CH = {3, 200};  // MD 200
  sch.PATTERN[0].OUT[2].CH = {1, 10};   // DO 10 not in use: unlisted
  sch.PATTERN[0].OUT[3].CH = {2, 1};    // GDO 1 in use
  io.GDO[0].CH[0] = {1, 5};             // DO 5
  io.GDO[0].CH[1] = {2, 6};             // MD 6
  sch.PATTERN[0].OUT[4].CH = {2, 2};    // GDO 2 not in use: its members unlisted
  io.GDO[1].MODE = 0;
  io.GDO[1].CH[0] = {1, 50};
  sch.UNIT[1].MODE = 0;                 // NOUSE unit: its patterns drive nothing
  sch.UNIT[1].BASIC[0].PTN = 2;
  sch.PATTERN[1].OUT[0].CH = {1, 60};
  sch.PATTERN[2].OUT[0].CH = {1, 70};   // pattern 3, set only as a one-time entry
  sch.PATTERN[3].OUT[0].CH = {1, 80};   // pattern 4, an entry that is not set
  sch.UNIT[0].BASIC[2].PTN = 65;        // out of range: ignored

  OutputTypesFile types;
  types.SetEntry(0, 2, true, 3);
  types.SetEntry(0, 9, false, 4);
  types.SetEntry(0, 10, true, 300);  // out of range: ignored
  types.doTypes[2] = kOutputOn;

  const auto listed = ListedOutputs(*record, types);
  EXPECT_EQ(listed.dout, (std::vector<int>{3, 5, 70}));
  EXPECT_EQ(listed.md, (std::vector<int>{6, 200}));
  const auto rows = OutputTypeRows(*record, types, kFamilyDo);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].channel, 3);
  EXPECT_EQ(rows[0].type, "ON");
  EXPECT_EQ(rows[1].type, "SCH");
}

}  // namespace
}  // namespace tk48::maint
