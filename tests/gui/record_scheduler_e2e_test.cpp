// End to end through the application's own screens: New setting, the Record
// and Scheduler menus and their screens, Save file, then Read file shows the
// values in the hub.
#include <QComboBox>
#include <QTableView>
#include <QTemporaryDir>

#include "app/CDlgSetMain.h"
#include "app/CTK48CFGDlg.h"
#include "editors/record/CDlgSetRecordLogging.h"
#include "editors/schedule/CDlgSetSchMenu.h"
#include "editors/schedule/CDlgSetSchedule.h"
#include "editors/toolkit/menu_screen.h"
#include "gui_fixture.h"

namespace tk48::test {
namespace {

void EditRecord(CDlgSetMain& hub) {
  InMenu(hub, Screen::Record, [](MenuScreen& menu) {
    WhenModal<CDlgSetRecordLogging>([](CDlgSetRecordLogging& logging) {
      Pick(logging.mode, 1);
      Pick(logging.rate, 1);
      Pick(logging.minutes, 4);  // 15
      WhenModal<ListScreen>([](ListScreen& pens) {
        WhenModal<CDlgSetRecordLoggingPenConf>([](CDlgSetRecordLoggingPenConf& pen) {
          Pick(pen.type, 1);     // AI
          Pick(pen.channel, 4);  // AI005
          Pick(pen.sampling, 1);
          pen.OkStep();
        });
        DoubleClickRow(pens.list(), 2);
        Click(pens.button(0));  // OK
      });
      Click(logging.penButton);
      logging.OkStep();
    });
    Click(menu.button(0));
  });
}

void EditScheduler(CDlgSetMain& hub) {
  InMenu(hub, Screen::Scheduler, [](MenuScreen& menu) {
    EditListRow<CDlgSetSchPattern>(menu.button(0), 1, [](CDlgSetSchPattern& pattern) {
      WhenModal<CDlgSetSchConf>([](CDlgSetSchConf& out) {
        Pick(out.type, 1);  // DO
        Pick(out.channel, 6);
        Pick(out.startHour, 8);
        Pick(out.startMinute, 30);
        Pick(out.endHour, 17);
        Pick(out.endMinute, 0);
        out.OkStep();
      });
      DoubleClickRow(pattern.outputs, 0);
      pattern.OkStep();
    });
    EditListRow<CDlgSetSchUnitReg>(menu.button(1), 0, [](CDlgSetSchUnitReg& unit) {
      Pick(unit.mode, 1);
      Pick(unit.days[1], 2);  // Monday: pattern 2
      unit.OkStep();
    });
  });
}

TEST_F(GuiTest, RecordAndSchedulerEditsSurviveSaveAndReadFile) {
  Start();
  QTemporaryDir dir;
  const std::string file = (dir.path() + "/plant.xml").toStdString();
  CTK48CFGDlg window(app);
  Show(window);

  SaveAndReadBack(
      window, file,
      [](CDlgSetMain& hub) {
        EditRecord(hub);
        EditScheduler(hub);
      },
      [](CDlgSetMain&, const SettingData& r) {
        EXPECT_EQ(r.RECORD.LOGGING.MODE, 1);
        EXPECT_EQ(r.RECORD.LOGGING.RATE, 1);
        EXPECT_EQ(r.RECORD.LOGGING.MIN, 15);
        const LoggingPen& pen = r.RECORD.LOGGING.PEN[2];
        EXPECT_EQ(pen.PEN_TYPE, 1);
        EXPECT_EQ(pen.CH, 5);
        EXPECT_EQ(pen.SAMPLING, 1);
        const PatternOut& out = r.SCHEDULE.PATTERN[1].OUT[0];
        EXPECT_EQ(out.CH.kind, 1);
        EXPECT_EQ(out.CH.no, 7);
        EXPECT_EQ(out.START.HOUR, 8);
        EXPECT_EQ(out.START.MIN, 30);
        EXPECT_EQ(out.STOP.HOUR, 17);
        EXPECT_EQ(out.STOP.MIN, 0);
        EXPECT_EQ(r.SCHEDULE.UNIT[0].MODE, 1);
        EXPECT_EQ(r.SCHEDULE.UNIT[0].BASIC[1].PTN, 2);
      });
  EXPECT_EQ(Texts(), std::vector<std::string>{"File saved."});
}

}  // namespace
}  // namespace tk48::test
