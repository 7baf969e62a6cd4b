// The scheduler screens: patterns and their outputs, units, the maintenance
// switch.
#include <cstring>

#include "editors/schedule/CDlgSetSchMenu.h"
#include "editors/schedule/CDlgSetSchedule.h"
#include "tests/editors/editor_fixture.h"

namespace tk48 {
namespace {

using test::Click;
using test::Pick;
using test::ShowActive;

constexpr int kNone = 0, kDo = 1, kGdo = 2, kMd = 3;

class SchedulerTest : public test::EditorTest {
 protected:
  SchedulePattern& Pattern(int n) { return record->SCHEDULE.PATTERN[n - 1]; }
  static void SetTimes(CDlgSetSchConf& s, int sh, int sm, int eh, int em) {
    Pick(s.startHour, sh);
    Pick(s.startMinute, sm);
    Pick(s.endHour, eh);
    Pick(s.endMinute, em);
  }
};

TEST_F(SchedulerTest, MappedOutputsAreRefusedAndNoneIsAlwaysAllowed) {
  record->IO.DO[6].IO_MAPPING = {2, 10};   // DO7 follows MD10
  record->IO.GDO[1].IO_MAPPING = {1, 3};   // GDO2 follows DI3
  PatternOut out = Pattern(2).OUT[0];
  CDlgSetSchConf screen(nullptr, *record, out, 0, ui);
  ShowActive(screen);
  EXPECT_EQ(screen.windowTitle(), "No.1");
  EXPECT_FALSE(screen.channel->isEnabled());
  Pick(screen.type, kDo);
  EXPECT_EQ(screen.channel->count(), 128);
  EXPECT_EQ(screen.channel->currentIndex(), 0);
  Pick(screen.channel, 6);
  screen.OkStep();
  EXPECT_EQ(ui.Last(), "The DO is assigned to I/O mapping.");
  Pick(screen.type, kGdo);  // any type but None takes effect at once
  Pick(screen.channel, 1);
  screen.OkStep();
  EXPECT_EQ(ui.Last(), "The GDO is assigned to I/O mapping.");
  EXPECT_EQ(ui.messages.size(), 2u);
  Pick(screen.type, kNone);  // only the times guard None
  EXPECT_EQ(screen.type->currentIndex(), kNone);
  EXPECT_EQ(screen.channel->count(), 0);
  EXPECT_EQ(ui.messages.size(), 2u);
  screen.OkStep();
  EXPECT_FALSE(screen.isVisible());
  EXPECT_EQ(out.CH.kind, kNone);
}

TEST_F(SchedulerTest, EndMustFollowStartAndHour24FixesMinuteZero) {
  struct Case {
    int sh, sm, eh, em;
    bool accepted;
  } cases[] = {{8, 0, 8, 0, false}, {17, 0, 9, 0, false}, {8, 30, 8, 15, false}, {8, 30, 9, 0, true}};
  for (const Case& c : cases) {
    PatternOut out = Pattern(1).OUT[3];
    out.CH = {kMd, 12};
    CDlgSetSchConf screen(nullptr, *record, out, 3, ui);
    ShowActive(screen);
    SetTimes(screen, c.sh, c.sm, c.eh, c.em);
    ui.messages.clear();
    screen.OkStep();
    EXPECT_EQ(screen.isVisible(), !c.accepted) << c.sh << ":" << c.sm << "-" << c.eh << ":" << c.em;
    if (!c.accepted) {
      EXPECT_EQ(ui.Last(), "Setting error: Start time < End time");
    }
  }
  PatternOut out = Pattern(1).OUT[3];
  out.CH = {kDo, 12};
  CDlgSetSchConf screen(nullptr, *record, out, 3, ui);
  ShowActive(screen);
  SetTimes(screen, 8, 0, 8, 0);
  Pick(screen.type, kNone);  // refused: the times are out of order
  EXPECT_EQ(screen.type->currentIndex(), kDo);
  SetTimes(screen, 23, 0, 23, 30);
  Pick(screen.endHour, 24);
  EXPECT_EQ(screen.endMinute->currentIndex(), 0);
  EXPECT_FALSE(screen.endMinute->isEnabled());
  Pick(screen.endHour, 18);
  EXPECT_TRUE(screen.endMinute->isEnabled());
  EXPECT_EQ(screen.endMinute->currentIndex(), 0);
  Pick(screen.endHour, 24);
  screen.OkStep();
  EXPECT_FALSE(screen.isVisible());
  EXPECT_EQ(out.START.HOUR, 23);
  EXPECT_EQ(out.STOP.HOUR, 24);
  EXPECT_EQ(out.STOP.MIN, 0);
  EXPECT_EQ(out.CH.kind, kDo);
  EXPECT_EQ(out.CH.no, 12);
}

TEST_F(SchedulerTest, StoredEndHour24LoadsWithMinuteZeroDisabled) {
  PatternOut out = Pattern(1).OUT[0];
  out.CH = {kDo, 1};
  out.STOP = {24, 30};
  CDlgSetSchConf screen(nullptr, *record, out, 0, ui);
  EXPECT_EQ(screen.endMinute->currentIndex(), 0);
  EXPECT_FALSE(screen.endMinute->isEnabled());
  screen.OkStep();
  EXPECT_EQ(out.STOP.MIN, 0);
}

TEST_F(SchedulerTest, PatternScreenEditsACopyAndShowsOutputs) {
  std::strcpy(record->IO.DO[6].NAME, "Pump");
  std::strcpy(record->IO.DO[6].COMMENT, "north");
  const auto before = Snapshot();
  ListScreen list(nullptr, PatternListSetup(*record, ui));
  ShowActive(list);
  EXPECT_EQ(test::Cell(*list.list(), 1, 0), "2");
  EXPECT_EQ(test::Cell(*list.list(), 1, 1), "Pattern2");
  auto editOutput = [](CDlgSetSchPattern& pattern) {
    test::WhenModal<CDlgSetSchConf>([](CDlgSetSchConf& out) {
      Pick(out.type, kDo);
      Pick(out.channel, 6);
      Pick(out.startHour, 8);
      Pick(out.startMinute, 30);
      Pick(out.endHour, 17);
      out.OkStep();
    });
    test::DoubleClick(*pattern.outputs, 0);
  };
  // The output's OK, then the pattern's Cancel: nothing changes.
  test::WhenModal<CDlgSetSchPattern>([&](CDlgSetSchPattern& pattern) {
    editOutput(pattern);
    EXPECT_EQ(test::Cell(*pattern.outputs, 0, 1), "Pump");
    pattern.reject();
  });
  test::DoubleClick(*list.list(), 1);
  EXPECT_TRUE(SameRecord(*record, *before));
  test::WhenModal<CDlgSetSchPattern>([&](CDlgSetSchPattern& pattern) {
    EXPECT_EQ(pattern.windowTitle(), "No.2");
    editOutput(pattern);
    EXPECT_EQ(test::Cell(*pattern.outputs, 0, 2), "north");
    EXPECT_EQ(test::Cell(*pattern.outputs, 0, 3), "8:30");
    EXPECT_EQ(test::Cell(*pattern.outputs, 0, 4), "17:00");
    EXPECT_EQ(test::Cell(*pattern.outputs, 1, 3), "") << "an output of type None shows nothing";
    test::UseListMenu(*pattern.outputs, 0, "Copy");
    test::UseListMenu(*pattern.outputs, 5, "Paste");
    pattern.name->setText(QString(33, u'\u00e9'));
    pattern.OkStep();
    EXPECT_EQ(ui.Last(), "Setting error: Pattern name\nMax. 32 characters (alphanumerical: 64 characters)");
    pattern.name->setText("Day shift");
    pattern.OkStep();
  });
  test::DoubleClick(*list.list(), 1);
  EXPECT_EQ(test::Cell(*list.list(), 1, 1), "Day shift");
  const PatternOut& out = Pattern(2).OUT[0];
  EXPECT_EQ(out.CH.kind, kDo);
  EXPECT_EQ(out.CH.no, 7);
  EXPECT_EQ(out.START.HOUR, 8);
  EXPECT_EQ(out.START.MIN, 30);
  EXPECT_EQ(out.STOP.HOUR, 17);
  EXPECT_EQ(Pattern(2).OUT[5].CH.no, 7);
  // A whole pattern copies without checks.
  test::UseListMenu(*list.list(), 1, "Copy");
  test::UseListMenu(*list.list(), 9, "Paste");
  EXPECT_STREQ(Pattern(10).PTN_NAME, "Day shift");
  EXPECT_EQ(Pattern(10).OUT[0].CH.no, 7);
}

TEST_F(SchedulerTest, UnitNameIsCheckedWhateverTheModeAndEnableIsFree) {
  std::strcpy(Pattern(3).PTN_NAME, "Night");
  ScheduleUnit unit = record->SCHEDULE.UNIT[0];
  std::memset(unit.NAME, 0, sizeof unit.NAME);
  CDlgSetSchUnitReg empty(nullptr, *record, unit, 0, ui);
  ShowActive(empty);
  EXPECT_EQ(empty.windowTitle(), "Schedule unit 1");
  EXPECT_EQ(empty.days[0]->itemText(0), "None");
  EXPECT_EQ(empty.days[0]->itemText(3), "No.3 Night");
  EXPECT_FALSE(empty.name->isEnabled());
  empty.OkStep();
  EXPECT_FALSE(empty.isVisible()) << "Disable with an empty name passes";

  const std::string wide = QString(33, u'\u00e9').toStdString();
  std::memcpy(unit.NAME, wide.data(), wide.size());  // 66 bytes, from a file
  CDlgSetSchUnitReg screen(nullptr, *record, unit, 0, ui);
  ShowActive(screen);
  screen.OkStep();
  EXPECT_EQ(ui.Last(), "Setting error: Unit name\nMax. 32 characters (alphanumerical: 64 characters)");
  Pick(screen.mode, 1);  // free
  EXPECT_EQ(screen.mode->currentIndex(), 1);
  EXPECT_EQ(ui.messages.size(), 1u);
  screen.name->setText("Weekdays");
  Pick(screen.days[1], 3);
  screen.OkStep();
  EXPECT_FALSE(screen.isVisible());
  EXPECT_EQ(unit.MODE, 1);
  EXPECT_EQ(unit.BASIC[0].PTN, 0);
  EXPECT_EQ(unit.BASIC[1].PTN, 3);
  EXPECT_STREQ(unit.NAME, "Weekdays");
}

TEST_F(SchedulerTest, UnitListShowsNamesOfEnabledUnits) {
  record->SCHEDULE.UNIT[1].MODE = 1;
  ListScreen list(nullptr, UnitListSetup(*record, ui));
  EXPECT_EQ(test::Cell(*list.list(), 0, 1), "");
  EXPECT_EQ(test::Cell(*list.list(), 1, 1), "Unit2");
  EXPECT_EQ(test::Cell(*list.list(), 31, 0), "32");
}

TEST_F(SchedulerTest, MaintenanceSwitchStoresItsChannelOrNone) {
  {
    CDlgSetSchInputConf screen(nullptr, *record, ui);
    ShowActive(screen);
    EXPECT_FALSE(screen.channel->isEnabled());
    Pick(screen.type, 2);
    Pick(screen.channel, 11);
    screen.OkStep();
  }
  EXPECT_EQ(record->SCHEDULE.MENTE.INPUT.CH.kind, 2);
  EXPECT_EQ(record->SCHEDULE.MENTE.INPUT.CH.no, 12);
  {
    CDlgSetSchInputConf screen(nullptr, *record, ui);
    ShowActive(screen);
    EXPECT_EQ(screen.channel->currentIndex(), 11);
    Pick(screen.type, 0);
    screen.OkStep();
  }
  EXPECT_EQ(record->SCHEDULE.MENTE.INPUT.CH.kind, 0);
  EXPECT_EQ(record->SCHEDULE.MENTE.INPUT.CH.no, 0);
}

}  // namespace
}  // namespace tk48
