// The e-mail screens: the address list on its copy, the delivery failure
// output.
#include <QImage>
#include <QPushButton>
#include <QTableView>
#include <cstring>
#include <string>

#include "editors/mail/CDlgSetRep.h"
#include "editors/mail/CDlgSetRepAddr.h"
#include "editors/mail/CDlgSetRepCalendar.h"
#include "editors/mail/CDlgSetRepForm.h"
#include "editors/mail/CDlgSetRepTime.h"
#include "model/defaults.h"
#include "model/setting_data.h"
#include "tests/editors/editor_fixture.h"

namespace tk48 {
namespace {

using test::Click;
using test::Pick;
using test::ShowActive;
using test::WhenModal;

class MailTest : public test::EditorTest {
 protected:
  SmtpPop3Block& Mail() { return record->COM.SMTP_POP3; }
};

bool StartsWith(const std::string& text, std::string_view start) { return text.rfind(start, 0) == 0; }

TEST_F(MailTest, AddressEntryChecksNameThenQuoteThenAddress) {
  MailBook book = MailBookOf(*record);
  const std::string longest(128, 'x');  // plain ASCII takes twice the 64 characters
  const struct {
    const char* name;
    std::string address;
    const char* message;  // empty: accepted
  } cases[] = {
      {"\"Boss\"", std::string(129, 'a'), "Setting error: \"\" cannot be used"},
      {"Boss", std::string(129, 'a'), "Setting error: Address"},
      {"Bo\"ss", "", "Setting error: \"\" cannot be used"},
      {"Boss", longest, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ui.messages.clear();
    const MailBook before = book;
    CDlgSetRepAddrConf screen(nullptr, book, 4, ui);
    ShowActive(screen);
    EXPECT_EQ(screen.windowTitle(), "No.05");
    screen.name->setText(QString::fromUtf8(c.name));
    screen.address->setText(QString::fromStdString(c.address));
    screen.OkStep();
    if (*c.message) {
      EXPECT_TRUE(StartsWith(ui.Last(), c.message)) << ui.Last();
      EXPECT_TRUE(screen.isVisible());
      EXPECT_EQ(std::memcmp(&before, &book, sizeof book), 0);
    } else {
      EXPECT_TRUE(ui.messages.empty());
      EXPECT_STREQ(book.NAME[4], "Boss");
      EXPECT_EQ(book.ADDRESS[4], longest);
    }
  }
  // The name's own check comes first.
  CDlgSetRepAddrConf screen(nullptr, book, 0, ui);
  screen.name->setText(QString(65, QChar(0x3042)) + u'"');
  screen.OkStep();
  EXPECT_TRUE(StartsWith(ui.Last(), "Setting error: Recipient name")) << ui.Last();
}

// Back and Enter keep the list's edits, Esc and the close button drop them.
TEST_F(MailTest, AddressListBackWritesEscDiscards) {
  enum class Leave { Back, Enter, Esc, Close };
  const struct {
    Leave leave;
    bool writes;
  } cases[] = {{Leave::Esc, false}, {Leave::Close, false}, {Leave::Back, true}, {Leave::Enter, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(int(c.leave));
    record = NewSettingData();
    ApplyDefaults(*record);
    const auto before = Snapshot();
    MailBook book = MailBookOf(*record);
    ListScreen list(nullptr, AddressListSetup(*record, book, ui));
    ShowActive(list);
    EXPECT_EQ(list.windowTitle(), "Address list");
    WhenModal<CDlgSetRepAddrConf>([](CDlgSetRepAddrConf& entry) {
      entry.name->setText("Alice");
      entry.address->setText("alice@example.com");
      entry.OkStep();
    });
    list.list()->Edit(2);
    EXPECT_EQ(list.list()->model()->index(2, 1).data().toString(), "Alice");
    EXPECT_EQ(list.list()->model()->index(2, 0).data().toString(), "No.03");
    EXPECT_TRUE(SameRecord(*record, *before)) << "the entry writes only the list's copy";
    switch (c.leave) {
      case Leave::Back: Click(list.backButton()); break;
      case Leave::Enter:
        ShowActive(list);
        list.list()->setFocus();
        QTest::keyClick(list.list(), Qt::Key_Return);
        break;
      case Leave::Esc: QTest::keyClick(&list, Qt::Key_Escape); break;
      case Leave::Close: list.close(); break;
    }
    EXPECT_FALSE(list.isVisible());
    if (c.writes) {
      EXPECT_STREQ(Mail().MAIL_NAME[2], "Alice");
      EXPECT_STREQ(Mail().MAIL_ADDRESS[2], "alice@example.com");
    } else {
      EXPECT_TRUE(SameRecord(*record, *before));
    }
  }
}

TEST_F(MailTest, AddressListPasteCopiesNameAndAddress) {
  std::strcpy(Mail().MAIL_NAME[0], "Bob");
  std::strcpy(Mail().MAIL_ADDRESS[0], "bob@example.com");
  MailBook book = MailBookOf(*record);
  const ListScreenSetup setup = AddressListSetup(*record, book, ui);
  setup.list.paste(0, 63);
  EXPECT_STREQ(book.NAME[63], "Bob");
  EXPECT_STREQ(book.ADDRESS[63], "bob@example.com");
  EXPECT_STREQ(Mail().MAIL_NAME[63], "") << "only Back stores the copy";
  setup.back();
  EXPECT_STREQ(Mail().MAIL_ADDRESS[63], "bob@example.com");
}

TEST_F(MailTest, DeliveryFailureOutputTypeAndChannelOnlyWithAnOutput) {
  MailError& error = record->MAIL_REPORT.ERROR;
  {
    const auto before = Snapshot();
    CDlgSetRepError screen(nullptr, *record, ui);
    ShowActive(screen);
    EXPECT_EQ(screen.windowTitle(), "Delivery failure output");
    ASSERT_EQ(screen.mode->count(), 3);
    EXPECT_EQ(screen.mode->itemText(1), "ON");
    EXPECT_EQ(screen.mode->itemText(2), "OFF");
    EXPECT_FALSE(screen.type->isEnabled());
    EXPECT_FALSE(screen.channel->isEnabled());
    screen.OkStep();
    EXPECT_TRUE(SameRecord(*record, *before)) << "OK without edits";
  }
  {
    CDlgSetRepError screen(nullptr, *record, ui);
    ShowActive(screen);
    Pick(screen.mode, 2);
    EXPECT_TRUE(screen.type->isEnabled());
    EXPECT_TRUE(screen.channel->isEnabled());
    Pick(screen.type, 2);  // GDO: 32 channels, the first chosen
    EXPECT_EQ(screen.channel->count(), 32);
    EXPECT_EQ(screen.channel->currentIndex(), 0);
    Pick(screen.channel, 4);
    QTest::keyClick(&screen, Qt::Key_Return);
    EXPECT_FALSE(screen.isVisible());
  }
  EXPECT_EQ(error.MODE, 2);
  EXPECT_EQ(error.CH.kind, 2);
  EXPECT_EQ(error.CH.no, 5);
  {
    // Esc drops the edits.
    const auto before = Snapshot();
    CDlgSetRepError screen(nullptr, *record, ui);
    ShowActive(screen);
    Pick(screen.mode, 0);
    QTest::keyClick(&screen, Qt::Key_Escape);
    EXPECT_TRUE(SameRecord(*record, *before));
  }
}

TEST_F(MailTest, TemplateChecksSubjectAndBodyOnlyWhileEnabled) {
  MailForm& form = record->MAIL_REPORT.FORM[0];
  const QString tooLong(33, QChar(0x3042));  // 33 non-ASCII characters
  {
    // Disabled: the subject is not checked, and the record keeps its own.
    const auto before = Snapshot();
    CDlgSetRepFormConf screen(nullptr, *record, 0, ui);
    ShowActive(screen);
    ASSERT_EQ(screen.mode->currentIndex(), 0);
    EXPECT_FALSE(screen.subject->isEnabled());
    EXPECT_FALSE(screen.recipientsButton->isEnabled());
    screen.subject->setText(tooLong);
    screen.OkStep();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(screen.isVisible());
    EXPECT_TRUE(SameRecord(*record, *before));
  }
  {
    const auto before = Snapshot();
    CDlgSetRepFormConf screen(nullptr, *record, 0, ui);
    ShowActive(screen);
    Pick(screen.mode, 1);
    EXPECT_TRUE(screen.subject->isEnabled());
    screen.subject->setText(tooLong);
    screen.OkStep();
    EXPECT_TRUE(StartsWith(ui.Last(), "Setting error: Subject")) << ui.Last();
    EXPECT_TRUE(screen.isVisible());
    EXPECT_TRUE(SameRecord(*record, *before));
    Pick(screen.mode, 0);  // leaving Enable is checked too
    EXPECT_EQ(screen.mode->currentIndex(), 1);
    screen.subject->setText("Alarm");
    // Enter in the body adds a line; elsewhere it is OK.
    screen.body->clear();
    screen.body->setFocus();
    QTest::keyClicks(screen.body, "line 1");
    QTest::keyClick(screen.body, Qt::Key_Return);
    QTest::keyClicks(screen.body, "line 2");
    EXPECT_TRUE(screen.isVisible());
    screen.subject->setFocus();
    QTest::keyClick(screen.subject, Qt::Key_Return);
    EXPECT_FALSE(screen.isVisible());
  }
  EXPECT_EQ(form.MODE, 1);
  EXPECT_STREQ(form.TITLE, "Alarm");
  EXPECT_STREQ(form.MESSAGE, "line 1\r\nline 2");
}

TEST_F(MailTest, TemplateEnablesFollowPeriodAndSuccessOutput) {
  MailForm& form = record->MAIL_REPORT.FORM[2];
  form.MODE = 1;
  form.WD_NO = 4;
  CDlgSetRepFormConf screen(nullptr, *record, 2, ui);
  ShowActive(screen);
  const struct {
    int period;
    bool hourNo;
  } periods[] = {{3, true}, {4, true}, {5, true}, {0, false}, {1, false}, {2, false}, {6, false}};
  for (const auto& p : periods) {
    Pick(screen.period, p.period);
    EXPECT_EQ(screen.businessHour->isEnabled(), p.hourNo) << p.period;
  }
  EXPECT_EQ(screen.businessHour->currentIndex(), 3) << "a disabled number keeps its value";
  EXPECT_FALSE(screen.successType->isEnabled());
  Pick(screen.successMode, 1);
  EXPECT_TRUE(screen.successType->isEnabled());
  EXPECT_TRUE(screen.successChannel->isEnabled());
  Pick(screen.successType, 1);
  EXPECT_EQ(screen.successChannel->count(), 128);
  Pick(screen.successMode, 0);
  EXPECT_FALSE(screen.successChannel->isEnabled());
  screen.OkStep();
  EXPECT_EQ(form.FILTER, 6);
  EXPECT_EQ(form.WD_NO, 4);
  EXPECT_EQ(form.SUCCESS.MODE, 0);
  EXPECT_EQ(form.SUCCESS.CH.kind, 1) << "the shown list positions are stored";
  EXPECT_EQ(form.SUCCESS.CH.no, 1);
}

// The choosers write the template screen's copies; the screen's OK stores them.
TEST_F(MailTest, RecipientAndChannelChoosersWriteOnlyOnTheTemplatesOk) {
  MailForm& form = record->MAIL_REPORT.FORM[2];
  std::strcpy(record->COM.SMTP_POP3.MAIL_NAME[1], "Carol");
  form.MODE = 1;
  const auto before = Snapshot();
  CDlgSetRepFormConf screen(nullptr, *record, 2, ui);
  ShowActive(screen);
  for (bool ok : {false, true}) {
    WhenModal<ListScreen>([ok](ListScreen& list) {
      EXPECT_EQ(list.list()->model()->index(1, 1).data().toString(), "Carol");
      WhenModal<CDlgSetRepDstConf>([](CDlgSetRepDstConf& entry) {
        Pick(entry.to, 1);
        entry.OkStep();
      });
      list.list()->Edit(1);
      EXPECT_EQ(list.list()->model()->index(1, 3).data().toString(), "To");
      if (ok)
        Click(list.button(0));
      else
        QTest::keyClick(&list, Qt::Key_Escape);
    });
    Click(screen.recipientsButton);
    EXPECT_EQ(screen.recipients().DST[1], ok ? 1 : 0);
  }
  WhenModal<ListScreen>([](ListScreen& list) {
    EXPECT_EQ(list.windowTitle(), "Attach CH data");
    EXPECT_EQ(list.list()->model()->index(4, 1).data().toString(), "Disable");
    WhenModal<CDlgSetRepChConf>([](CDlgSetRepChConf& entry) {
      EXPECT_EQ(entry.windowTitle(), "CH05");
      EXPECT_FALSE(entry.channel->isEnabled());
      Pick(entry.type, 1);  // AI
      EXPECT_EQ(entry.channel->count(), 128);
      Pick(entry.channel, 4);
      entry.OkStep();
    });
    list.list()->Edit(4);
    EXPECT_EQ(list.list()->model()->index(4, 1).data().toString(), "AI");
    EXPECT_EQ(list.list()->model()->index(4, 2).data().toString(), "005");
    Click(list.button(0));
  });
  Click(screen.channelsButton);
  EXPECT_TRUE(SameRecord(*record, *before));
  screen.OkStep();
  EXPECT_EQ(form.DST[1], 1);
  EXPECT_EQ(form.CH[4].kind, 1);
  EXPECT_EQ(form.CH[4].no, 5);
}

TEST_F(MailTest, TemplateListPastesAWholeTemplate) {
  MailForm& form = record->MAIL_REPORT.FORM[0];
  form.MODE = 1;
  std::strcpy(form.TITLE, "Daily");
  form.DST[3] = 1;
  form.CH[0] = {2, 7};
  const ListScreenSetup setup = FormListSetup(*record, ui);
  EXPECT_EQ(setup.list.columns[1].text(0), "Enable");
  EXPECT_EQ(setup.list.columns[1].text(1), "Disable");
  setup.list.paste(0, 9);
  EXPECT_EQ(std::memcmp(&record->MAIL_REPORT.FORM[9], &form, sizeof form), 0);
  EXPECT_EQ(setup.list.columns[2].text(9), "Daily");
}

// The send-time list keeps its edits however it closes; the report's OK stores
// them with the days, Cancel drops everything.
TEST_F(MailTest, RegularReportKeepsSendTimesUntilItsOwnOkOrCancel) {
  MailTime& time = record->MAIL_REPORT.TIME;
  for (bool ok : {false, true}) {
    SCOPED_TRACE(ok);
    const auto before = Snapshot();
    CDlgSetRepTime screen(nullptr, *record, ui);
    ShowActive(screen);
    EXPECT_FALSE(screen.timeButton->isEnabled());
    EXPECT_FALSE(screen.days[3]->isEnabled());
    Pick(screen.mode, 1);
    EXPECT_TRUE(screen.templateButton->isEnabled());
    Click(screen.days[3]);  // Wed
    WhenModal<ListScreen>([](ListScreen& list) {
      EXPECT_EQ(list.windowTitle(), "Set time to send");
      WhenModal<CDlgSetRepTimeSendConf>([](CDlgSetRepTimeSendConf& hour) {
        EXPECT_EQ(hour.windowTitle(), "Set time to send: 7 (hour)");
        Pick(hour.flag, 1);
        hour.minutes->setText("15");
        hour.seconds->setText("30");
        hour.OkStep();
      });
      list.list()->Edit(7);
      QTest::keyClick(&list, Qt::Key_Escape);  // kept all the same
    });
    Click(screen.timeButton);
    EXPECT_EQ(screen.sendTimes()[7].MODE, 1);
    EXPECT_TRUE(SameRecord(*record, *before));
    if (ok) {
      screen.OkStep();
    } else {
      QTest::keyClick(&screen, Qt::Key_Escape);
      EXPECT_TRUE(SameRecord(*record, *before));
    }
  }
  EXPECT_EQ(time.MODE, 1);
  EXPECT_EQ(time.WDAY, 0x77) << "Wed taken off every day";
  EXPECT_EQ(time.REPORT_TIME[7].MODE, 1);
  EXPECT_EQ(time.REPORT_TIME[7].OFFSET_MIN, 15);
  EXPECT_EQ(time.REPORT_TIME[7].OFFSET_SEC, 30);
}

std::uint32_t Days(std::initializer_list<int> days) {
  std::uint32_t mask = 0;
  for (int d : days) mask |= 1u << (d - 1);
  return mask;
}

constexpr int kY2023 = 2023 - 2015, kY2024 = 2024 - 2015;

TEST_F(MailTest, CalendarSetMarksWeekdaysAndNationalDaysOnItsOwnRow) {
  CalendarBlock& cal = record->MAIL_REPORT.CALENDAR;
  CDlgSetRepCalendar screen(nullptr, *record, ui);
  ShowActive(screen);
  for (int b : {0, 6, 7}) Click(screen.dayBoxes[0][static_cast<std::size_t>(b)]);  // Sun, Sat, 祝
  Click(screen.setButtons[0]);
  const CalendarMarks& marks = screen.marks();
  EXPECT_EQ(marks.WORK_DAY[kY2024][0], Days({1, 6, 7, 8, 13, 14, 20, 21, 27, 28}));
  EXPECT_EQ(marks.WORK_DAY[kY2023][0] & Days({1, 2, 9}), Days({1, 2, 9})) << "the 1st on a Sunday moves to the 2nd";
  // 3 May 2020 is a Sunday, the 4th and 5th national days: the substitute is the 6th.
  EXPECT_EQ(marks.WORK_DAY[2020 - 2015][4] & Days({3, 4, 5, 6, 7}), Days({3, 4, 5, 6}));
  EXPECT_EQ(std::memcmp(marks.HOLIDAY, cal.HOLIDAY, sizeof cal.HOLIDAY), 0) << "the other row is untouched";
  // The displays show the chosen year: 6 January 2024 is both marks, 2 January only a non-business day.
  Pick(screen.year, 2024 - 2015);
  EXPECT_EQ(screen.shownYear(), 2024);
  EXPECT_EQ(screen.months[0]->DayColour(6), QColor(Qt::green));
  EXPECT_EQ(screen.months[0]->DayColour(2), QColor(Qt::white));
  EXPECT_EQ(screen.months[0]->DayColour(8), QColor(Qt::green));
  // "Set" with nothing ticked clears the row.
  Click(screen.setButtons[1]);
  EXPECT_EQ(screen.months[0]->DayColour(6), QColor(Qt::cyan));
  const auto before = Snapshot();
  EXPECT_TRUE(SameRecord(*record, *before));
  screen.OkStep();
  EXPECT_FALSE(screen.isVisible());
  EXPECT_EQ(cal.WORK_DAY[kY2024][0], Days({1, 6, 7, 8, 13, 14, 20, 21, 27, 28}));
  EXPECT_EQ(cal.HOLIDAY[kY2024][6], 0u);
}

TEST_F(MailTest, CalendarSetOnTheHolidayRowGivesTheDefaultCalendar) {
  const auto defaults = Snapshot();
  ApplyNewSetting(*record);  // no holidays
  CDlgSetRepCalendar screen(nullptr, *record, ui);
  ShowActive(screen);
  for (int b : {0, 6, 7}) Click(screen.dayBoxes[1][static_cast<std::size_t>(b)]);
  Click(screen.setButtons[1]);
  screen.OkStep();
  const CalendarBlock& cal = record->MAIL_REPORT.CALENDAR;
  for (int y = 0; y < kCalendarYears; ++y)
    for (int m = 0; m < 12; ++m)
      ASSERT_EQ(cal.HOLIDAY[y][m], defaults->MAIL_REPORT.CALENDAR.HOLIDAY[y][m]) << 2015 + y << "-" << m + 1;
}

TEST_F(MailTest, MonthScreenWritesOnlyItsMonthAndCancelWritesNothing) {
  CalendarMarks marks{};
  std::memcpy(marks.WORK_DAY, record->MAIL_REPORT.CALENDAR.WORK_DAY, sizeof marks.WORK_DAY);
  std::memcpy(marks.HOLIDAY, record->MAIL_REPORT.CALENDAR.HOLIDAY, sizeof marks.HOLIDAY);
  const CalendarMarks start = marks;
  for (bool ok : {false, true}) {
    CDlgSetRepCalendarConf month(nullptr, marks, 2024, 2, ui);
    ShowActive(month);
    EXPECT_EQ(month.windowTitle(), "February 2024 ");
    ASSERT_EQ(month.nonBusiness.size(), 29u) << "a leap year";
    Click(month.nonBusiness[28]);
    Click(month.holiday[0]);
    if (ok)
      month.OkStep();
    else
      QTest::keyClick(&month, Qt::Key_Escape);
    EXPECT_FALSE(month.isVisible());
  }
  CalendarMarks expected = start;
  expected.WORK_DAY[kY2024][1] ^= 1u << 28;
  expected.HOLIDAY[kY2024][1] ^= 1u;
  EXPECT_EQ(std::memcmp(&marks, &expected, sizeof marks), 0);

  // Through the calendar: the month writes the calendar's copy; Cancel leaves the record.
  const auto before = Snapshot();
  CDlgSetRepCalendar screen(nullptr, *record, ui);
  ShowActive(screen);
  Pick(screen.year, kY2024);
  WhenModal<CDlgSetRepCalendarConf>([](CDlgSetRepCalendarConf& m) {
    EXPECT_EQ(m.windowTitle(), "March 2024 ");
    Click(m.nonBusiness[4]);  // 5 March
    m.OkStep();
  });
  Click(screen.monthButtons[2]);
  EXPECT_NE(screen.marks().WORK_DAY[kY2024][2], record->MAIL_REPORT.CALENDAR.WORK_DAY[kY2024][2]);
  QTest::keyClick(&screen, Qt::Key_Escape);
  EXPECT_TRUE(SameRecord(*record, *before));
}

// A month display draws day d in its weekday's cell (Sunday first, the 1st in
// the first row) in the colour of its two marks, and nothing outside the month.
TEST_F(MailTest, MonthDisplayPaintsEachDayInItsCellAndColour) {
  CalendarMarks marks{};
  marks.WORK_DAY[kY2024][1] = Days({3, 12});
  marks.HOLIDAY[kY2024][1] = Days({11, 12});
  CDlgSetRepCalendarDsp display(nullptr);
  QPalette palette = display.palette();
  palette.setColor(QPalette::Window, Qt::darkGray);
  display.setPalette(palette);
  display.setAutoFillBackground(true);
  constexpr int kCellWidth = 30, kCellHeight = 20;
  display.resize(7 * kCellWidth, 6 * kCellHeight);
  display.Show(marks, 2024, 2);  // February 2024: 29 days from a Thursday
  const QImage image = display.grab().toImage();
  const auto cell = [&](int c) { return image.pixelColor((c % 7) * kCellWidth + 2, (c / 7) * kCellHeight + 2); };
  constexpr int kFirstCell = 4;
  const struct {
    int day;
    QColor colour;
  } days[] = {{1, Qt::white}, {3, Qt::cyan}, {11, Qt::red}, {12, Qt::green}, {29, Qt::white}};
  for (const auto& d : days) {
    EXPECT_EQ(display.DayColour(d.day), d.colour) << d.day;
    EXPECT_EQ(cell(kFirstCell + d.day - 1), d.colour) << d.day;
  }
  for (int c : {0, kFirstCell - 1, kFirstCell + 29, 41}) EXPECT_EQ(cell(c), QColor(Qt::darkGray)) << "cell " << c;
  display.Show(marks, 2024, 3);
  EXPECT_EQ(display.DayColour(3), QColor(Qt::white)) << "the marks of another month";
}

TEST_F(MailTest, CalendarRefusesABusinessHourThatEndsBeforeItStarts) {
  CDlgSetRepCalendar screen(nullptr, *record, ui);
  ShowActive(screen);
  const auto before = Snapshot();
  auto& p = screen.periods[2];
  p.startHour->setCurrentIndex(17);
  p.startMinute->setCurrentIndex(0);
  p.endHour->setCurrentIndex(9);
  p.endMinute->setCurrentIndex(0);
  screen.OkStep();
  EXPECT_EQ(ui.Last(), "Setting error: Business hour 3: Start time < End time");
  EXPECT_TRUE(screen.isVisible());
  EXPECT_TRUE(SameRecord(*record, *before));
  p.endHour->setCurrentIndex(18);
  screen.OkStep();
  EXPECT_FALSE(screen.isVisible());
  EXPECT_EQ(record->MAIL_REPORT.CALENDAR.WORK_HOUR[2].START.HOUR, 17);
  EXPECT_EQ(record->MAIL_REPORT.CALENDAR.WORK_HOUR[2].END.HOUR, 18);
}

TEST_F(MailTest, MenuOffersTheMailScreens) {
  CDlgSetRep menu(nullptr, *record, ui);
  EXPECT_EQ(menu.windowTitle(), "E-mail");
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(menu.button(i)->isEnabled()) << i;
  bool shown = false;
  WhenModal<CDlgSetRepError>([&](CDlgSetRepError& screen) {
    shown = true;
    screen.reject();
  });
  Click(menu.button(3));
  EXPECT_TRUE(shown);
}

}  // namespace
}  // namespace tk48
