// "Graph/Display": the data view's eight pages over the DISP.DATA bit sets.
#include <QGroupBox>
#include <QPushButton>
#include <QTabWidget>
#include <cstring>
#include <functional>

#include "editors/display/CDlgSetDisp.h"
#include "editors/display/CDlgSetDispTrend.h"
#include "editors/toolkit/list_screen.h"
#include "tests/editors/editor_fixture.h"

namespace tk48 {
namespace {

using test::Click;
using test::Pick;
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
  EXPECT_EQ(ai->columnWidth(0), 80);
  EXPECT_EQ(ai->columnWidth(1), 280);
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

// The page screen's edge cases: each row prepares the record, acts on page
// 1's screen, presses OK and expects either a refusal (the record untouched)
// or the stored page.
TEST_F(DispTest, TrendPageEdgeCases) {
  using Page = CDlgSetDispTrendPage;
  struct Case {
    const char* what;
    std::function<void(SettingData&)> prepare;
    std::function<void(Page&)> act;
    const char* refusal;  // nullptr: OK closes the screen
    std::function<void(const TrendPage&, Page&)> check;
  } cases[] = {
      {"1 day enables Hour, which is stored",
       [](SettingData& r) { r.DISP.TREND.TREND_PAGE[0].TREND_TIME = 5; },
       [](Page& s) {
         EXPECT_FALSE(s.hour->isEnabled());
         Pick(s.speed, 10);
         EXPECT_TRUE(s.hour->isEnabled());
         s.hour->setCurrentIndex(23);
       },
       nullptr, [](const TrendPage& p, Page&) {
         EXPECT_EQ(p.TREND_SPEED, 10);
         EXPECT_EQ(p.TREND_TIME, 23);
       }},
      {"another speed disables Hour and keeps its value",
       [](SettingData& r) {
         r.DISP.TREND.TREND_PAGE[0].TREND_SPEED = 10;
         r.DISP.TREND.TREND_PAGE[0].TREND_TIME = 7;
       },
       [](Page& s) {
         Pick(s.speed, 4);
         EXPECT_FALSE(s.hour->isEnabled());
       },
       nullptr, [](const TrendPage& p, Page&) {
         EXPECT_EQ(p.TREND_SPEED, 4);
         EXPECT_EQ(p.TREND_TIME, 7);
       }},
      {"pen 2 on DI lists 256 channels without limits or unit", [](SettingData&) {},
       [](Page& s) {
         Pick(s.pens[1].type, 2);
         EXPECT_EQ(s.pens[1].channel->count(), 256);
         EXPECT_EQ(s.pens[1].channel->itemText(0).left(4), "001 ");
         EXPECT_EQ(s.pens[1].channel->itemText(255).left(3), "256");
         EXPECT_EQ(s.pens[1].channel->currentIndex(), 0);
         EXPECT_TRUE(s.pens[1].thick->isEnabled());
         EXPECT_TRUE(s.pens[1].channel->isEnabled());
         EXPECT_FALSE(s.pens[1].lower->isEnabled());
         EXPECT_FALSE(s.pens[1].upper->isEnabled());
         EXPECT_EQ(s.pens[1].unit->text(), "");
       },
       nullptr, [](const TrendPage& p, Page&) {
         EXPECT_EQ(p.PEN[1].kind, 2);
         EXPECT_EQ(p.PEN[1].no, 1);
       }},
      {"pen 1 on AI: an unused AI005 shows no name and no unit",
       [](SettingData& r) {
         Put(r.IO.AI[4].NAME, "Spare");
         Put(r.IO.AI[4].UNIT, "degC");
         r.IO.AI[4].TYPE = 0;
         Put(r.IO.AI[5].NAME, "Boiler");
         Put(r.IO.AI[5].UNIT, "kPa");
         r.IO.AI[5].TYPE = 1;
       },
       [](Page& s) {
         Pick(s.pens[0].type, 1);
         EXPECT_TRUE(s.pens[0].lower->isEnabled());
         EXPECT_EQ(s.pens[0].channel->itemText(4), "005 ");
         s.pens[0].channel->setCurrentIndex(5);
         EXPECT_EQ(s.pens[0].unit->text(), "kPa");
         s.pens[0].channel->setCurrentIndex(4);
         EXPECT_EQ(s.pens[0].unit->text(), "");
       },
       nullptr, [](const TrendPage& p, Page&) {
         EXPECT_EQ(p.PEN[0].kind, 1);
         EXPECT_EQ(p.PEN[0].no, 5);
       }},
      {"a bad upper limit of a None pen 3 still stops OK", [](SettingData&) {},
       [](Page& s) { s.pens[2].upper->setText("1e11"); }, "Setting error: Pen setting 3(Upper limit)", {}},
      {"pen 1's type change is checked by its own limits only", [](SettingData&) {},
       [this](Page& s) {
         Pick(s.pens[0].type, 1);
         Pick(s.pens[1].type, 4);
         s.pens[1].upper->setText("xyz");
         s.pens[0].lower->setText("abc");
         Pick(s.pens[0].type, 2);
         EXPECT_EQ(ui.Last(), "Setting error: Pen setting 1(Lower limit)");
         EXPECT_EQ(s.pens[0].type->currentIndex(), 1) << "the type stays";
         EXPECT_EQ(s.pens[0].channel->count(), 128);
         EXPECT_TRUE(s.pens[0].lower->isEnabled());
         s.pens[0].lower->setText("0");
         Pick(s.pens[0].type, 2);
         EXPECT_EQ(s.pens[0].type->currentIndex(), 2) << "pen 2's bad upper limit does not guard pen 1";
         s.pens[1].upper->setText("100");
       },
       nullptr, [](const TrendPage& p, Page&) { EXPECT_EQ(p.PEN[0].kind, 2); }},
      {"lower 200 over upper 100 is accepted", [](SettingData&) {},
       [](Page& s) {
         Pick(s.pens[0].type, 4);
         s.pens[0].lower->setText("200.000");
         s.pens[0].upper->setText("100.000");
       },
       nullptr, [](const TrendPage& p, Page&) {
         EXPECT_EQ(p.RANGE_L[0], 200.0);
         EXPECT_EQ(p.RANGE_H[0], 100.0);
       }},
      {"a pen set to None stores 0 and keeps colour, thickness and limits",
       [](SettingData& r) {
         TrendPage& p = r.DISP.TREND.TREND_PAGE[0];
         p.PEN[3] = {6, 9};
         p.THICK[3] = 1;
         p.RANGE_L[3] = -5.5;
         p.RANGE_H[3] = 55.5;
       },
       [](Page& s) {
         Pick(s.pens[3].type, 0);
         EXPECT_FALSE(s.pens[3].colour->isEnabled());
         EXPECT_FALSE(s.pens[3].upper->isEnabled());
       },
       nullptr, [](const TrendPage& p, Page&) {
         EXPECT_EQ(p.PEN[3].kind, 0);
         EXPECT_EQ(p.PEN[3].no, 0);
         EXPECT_EQ(p.COLOR[3], 0x00008000u);
         EXPECT_EQ(p.THICK[3], 1);
         EXPECT_EQ(p.RANGE_L[3], -5.5);
         EXPECT_EQ(p.RANGE_H[3], 55.5);
       }},
      {"\"...\" starts on black; a cancelled chooser keeps the colour",
       [](SettingData&) {},
       [this](Page& s) {
         Pick(s.pens[0].type, 1);
         Pick(s.pens[1].type, 2);
         ui.colors = {0x123456u, std::nullopt};
         Click(s.pens[0].colour);
         Click(s.pens[1].colour);
         EXPECT_EQ(ui.colorPrompts, (std::vector<std::uint32_t>{0u, 0u}));
       },
       nullptr, [](const TrendPage& p, Page&) {
         EXPECT_EQ(p.COLOR[0], 0x123456u);
         EXPECT_EQ(p.COLOR[1], 0x00FF0000u);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ApplyDefaults(*record);
    ui.messages.clear();
    ui.colorPrompts.clear();
    c.prepare(*record);
    const TrendPage before = record->DISP.TREND.TREND_PAGE[0];
    Page screen(nullptr, *record, record->DISP.TREND.TREND_PAGE[0], 0, ui);
    ShowActive(screen);
    c.act(screen);
    ui.messages.clear();
    screen.OkStep();
    if (c.refusal) {
      EXPECT_EQ(ui.Last(), c.refusal);
      EXPECT_TRUE(screen.isVisible());
      EXPECT_EQ(std::memcmp(&record->DISP.TREND.TREND_PAGE[0], &before, sizeof before), 0);
    } else {
      EXPECT_TRUE(ui.messages.empty()) << ui.Last();
      EXPECT_FALSE(screen.isVisible());
      c.check(record->DISP.TREND.TREND_PAGE[0], screen);
    }
  }
}

TEST_F(DispTest, PenGroupsReadAsTheirMessages) {
  CDlgSetDispTrendPage page(nullptr, *record, record->DISP.TREND.TREND_PAGE[0], 0, ui);
  QStringList titles;
  for (const QGroupBox* box : page.findChildren<QGroupBox*>()) titles << box->title();
  EXPECT_EQ(titles, QStringList({"Pen setting 1", "Pen setting 2", "Pen setting 3", "Pen setting 4"}));
}

TEST_F(DispTest, PasteOfPage1OntoPage5CopiesTheWholePage) {
  TrendPage& one = record->DISP.TREND.TREND_PAGE[0];
  Put(one.NAME, "Boilers");
  one.TREND_SPEED = 10;
  one.TREND_TIME = 6;
  one.PEN[2] = {4, 10};
  one.COLOR[2] = 0x00ABCDEFu;
  one.RANGE_H[2] = 250.0;
  ListScreen list(nullptr, TrendPageListSetup(*record, ui));
  EXPECT_EQ(list.windowTitle(), "Trend page setting");
  ASSERT_EQ(list.list()->model()->rowCount(), 16);
  EXPECT_EQ(test::Cell(*list.list(), 4, 0), "Page5");
  EXPECT_EQ(test::Cell(*list.list(), 4, 1), "PAGE5");
  ShowActive(list);
  MenuOn(list.list(), 0, "Copy");
  MenuOn(list.list(), 4, "Paste");
  EXPECT_EQ(std::memcmp(&record->DISP.TREND.TREND_PAGE[4], &one, sizeof one), 0);
  EXPECT_EQ(test::Cell(*list.list(), 4, 1), "Boilers");
}

}  // namespace
}  // namespace tk48
