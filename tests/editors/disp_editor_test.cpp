// "Graph/Display": the data view's eight pages over the DISP.DATA bit sets.
#include <QPushButton>
#include <QTabWidget>
#include <cstring>

#include "editors/CDlgSetDisp.h"
#include "tests/editors/editor_fixture.h"

namespace tk48 {
namespace {

using test::Click;
using test::Put;
using test::ShowActive;
using test::WhenMenu;

class DispTest : public test::EditorTest {
 protected:
  static void MenuOn(ListView* list, int row, const char* entry) {
    list->SelectRow(row);
    WhenMenu([entry](QMenu& menu) { test::Choose(menu, test::Entry(menu, entry)); });
    list->ContextMenu({});
  }
};

TEST_F(DispTest, DataViewListsEveryChannelOfTheEightFamilies) {
  Put(record->IO.AI[4].NAME, "Boiler");
  record->IO.AI[4].TYPE = 1;
  Put(record->IO.AI[5].NAME, "Spare");
  record->IO.AI[5].TYPE = 0;
  Put(record->IO.MD[99].NAME, "Flag");
  record->DISP.DATA.AI[0] = 0xFFFFFFEFu;  // AI05 not shown
  CDlgSetDispData data(nullptr, *record, ui);
  EXPECT_EQ(data.windowTitle(), "Data view setting");
  ASSERT_EQ(data.PageCount(), 8);
  QStringList tabs;
  int rows = 0;
  for (int i = 0; i < 8; ++i) {
    tabs << data.Tabs()->tabText(i);
    rows += data.Page(i)->model()->rowCount();
  }
  EXPECT_EQ(tabs, (QStringList{"AI", "DI", "PI", "MA", "MD", "AO", "DO", "GDO"}));
  EXPECT_EQ(rows, 1248);
  EXPECT_EQ(data.Tabs()->currentIndex(), 0);
  ListView* ai = data.Page(0);
  EXPECT_EQ(ai->model()->headerData(0, Qt::Horizontal).toString(), "CH");
  EXPECT_EQ(ai->model()->headerData(1, Qt::Horizontal).toString(), "CH name");
  EXPECT_EQ(test::Cell(*ai, 4, 0), "05");
  EXPECT_EQ(test::Cell(*ai, 4, 1), "Boiler");
  EXPECT_EQ(test::Cell(*ai, 5, 1), "") << "an AI not in use shows no name";
  EXPECT_EQ(ai->model()->index(4, 0).data(Qt::CheckStateRole).toInt(), Qt::Unchecked);
  EXPECT_EQ(ai->model()->index(5, 0).data(Qt::CheckStateRole).toInt(), Qt::Checked);
  EXPECT_EQ(test::Cell(*data.Page(1), 255, 0), "256");
  EXPECT_EQ(test::Cell(*data.Page(4), 99, 1), "Flag") << "an MD always counts as in use";
  EXPECT_EQ(test::Cell(*data.Page(7), 31, 0), "32");
  ai->Edit(4);  // a double-click ticks AI05 again
  ai->Edit(5);  // and clears AI06
  ShowActive(data);
  QTest::keyClick(&data, Qt::Key_Return);
  EXPECT_FALSE(data.isVisible());
  EXPECT_EQ(record->DISP.DATA.AI[0], 0xFFFFFFDFu);
}

TEST_F(DispTest, ClearAllOnMdOnlyClearsTheMdBitSets) {
  const DataView before = record->DISP.DATA;
  CDlgSetDispData data(nullptr, *record, ui);
  ShowActive(data);
  data.Tabs()->setCurrentIndex(4);
  MenuOn(data.Page(4), 0, "Clear all");
  Click(data.okButton());
  for (const std::uint32_t word : record->DISP.DATA.MD) EXPECT_EQ(word, 0u);
  DataView expected = before;
  std::fill(std::begin(expected.MD), std::end(expected.MD), 0u);
  EXPECT_EQ(std::memcmp(&record->DISP.DATA, &expected, sizeof expected), 0) << "the other families keep their bits";
}

TEST_F(DispTest, CancelAndEscapeStoreNoPage) {
  const DataView before = record->DISP.DATA;
  for (const bool escape : {false, true}) {
    CDlgSetDispData data(nullptr, *record, ui);
    ShowActive(data);
    MenuOn(data.Page(0), 0, "Clear all");
    MenuOn(data.Page(7), 0, "Clear all");
    if (escape)
      QTest::keyClick(&data, Qt::Key_Escape);
    else
      Click(data.cancelButton());
    EXPECT_EQ(std::memcmp(&record->DISP.DATA, &before, sizeof before), 0) << escape;
  }
}

}  // namespace
}  // namespace tk48
