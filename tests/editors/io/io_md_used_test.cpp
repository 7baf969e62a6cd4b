// "Which functions assigned to MD?" from the MD list: the rows of every MD,
// the FTP client's send commands (the scheduler log's too), and an MD no
// function switches shows its label alone.
#include <QPushButton>

#include "editors/io/CDlgSetIoMdCh.h"
#include "editors/io/CDlgSetIoMdUsed.h"
#include "tests/editors/editor_fixture.h"

namespace tk48 {
namespace {

using test::Cell;

class MdUsed : public test::EditorTest {};

TEST_F(MdUsed, OpensFromTheMdListAndListsEveryMd) {
  record->IO.MA[9].USE_AREAS = 2;
  record->IO.MA[9].AREA[1].MD_ON[7] = 1u << 25;  // MD250
  record->COM.FTPC.MODE = 1;
  record->COM.FTPC.COM_SCHD = 3;
  record->COM.FTPC.COM_LOG = 3;
  const auto before = Snapshot();
  ListScreen list(nullptr, MdListSetup(*record, ui));
  test::ShowActive(list);
  ASSERT_EQ(list.button(0)->text(), "Which functions assigned to MD?");
  bool seen = false;
  test::WhenModal<CDlgSetIoMdUsed>([&](CDlgSetIoMdUsed& view) {
    seen = true;
    QTableView& table = *view.list();
    EXPECT_EQ(view.windowTitle(), "Which functions assigned to MD?");
    EXPECT_EQ(table.model()->rowCount(), 256);  // one kind each: on the MD's own row
    EXPECT_EQ(Cell(table, 2, 0), "MD003");
    EXPECT_EQ(Cell(table, 2, 1), "Communication");
    EXPECT_EQ(Cell(table, 2, 2), "Logging data transmission command Scheduler log transmission command");
    EXPECT_EQ(Cell(table, 0, 0), "MD001");
    EXPECT_EQ(Cell(table, 0, 1), "");
    EXPECT_EQ(Cell(table, 249, 0), "MD250");
    EXPECT_EQ(Cell(table, 249, 1), "I/O (MA010)");
    EXPECT_EQ(Cell(table, 249, 2), "Zone 2 ");
    view.reject();
  });
  test::Click(list.button(0));
  EXPECT_TRUE(seen);
  EXPECT_TRUE(SameRecord(*record, *before));
}

}  // namespace
}  // namespace tk48
