// The who-uses views: the scan's rows in "CH", "Function" and "Detail", read
// only (no edit, no copy, no paste), and Back, Enter and Esc close them
// without touching the record.
#include <QHeaderView>
#include <QPushButton>

#include "editors/io/CDlgSetIoDoUsed.h"
#include "tests/editors/editor_fixture.h"

namespace tk48 {
namespace {

using test::Cell;

class WhoUsesViews : public test::EditorTest {};

TEST_F(WhoUsesViews, ShowTheRowsAndChangeNothing) {
  record->IO.DO[4].TYPE = 1;
  record->IO.AI[0].TYPE = 1;
  record->IO.AI[0].USE_AREAS = 3;
  record->IO.AI[0].AREA[0].DO_ON[0] = 1u << 4;
  record->IO.AI[0].AREA[2].DO_ON[0] = 1u << 4;
  record->IO.GDO[1].MODE = 1;
  record->SCHEDULE.PATTERN[2].OUT[1].CH = {2, 2};  // GDO2
  const auto before = Snapshot();

  CDlgSetIoDoUsed doView(nullptr, *record, ui);
  test::ShowActive(doView);
  QTableView& table = *doView.list();
  EXPECT_EQ(doView.windowTitle(), "Which functions assigned to DO?");
  ASSERT_EQ(table.model()->columnCount(), 3);
  const char* headers[] = {"CH", "Function", "Detail"};
  for (int c = 0; c < 3; ++c) EXPECT_EQ(table.model()->headerData(c, Qt::Horizontal).toString(), headers[c]);
  EXPECT_EQ(table.model()->rowCount(), 128);
  EXPECT_EQ(Cell(table, 4, 0), "DO005");
  EXPECT_EQ(Cell(table, 4, 1), "I/O (AI001)");
  EXPECT_EQ(Cell(table, 4, 2), "Zone 1 Zone 3 ");
  EXPECT_EQ(Cell(table, 5, 0), "DO006");
  EXPECT_FALSE(test::UseListMenu(table, 4, "Copy"));
  test::DoubleClick(table, 4);
  QTest::keyClick(&doView, Qt::Key_Return);
  EXPECT_FALSE(doView.isVisible());

  CDlgSetIoGdoUsed gdoView(nullptr, *record, ui);
  test::ShowActive(gdoView);
  EXPECT_EQ(gdoView.windowTitle(), "Which functions assigned to GDO?");
  EXPECT_EQ(gdoView.list()->model()->rowCount(), 32);
  EXPECT_EQ(Cell(*gdoView.list(), 1, 0), "GDO02");
  EXPECT_EQ(Cell(*gdoView.list(), 1, 1), "Schduler (PAT No.3)");
  EXPECT_EQ(Cell(*gdoView.list(), 1, 2), "No.2 ");
  QTest::keyClick(&gdoView, Qt::Key_Escape);
  EXPECT_FALSE(gdoView.isVisible());
  EXPECT_TRUE(SameRecord(*record, *before));
  EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace tk48
