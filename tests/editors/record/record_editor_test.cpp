// The record screens: logging (header lines, pens, hours), event, report
// (pens, templates), each on the record or its parent's working copy.
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <cstring>
#include <string>

#include "editors/record/CDlgSetRecord.h"
#include "editors/record/CDlgSetRecordLogging.h"
#include "editors/record/CDlgSetRecordReport.h"
#include "model/setting_data.h"
#include "tests/editors/editor_fixture.h"

namespace tk48 {
namespace {

using test::Click;
using test::Pick;
using test::ShowActive;

constexpr int kAi = 1, kDi = 2, kMa = 4;

class RecordTest : public test::EditorTest {
 protected:
  LoggingBlock& Logging() { return record->RECORD.LOGGING; }
  ReportBlock& Report() { return record->RECORD.REPORT; }
};

TEST_F(RecordTest, DatelineIsCheckedOnlyWhileLoggingIsEnabled) {
  CDlgSetRecordLogging screen(nullptr, *record, ui);
  ShowActive(screen);
  ASSERT_EQ(screen.mode->currentIndex(), 0);
  EXPECT_FALSE(screen.dateline->isEnabled());
  EXPECT_FALSE(screen.penButton->isEnabled());
  Pick(screen.mode, 1);
  screen.dateline->setText("24");
  const auto before = Snapshot();
  QTest::keyClick(&screen, Qt::Key_Return);  // Enter is OK
  EXPECT_EQ(ui.Last(), "Setting error: Day start time\nUsable range: 0 to 23");
  EXPECT_TRUE(screen.isVisible());
  EXPECT_TRUE(SameRecord(*record, *before));
  Pick(screen.mode, 0);  // the check guards turning logging off too
  EXPECT_EQ(screen.mode->currentIndex(), 1);
  screen.dateline->setText("23");
  Pick(screen.mode, 0);
  EXPECT_EQ(ui.messages.size(), 2u);
  screen.OkStep();
  EXPECT_FALSE(screen.isVisible());
  EXPECT_EQ(Logging().MODE, 0);
  EXPECT_EQ(Logging().DATE_CHANGE, 23);
}

TEST_F(RecordTest, StoringRateListsOfferTheDevicesRatesAndKeepAnUnlistedOne) {
  Logging().MODE = 1;
  Logging().SEC = 20;  // no longer offered
  {
    CDlgSetRecordLogging screen(nullptr, *record, ui);
    ShowActive(screen);
    QStringList secs, mins;
    for (int i = 0; i < screen.seconds->count(); ++i) secs << screen.seconds->itemText(i);
    for (int i = 0; i < screen.minutes->count(); ++i) mins << screen.minutes->itemText(i);
    EXPECT_EQ(secs, (QStringList{"1", "2", "5", "10", "30"}));
    EXPECT_EQ(mins, (QStringList{"1", "2", "5", "10", "15", "30"}));
    EXPECT_EQ(screen.seconds->currentIndex(), -1);
    EXPECT_TRUE(screen.seconds->isEnabled());
    EXPECT_FALSE(screen.minutes->isEnabled());
    EXPECT_FALSE(screen.hourButton->isEnabled());
    Pick(screen.rate, 1);
    EXPECT_FALSE(screen.seconds->isEnabled());
    EXPECT_TRUE(screen.minutes->isEnabled());
    Pick(screen.minutes, 4);
    screen.OkStep();
    EXPECT_FALSE(screen.isVisible());
  }
  EXPECT_EQ(Logging().RATE, 1);
  EXPECT_EQ(Logging().MIN, 15);
  EXPECT_EQ(Logging().SEC, 20);
}

TEST_F(RecordTest, HourListEditsACopyThatOnlyOkKeeps) {
  Logging().MODE = 1;
  Logging().RATE = 2;
  CDlgSetRecordLogging screen(nullptr, *record, ui);
  ShowActive(screen);
  ASSERT_TRUE(screen.hourButton->isEnabled());
  auto setHour = [](QTableView* table, int hour, const char* min, const char* sec) {
    test::WhenModal<CDlgSetRecordLoggingHourConf>([=](CDlgSetRecordLoggingHourConf& s) {
      EXPECT_EQ(s.windowTitle().toStdString(), "Choose offset: " + std::to_string(hour) + " (hour)");
      Pick(s.flag, 1);
      s.minutes->setText(min);
      s.seconds->setText(sec);
      s.OkStep();
    });
    test::DoubleClick(*table, hour);
  };
  // Cancel: the row copy and the edit are dropped.
  test::WhenModal<ListScreen>([&](ListScreen& list) {
    setHour(list.list(), 3, "1", "2");
    test::UseListMenu(*list.list(), 3, "Copy");
    test::UseListMenu(*list.list(), 4, "Paste");
    EXPECT_EQ(test::Cell(*list.list(), 4, 1), "Enable");
    Click(list.backButton());
  });
  Click(screen.hourButton);
  // OK: the hours reach the logging screen's copy.
  test::WhenModal<ListScreen>([&](ListScreen& list) {
    EXPECT_EQ(test::Cell(*list.list(), 3, 1), "Disable");
    setHour(list.list(), 0, "5", "30");
    setHour(list.list(), 12, "0", "0");
    ShowActive(list);
    QTest::keyClick(&list, Qt::Key_Return);  // Enter is OK
  });
  Click(screen.hourButton);
  EXPECT_EQ(Logging().HOUR, 0u) << "nothing before the logging screen's OK";
  screen.OkStep();
  EXPECT_EQ(Logging().HOUR, 0x1001u);
  EXPECT_EQ(Logging().OFFSET[0].MIN, 5);
  EXPECT_EQ(Logging().OFFSET[0].SEC, 30);
  EXPECT_EQ(Logging().OFFSET[12].MIN, 0);
  EXPECT_EQ(Logging().OFFSET[3].MIN, 0);
}

// The logging hour's offset screen: "Logging" guards the offsets, which are
// in use and checked (integers 0 to 59) only while it is "Enable".
TEST_F(RecordTest, LoggingOffsetScreenChecksOffsetsOnlyWhileLoggingIsEnabled) {
  const struct {
    int flag;
    const char* minutes;
    const char* seconds;
    const char* message;  // empty: stored
  } cases[] = {
      {0, "60", "abc", ""},
      {1, "60", "0", "Setting error: Time delay (min.)"},
      {1, "59", "-1", "Setting error: Time delay (sec.)"},
      {1, "59", "0", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.minutes) + ":" + c.seconds);
    ui.messages.clear();
    HourRow row{0, 10, 20};
    CDlgSetRecordLoggingHourConf screen(nullptr, row, 23, ui);
    ShowActive(screen);
    EXPECT_EQ(screen.windowTitle(), "Choose offset: 23 (hour)");
    EXPECT_EQ(screen.flag->accessibleName(), "Logging");
    Pick(screen.flag, c.flag);
    EXPECT_EQ(screen.minutes->isEnabled(), c.flag == 1);
    EXPECT_EQ(screen.seconds->isEnabled(), c.flag == 1);
    screen.minutes->setText(c.minutes);
    screen.seconds->setText(c.seconds);
    screen.OkStep();
    if (*c.message) {
      EXPECT_EQ(ui.Last().rfind(c.message, 0), 0u) << ui.Last();
      EXPECT_TRUE(screen.isVisible());
      EXPECT_EQ(row.MODE, 0);
      EXPECT_EQ(row.MIN, 10);
    } else {
      EXPECT_TRUE(ui.messages.empty()) << ui.Last();
      EXPECT_FALSE(screen.isVisible());
      EXPECT_EQ(row.MODE, c.flag);
    }
  }
}

TEST_F(RecordTest, HeaderLineCountsLineBreaksAsCrLfAndStoresThem) {
  HeaderLines lines = LoggingHeaders(Logging());
  const QString twoLines = QString(1000, u'a') + u'\n' + QString(1046, u'b');  // 2048 units as stored
  struct Case {
    QString text;
    bool passes;
  } cases[] = {{twoLines, true}, {twoLines + u'c', false}};
  for (const Case& c : cases) {
    HeaderLines copy = lines;
    CDlgSetRecordLoggingHead screen(nullptr, copy, 1, ui);
    ShowActive(screen);
    EXPECT_EQ(screen.windowTitle(), "Line 2");
    EXPECT_FALSE(screen.header->isEnabled());
    Pick(screen.mode, 1);
    // Enter in the text is a line break, not OK.
    screen.header->setFocus();
    QTest::keyClicks(screen.header, "x");
    QTest::keyClick(screen.header, Qt::Key_Return);
    EXPECT_TRUE(screen.isVisible());
    EXPECT_EQ(screen.header->toPlainText(), "x\n");
    screen.header->setPlainText(c.text);
    ui.messages.clear();
    screen.OkStep();
    EXPECT_EQ(screen.isVisible(), !c.passes);
    if (c.passes) {
      EXPECT_EQ(copy.LINE, 2);
      EXPECT_EQ(std::strlen(copy.HEADER[1]), 2048u);
      EXPECT_EQ(std::string(copy.HEADER[1] + 1000, 2), "\r\n");
      EXPECT_TRUE(ui.messages.empty());
    } else {
      EXPECT_EQ(ui.Last(), "Setting error: Header\nMax. 1024 characters (alphanumerical: 2048 characters)");
      Pick(screen.mode, 0);  // the change runs the check: refused
      EXPECT_EQ(screen.mode->currentIndex(), 1);
    }
  }
}

TEST_F(RecordTest, DiscretePenTakesOnOffAndMomentary) {
  LoggingPen pen = Logging().PEN[0];
  pen.PEN_TYPE = kAi;
  pen.CH = 9;
  pen.SAMPLING = 1;
  pen.ERR_VALUE = 2.5;
  CDlgSetRecordLoggingPenConf screen(nullptr, *record, pen, 0, ui);
  ShowActive(screen);
  EXPECT_EQ(screen.windowTitle(), "PEN01");
  EXPECT_EQ(screen.sampling->currentText(), "Average value");
  EXPECT_EQ(screen.fixedValue->text(), "2.500");
  Pick(screen.type, kDi);
  EXPECT_EQ(screen.channel->currentIndex(), 0) << "refilled with channel 1";
  EXPECT_EQ(screen.channel->count(), 256);
  EXPECT_EQ(screen.sampling->currentText(), "Momentary value");
  EXPECT_FALSE(screen.sampling->isEnabled());
  EXPECT_FALSE(screen.bandMode->isEnabled());
  EXPECT_EQ(screen.onOff->currentText(), "OFF");
  Pick(screen.errorMode, 1);
  EXPECT_TRUE(screen.onOff->isEnabled());
  EXPECT_FALSE(screen.fixedValue->isEnabled());
  Pick(screen.onOff, 1);
  screen.OkStep();
  EXPECT_FALSE(screen.isVisible());
  EXPECT_EQ(pen.PEN_TYPE, kDi);
  EXPECT_EQ(pen.CH, 1);
  EXPECT_EQ(pen.SAMPLING, 0);
  EXPECT_EQ(pen.ERR_MODE, 1);
  EXPECT_EQ(pen.ERR_VALUE, 1.0);
}

TEST_F(RecordTest, PenLimitsOutOfOrderAreRefusedForAnalogPensOnly) {
  for (const int type : {kAi, kMa, kDi}) {
    SCOPED_TRACE(type);
    LoggingPen pen = Logging().PEN[0];
    pen.PEN_TYPE = type;
    pen.CH = 1;
    pen.BAND = {0, 0.0, 100.0};  // from a file: lower above upper, data range off
    CDlgSetRecordLoggingPenConf screen(nullptr, *record, pen, 0, ui);
    ShowActive(screen);
    ui.messages.clear();
    screen.OkStep();
    if (type == kDi) {
      EXPECT_FALSE(screen.isVisible());
      EXPECT_TRUE(ui.messages.empty());
      continue;
    }
    EXPECT_EQ(ui.Last(), "Setting error: Data range lower limit >= upper limit");
    EXPECT_FALSE(screen.upper->isEnabled());
    Pick(screen.bandMode, 1);  // Disable -> Enable runs no check
    EXPECT_EQ(screen.bandMode->currentIndex(), 1);
    EXPECT_EQ(ui.messages.size(), 1u);
    ASSERT_TRUE(screen.upper->isEnabled());
    EXPECT_EQ(screen.errorMode->isEnabled(), true);
    Pick(screen.bandMode, 0);  // Enable -> Disable checks
    EXPECT_EQ(screen.bandMode->currentIndex(), 1);
    screen.upper->setText("200");
    screen.OkStep();
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(pen.BAND.UPPER, 200.0);
    EXPECT_EQ(pen.BAND.MODE, 1);
  }
}

TEST_F(RecordTest, PenChecksRunInOrder) {
  ReportPen pen = Report().PEN[4];
  pen.PEN_TYPE = 1;
  pen.CH = 1;
  CDlgSetRecordReportPenConf screen(nullptr, *record, pen, 4, ui);
  ShowActive(screen);
  ASSERT_NE(screen.base, nullptr);
  EXPECT_TRUE(screen.base->isEnabled());
  Pick(screen.bandMode, 1);
  Pick(screen.errorMode, 1);
  struct Case {
    const char* upper;
    const char* lower;
    const char* fixed;
    std::string message;
  } cases[] = {
      {"x", "y", "z", "Setting error: Upper limit"},
      {"10000000001", "0", "0", "Setting error: Upper limit\nUsable range: -10000000000.000 to 10000000000.000"},
      {"1", "1.0001", "0", "Setting error: Lower limit"},
      {"1", "1", "0", "Setting error: Data range lower limit >= upper limit"},
      {"1", "0", "abc", "Setting error: Fixed value"},
  };
  for (const Case& c : cases) {
    screen.upper->setText(c.upper);
    screen.lower->setText(c.lower);
    screen.fixedValue->setText(c.fixed);
    screen.OkStep();
    EXPECT_EQ(ui.Last(), c.message);
  }
  screen.fixedValue->setText("3.25");
  Pick(screen.errorMode, 2);
  EXPECT_FALSE(screen.fixedValue->isEnabled());
  screen.fixedChars->setText(QString(9, u'\u00e9'));
  screen.OkStep();
  EXPECT_EQ(ui.Last(), "Setting error: Fixed characters\nMax. 8 characters (alphanumerical: 16 characters)");
  screen.fixedChars->setText("ERR");
  screen.OkStep();
  EXPECT_FALSE(screen.isVisible());
  EXPECT_STREQ(pen.ERR_CHAR, "ERR");
  EXPECT_EQ(pen.ERR_VALUE, 3.25);
}

TEST_F(RecordTest, ReportStartsAndTemplates) {
  Report().YEAR_CHANGE = 0;  // the reader takes it; no entry shows it
  Report().MAIL[0] = 0x3;
  record->MAIL_REPORT.FORM[0].MODE = 1;  // template 1 in use, template 2 not
  CDlgSetRecordReport screen(nullptr, *record, ui);
  ShowActive(screen);
  EXPECT_EQ(screen.yearStart->currentIndex(), -1);
  EXPECT_EQ(screen.dayStart->itemText(0), "1");
  EXPECT_EQ(screen.dayStart->count(), 24);
  screen.titles[1]->setText(QString(33, u'\u00e9'));
  Pick(screen.mode, 0);  // Enable -> Disable checks the titles in use
  EXPECT_EQ(ui.Last(), "Setting error: Monthly report page title\nMax. 32 characters (alphanumerical: 64 characters)");
  screen.titles[1]->setText("Month");
  Pick(screen.dayStart, 0);
  Pick(screen.monthStart, 0);
  test::WhenModal<ListScreen>([](ListScreen& chooser) {
    ShowActive(chooser);
    QTest::keyClick(&chooser, Qt::Key_Return);
  });
  Click(screen.templateButton);
  EXPECT_EQ(Report().MAIL[0], 0x3u) << "nothing before the report's OK";
  screen.OkStep();
  EXPECT_FALSE(screen.isVisible());
  EXPECT_EQ(Report().DATE_CHANGE, 0);
  EXPECT_EQ(Report().MONTH_CHANGE, 1);
  EXPECT_EQ(Report().YEAR_CHANGE, 0);
  EXPECT_EQ(Report().MAIL[0], 0x1u);
  EXPECT_STREQ(Report().TITLE_MON, "Month");
}

TEST_F(RecordTest, SubScreenOkThenParentCancelLeavesTheRecord) {
  Logging().MODE = 1;
  const auto before = Snapshot();
  CDlgSetRecordLogging screen(nullptr, *record, ui);
  ShowActive(screen);
  test::WhenModal<ListScreen>([](ListScreen& list) {
    test::WhenModal<CDlgSetRecordLoggingPenConf>([](CDlgSetRecordLoggingPenConf& pen) {
      Pick(pen.type, kAi);
      pen.OkStep();
    });
    test::DoubleClick(*list.list(), 2);
    EXPECT_EQ(test::Cell(*list.list(), 2, 2), "AI");
    EXPECT_EQ(test::Cell(*list.list(), 2, 3), "001");
    EXPECT_EQ(test::Cell(*list.list(), 2, 0), "PEN03");
    Click(list.button(0));  // OK
  });
  Click(screen.penButton);
  test::WhenModal<CDlgSetRecordLoggingHead>([](CDlgSetRecordLoggingHead& head) {
    Pick(head.mode, 1);
    head.header->setPlainText("plant");
    head.OkStep();
  });
  Click(screen.lineButtons[0]);
  screen.reject();
  EXPECT_TRUE(SameRecord(*record, *before));
}

TEST_F(RecordTest, PenListRowsAndWholePenCopy) {
  std::strcpy(record->IO.AI[4].NAME, "Flow");
  std::strcpy(record->IO.MA[1].NAME, "Sum");
  LoggingPens pens = CopyOfPens(Logging().PEN);
  pens[0] = {kAi, 5, 1, {}, 0, 0.0, {}};
  pens[1] = {kMa, 2, 2, {}, 0, 0.0, {}};
  pens[2] = {kDi, 3, 0, {}, 0, 0.0, {}};
  ListScreen list(nullptr, LoggingPenListSetup(*record, pens, ui));
  ShowActive(list);
  QTableView* table = list.list();
  struct Row {
    int row;
    const char *sampling, *type, *name;
  } rows[] = {
      {0, "Average value", "AI", "005"},            // AI005 not in use: its number alone
      {1, "Peak value (max.)", "MA", "002 Sum"},    // MA always with its name
      {2, "Momentary value", "DI", "003"},
      {3, "", "None", ""},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(test::Cell(*table, r.row, 1), r.sampling) << r.row;
    EXPECT_EQ(test::Cell(*table, r.row, 2), r.type) << r.row;
    EXPECT_EQ(test::Cell(*table, r.row, 3), r.name) << r.row;
  }
  record->IO.AI[4].TYPE = 1;
  list.list()->RefreshAll();
  EXPECT_EQ(test::Cell(*table, 0, 3), "005 Flow");
  test::UseListMenu(*table, 1, "Copy");
  test::UseListMenu(*table, 127, "Paste");
  EXPECT_EQ(pens[127].PEN_TYPE, kMa);
  EXPECT_EQ(pens[127].CH, 2);
  EXPECT_EQ(test::Cell(*table, 127, 0), "PEN128");
}

TEST_F(RecordTest, ReportMaPenNeedsTheDataRangeForItsErrorMode) {
  ReportPen pen = Report().PEN[0];
  pen.PEN_TYPE = 3;  // MA
  pen.CH = 1;
  CDlgSetRecordReportPenConf screen(nullptr, *record, pen, 0, ui);
  ShowActive(screen);
  EXPECT_EQ(screen.type->count(), 4);
  EXPECT_EQ(screen.channel->count(), 256);
  EXPECT_TRUE(screen.base->isEnabled());
  EXPECT_FALSE(screen.errorMode->isEnabled());
  Pick(screen.bandMode, 1);
  EXPECT_TRUE(screen.errorMode->isEnabled());
  EXPECT_TRUE(screen.upper->isEnabled());
  Pick(screen.type, 2);  // PI: the error mode whatever the data range
  Pick(screen.bandMode, 0);
  EXPECT_TRUE(screen.errorMode->isEnabled());
  EXPECT_EQ(screen.channel->count(), 128);
  Pick(screen.base, 3);
  screen.OkStep();
  EXPECT_EQ(pen.PEN_TYPE, 2);
  EXPECT_EQ(pen.BASE, 3);
}

TEST_F(RecordTest, EventCharacterSetsFollowTheirLogs) {
  record->RECORD.EVENT.EVENT_LOG.MODE = 0;
  CDlgSetRecordEvent screen(nullptr, *record, ui);
  ShowActive(screen);
  EXPECT_FALSE(screen.eventCode->isEnabled());
  EXPECT_TRUE(screen.scheduleCode->isEnabled());
  Pick(screen.eventMode, 1);
  Pick(screen.eventCode, 1);
  Pick(screen.systemMode, 0);
  screen.OkStep();
  EXPECT_EQ(record->RECORD.EVENT.EVENT_LOG.MODE, 1);
  EXPECT_EQ(record->RECORD.EVENT.EVENT_LOG.CHAR_CODE, 1);
  EXPECT_EQ(record->RECORD.EVENT.SYSTEM_LOG.MODE, 0);
}

}  // namespace
}  // namespace tk48
