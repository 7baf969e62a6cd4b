// The toolkit's time pieces: the end-after-start rule, the 24-hour list with
// its offset screen, and the Mode list whose "Enable" runs no check.
#include <QLineEdit>

#include "checks/time_order.h"
#include "editors/toolkit/hour_list.h"
#include "resources/text_ids.h"
#include "tests/editors/editor_fixture.h"

namespace tk48 {
namespace {

using test::Pick;
using test::ShowActive;

TEST(EndAfterStart, ComparesHoursThenMinutes) {
  struct Case {
    int sh, sm, eh, em;
    bool after;
  } cases[] = {
      {8, 0, 8, 0, false},  {8, 30, 9, 0, true},  {8, 15, 8, 16, true}, {8, 16, 8, 15, false},
      {17, 0, 9, 0, false}, {23, 0, 24, 0, true}, {0, 0, 0, 1, true},   {23, 59, 23, 59, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(EndAfterStart(c.sh, c.sm, c.eh, c.em), c.after) << c.sh << ":" << c.sm << "-" << c.eh << ":" << c.em;
}

constexpr HourListTexts kTexts{text::kChooseHourAndOffset, text::kRecordLogging, text::kRecordLogging,
                               text::kChooseOffsetTitle};

class HourList : public test::EditorTest {
 protected:
  HourTable hours{};
};

TEST_F(HourList, OffsetScreenChecksOnlyWhileEnabledAndEnableIsFree) {
  hours[5] = {0, 75, 0};  // a minute no screen offers, read from a file
  HourRow& row = hours[5];
  HourOffsetScreen screen(nullptr, row, 5, kTexts, ui);
  ShowActive(screen);
  EXPECT_EQ(screen.windowTitle(), "Choose offset: 5 (hour)");
  EXPECT_FALSE(screen.minutes->isEnabled());
  Pick(screen.flag, 1);  // Disable -> Enable: no check
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(screen.flag->currentIndex(), 1);
  EXPECT_TRUE(screen.minutes->isEnabled());
  screen.OkStep();
  EXPECT_EQ(ui.Last(), "Setting error: Time delay (min.)\nUsable range: 0 to 59");
  EXPECT_EQ(row.MODE, 0);
  Pick(screen.flag, 0);  // Enable -> Disable validates the fields in use
  EXPECT_EQ(screen.flag->currentIndex(), 1);
  EXPECT_EQ(ui.messages.size(), 2u);
  screen.minutes->setText("5");
  screen.seconds->setText("60");
  screen.OkStep();
  EXPECT_EQ(ui.Last(), "Setting error: Time delay (sec.)\nUsable range: 0 to 59");
  screen.seconds->setText("30");
  screen.OkStep();
  EXPECT_FALSE(screen.isVisible());
  EXPECT_EQ(row.MODE, 1);
  EXPECT_EQ(row.MIN, 5);
  EXPECT_EQ(row.SEC, 30);
}

TEST_F(HourList, RowsEditCopyAndShow) {
  hours[0] = {1, 5, 30};
  ListScreen list(nullptr, HourListSetup(hours, kTexts, ui));
  ShowActive(list);
  QTableView* table = list.list();
  EXPECT_EQ(table->model()->rowCount(), 24);
  EXPECT_EQ(test::Cell(*table, 0, 0), "00");
  EXPECT_EQ(test::Cell(*table, 23, 0), "23");
  EXPECT_EQ(test::Cell(*table, 0, 1), "Enable");
  EXPECT_EQ(test::Cell(*table, 0, 2), "05");
  EXPECT_EQ(test::Cell(*table, 0, 3), "30");
  EXPECT_EQ(test::Cell(*table, 1, 1), "Disable");
  EXPECT_EQ(table->model()->headerData(1, Qt::Horizontal).toString(), "Logging");

  // The offset screen's Cancel leaves the row; its OK replaces it.
  test::WhenModal<HourOffsetScreen>([](HourOffsetScreen& s) {
    Pick(s.flag, 1);
    s.minutes->setText("7");
    s.reject();
  });
  test::DoubleClick(*table, 12);
  EXPECT_EQ(hours[12].MODE, 0);
  test::WhenModal<HourOffsetScreen>([](HourOffsetScreen& s) {
    Pick(s.flag, 1);
    s.minutes->setText("7");
    s.OkStep();
  });
  test::DoubleClick(*table, 12);
  EXPECT_EQ(hours[12].MODE, 1);
  EXPECT_EQ(hours[12].MIN, 7);
  EXPECT_EQ(test::Cell(*table, 12, 2), "07");

  // A row copy carries the flag and both offsets.
  test::UseListMenu(*table, 0, "Copy");
  test::UseListMenu(*table, 20, "Paste");
  EXPECT_EQ(hours[20].MODE, 1);
  EXPECT_EQ(hours[20].MIN, 5);
  EXPECT_EQ(hours[20].SEC, 30);
  EXPECT_EQ(test::Cell(*table, 20, 3), "30");
}

}  // namespace
}  // namespace tk48
