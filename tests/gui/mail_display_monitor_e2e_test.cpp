// End to end through the application's own screens: New setting, then in the
// hub address 2 named, mail template 3 enabled to address 2 with AI005
// attached, the e-mailing calendar's "Set" with only "Wed" on the
// non-business-day row, trend page 2's pen 1 on MA010, and process 1 on DI001
// with MD010 beside it; Save file, then Read file: every value is in the
// record read back, and the screens show it.
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <cstring>

#include "editors/display/CDlgSetDispTrend.h"
#include "editors/mail/CDlgSetRepAddr.h"
#include "editors/mail/CDlgSetRepCalendar.h"
#include "editors/mail/CDlgSetRepForm.h"
#include "editors/opemon/CDlgSetOpemon.h"
#include "gui_fixture.h"
#include "model/day_marks.h"

namespace tk48::test {
namespace {

// The "E-mail" menu's buttons, and "Trend" of "Graph/Display".
constexpr int kAddressListButton = 0, kTemplatesButton = 1, kCalendarButton = 4;
constexpr int kTrendButton = 0;
constexpr int kWednesday = 3;  // the day boxes run "Sun" .. "Sat", "祝"
constexpr int kNonBusinessRow = 0;
constexpr int kTypeAi = 1, kTypeMa = 4;  // attached channel and pen types

QString Cell(ListScreen& list, int row, int column) { return list.list()->model()->index(row, column).data().toString(); }

void EditMail(CDlgSetMain& hub) {
  InMenu(hub, Screen::Email, [](MenuScreen& menu) {
    EditListRow<CDlgSetRepAddrConf>(menu.button(kAddressListButton), 1, [](CDlgSetRepAddrConf& entry) {
      entry.name->setText("Plant office");
      entry.address->setText("office@example.com");
      entry.OkStep();
    });

    EditListRow<CDlgSetRepFormConf>(menu.button(kTemplatesButton), 2, [](CDlgSetRepFormConf& form) {
      Pick(form.mode, 1);  // Enable
      form.subject->setText("Shift report");
      WhenModal<ListScreen>([](ListScreen& recipients) {
        EXPECT_EQ(Cell(recipients, 1, 1), "Plant office") << "the address list as just stored";
        WhenModal<CDlgSetRepDstConf>([](CDlgSetRepDstConf& entry) {
          Pick(entry.to, 1);
          entry.OkStep();
        });
        DoubleClickRow(recipients.list(), 1);
        Click(recipients.button(0));  // OK
      });
      Click(form.recipientsButton);
      WhenModal<ListScreen>([](ListScreen& channels) {
        WhenModal<CDlgSetRepChConf>([](CDlgSetRepChConf& entry) {
          Pick(entry.type, kTypeAi);
          Pick(entry.channel, 4);  // AI005
          entry.OkStep();
        });
        DoubleClickRow(channels.list(), 0);
        Click(channels.button(0));  // OK
      });
      Click(form.channelsButton);
      form.OkStep();
    });

    WhenModal<CDlgSetRepCalendar>([](CDlgSetRepCalendar& calendar) {
      Click(calendar.dayBoxes[kNonBusinessRow][kWednesday]);
      Click(calendar.setButtons[kNonBusinessRow]);
      calendar.OkStep();
    });
    Click(menu.button(kCalendarButton));
  });
}

void EditTrendPage(CDlgSetMain& hub) {
  InMenu(hub, Screen::GraphDisplay, [](MenuScreen& menu) {
    EditListRow<CDlgSetDispTrendPage>(menu.button(kTrendButton), 1, [](CDlgSetDispTrendPage& page) {
      Pick(page.pens[0].type, kTypeMa);
      Pick(page.pens[0].channel, 9);  // MA010
      page.OkStep();
    });
  });
}

void EditProcess(CDlgSetMain& hub) {
  EditListRow<CDlgSetOpemonProc>(hub.ScreenButton(Screen::ProcessMonitor), 0, [](CDlgSetOpemonProc& proc) {
    Pick(proc.type[0], 4);     // DI
    Pick(proc.channel[0], 0);  // DI001
    Pick(proc.type[1], 2);     // MD
    Pick(proc.channel[1], 9);  // MD010
    proc.OkStep();
  });
}

std::uint32_t Days(std::initializer_list<int> days) {
  std::uint32_t mask = 0;
  for (int d : days) mask |= 1u << (d - 1);
  return mask;
}

void CheckRecord(const SettingData& r) {
  EXPECT_STREQ(r.COM.SMTP_POP3.MAIL_NAME[1], "Plant office");
  EXPECT_STREQ(r.COM.SMTP_POP3.MAIL_ADDRESS[1], "office@example.com");
  const MailForm& form = r.MAIL_REPORT.FORM[2];
  EXPECT_EQ(form.MODE, 1);
  EXPECT_STREQ(form.TITLE, "Shift report");
  for (int a = 0; a < 64; ++a) EXPECT_EQ(form.DST[a], a == 1 ? 1 : 0) << "address " << a + 1;
  EXPECT_EQ(form.CH[0].kind, kTypeAi);
  EXPECT_EQ(form.CH[0].no, 5);
  EXPECT_EQ(form.CH[1].kind, 0);

  // Every Wednesday of all 1,020 months, nothing else; the holidays stay as New setting left them.
  const CalendarBlock& calendar = r.MAIL_REPORT.CALENDAR;
  EXPECT_EQ(calendar.WORK_DAY[2024 - kCalendarFirstYear][0], Days({3, 10, 17, 24, 31}));
  EXPECT_EQ(calendar.WORK_DAY[2099 - kCalendarFirstYear][11], Days({2, 9, 16, 23, 30}));
  std::uint32_t wednesdays[kCalendarYears][12];
  GenerateDayMarks(wednesdays, 1u << kWednesday, false);
  EXPECT_EQ(std::memcmp(calendar.WORK_DAY, wednesdays, sizeof wednesdays), 0);
  const auto fresh = NewSettingData();
  ApplyNewSetting(*fresh);
  EXPECT_EQ(std::memcmp(calendar.HOLIDAY, fresh->MAIL_REPORT.CALENDAR.HOLIDAY, sizeof calendar.HOLIDAY), 0);

  const TrendPage& page = r.DISP.TREND.TREND_PAGE[1];
  EXPECT_EQ(page.PEN[0].kind, kTypeMa);
  EXPECT_EQ(page.PEN[0].no, 10);
  EXPECT_EQ(r.DISP.TREND.TREND_PAGE[0].PEN[0].kind, 0) << "page 1 untouched";

  const OpemonProc& p = r.OPEMON.PROC[0];
  EXPECT_EQ(p.CH[0].kind, 4);
  EXPECT_EQ(p.CH[0].no, 1);
  EXPECT_EQ(p.CH[1].kind, 5);
  EXPECT_EQ(p.CH[1].no, 10);
  EXPECT_EQ(p.CH[2].kind, 0);
  EXPECT_EQ(p.CH[2].no, 1);
}

// The screens show what was read: template 3's row, January 2024's
// Wednesdays, page 2's pen and process 1's channel. Each closes with Cancel.
void CheckScreens(CDlgSetMain& hub) {
  InMenu(hub, Screen::Email, [](MenuScreen& menu) {
    WhenModal<ListScreen>([](ListScreen& templates) {
      EXPECT_EQ(Cell(templates, 2, 1), "Enable");
      EXPECT_EQ(Cell(templates, 2, 2), "Shift report");
      Click(templates.backButton());
    });
    Click(menu.button(kTemplatesButton));
    WhenModal<CDlgSetRepCalendar>([](CDlgSetRepCalendar& calendar) {
      Pick(calendar.year, 2024 - kCalendarFirstYear);
      const CDlgSetRepCalendarDsp& january = *calendar.months[0];
      EXPECT_EQ(january.DayColour(3), QColor(Qt::cyan)) << "a Wednesday";
      EXPECT_EQ(january.DayColour(4), QColor(Qt::white));
      calendar.reject();
    });
    Click(menu.button(kCalendarButton));
  });
  InMenu(hub, Screen::GraphDisplay, [](MenuScreen& menu) {
    EditListRow<CDlgSetDispTrendPage>(menu.button(kTrendButton), 1, [](CDlgSetDispTrendPage& page) {
      EXPECT_EQ(page.pens[0].type->currentText(), "MA");
      EXPECT_TRUE(page.pens[0].channel->currentText().startsWith("010")) << page.pens[0].channel->currentText().toStdString();
      page.reject();
    });
  });
  EditListRow<CDlgSetOpemonProc>(hub.ScreenButton(Screen::ProcessMonitor), 0, [](CDlgSetOpemonProc& proc) {
    EXPECT_EQ(proc.type[0]->currentText(), "DI");
    EXPECT_TRUE(proc.channel[0]->currentText().startsWith("001")) << proc.channel[0]->currentText().toStdString();
    proc.reject();
  });
}

TEST_F(GuiTest, MailDisplayAndMonitorEditsSurviveSaveAndReadFile) {
  Start();
  QTemporaryDir dir;
  const std::string file = (dir.path() + "/plant.xml").toStdString();
  CTK48CFGDlg window(app);
  Show(window);

  SaveAndReadBack(
      window, file,
      [](CDlgSetMain& hub) {
        EditMail(hub);
        EditTrendPage(hub);
        EditProcess(hub);
      },
      [](CDlgSetMain& hub, const SettingData& r) {
        CheckRecord(r);
        CheckScreens(hub);
      });
  EXPECT_EQ(Texts(), std::vector<std::string>{"File saved."});
}

}  // namespace
}  // namespace tk48::test
