// The list screen over the channel families: columns, rows and labels of
// every family, when a row shows its name, double-click to edit, Copy and
// Paste of whole items, and the keys that close the screen.
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <cstdio>
#include <cstring>

#include "editors/toolkit/standard_lists.h"
#include "resources/strings.h"
#include "resources/text_ids.h"
#include "tests/editors/editor_fixture.h"

namespace tk48 {
namespace {

using test::ShowActive;

class ChannelList : public test::EditorTest {
 public:
  std::unique_ptr<ListScreen> Open(FamilyId family, ItemOpener open = {}) {
    auto list =
        std::make_unique<ListScreen>(nullptr, FamilyListSetup(*record, FamilyOf(family), std::move(open), "list"));
    ShowActive(*list);
    return list;
  }
  static QString Cell(const ListScreen& list, int row, int column) {
    return list.list()->model()->index(row, column).data().toString();
  }
  // A right-click on `row`: the row is selected, then the context menu asked for.
  static void RightClick(ListScreen& list, int row) {
    QTableView* table = list.list();
    const QPoint at = table->visualRect(table->model()->index(row, 0)).center();
    QTest::mouseClick(table->viewport(), Qt::RightButton, {}, at);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, table->viewport()->mapToGlobal(at));
    QApplication::sendEvent(table->viewport(), &event);
  }
  // Right-clicks `row` and chooses `entry` ("Copy", "Paste"); reports whether Paste was enabled.
  static bool UseMenu(ListScreen& list, int row, const char* entry) {
    bool pasteEnabled = false;
    test::WhenMenu([&](QMenu& menu) {
      for (QAction* action : menu.actions())
        if (action->text() == "Paste") pasteEnabled = action->isEnabled();
      if (QAction* chosen = test::Entry(menu, entry); chosen && chosen->isEnabled()) test::Choose(menu, chosen);
      else menu.close();
    });
    RightClick(list, row);
    return pasteEnabled;
  }
  void Name(AiCh& ch, std::int32_t type, const char* name, const char* comment) {
    ch.TYPE = type;
    std::strcpy(ch.NAME, name);
    std::strcpy(ch.COMMENT, comment);
  }
};

TEST_F(ChannelList, ThreeColumnsAndOneLabelledRowPerItem) {
  struct Case {
    FamilyId family;
    int rows;
    const char* first;
    const char* last;
  };
  const Case cases[] = {{FamilyId::Ai, 128, "AI001", "AI128"},
                        {FamilyId::Di, 256, "DI001", "DI256"},
                        {FamilyId::Pi, 128, "PI001", "PI128"},
                        {FamilyId::Ma, 256, "MA001", "MA256"},
                        {FamilyId::Md, 256, "MD001", "MD256"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.first);
    auto list = Open(c.family);
    QTableView* table = list->list();
    ASSERT_EQ(table->model()->rowCount(), c.rows);
    ASSERT_EQ(table->model()->columnCount(), 3);
    const char* headers[] = {"CH", "CH name", "CH comment"};
    const int widths[] = {60, 150, 150};
    for (int col = 0; col < 3; ++col) {
      EXPECT_EQ(table->model()->headerData(col, Qt::Horizontal).toString(), headers[col]);
      EXPECT_EQ(table->columnWidth(col), widths[col]);
    }
    EXPECT_EQ(Cell(*list, 0, 0), c.first);
    EXPECT_EQ(Cell(*list, c.rows - 1, 0), c.last);
    EXPECT_EQ(table->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_TRUE(table->showGrid());
  }
}

TEST_F(ChannelList, InputsShowNameAndCommentOnlyWhileInUse) {
  Name(record->IO.AI[0], 0, "off", "hidden");
  Name(record->IO.AI[1], 2, "Fl\xC3\xBC" "ss", "in use");
  record->IO.DI[0].TYPE = 0;
  std::strcpy(record->IO.DI[0].NAME, "di off");
  record->IO.MA[0].TYPE = 0;  // registers always show theirs
  std::strcpy(record->IO.MA[0].NAME, "ma name");
  std::strcpy(record->IO.MD[3].COMMENT, "md comment");
  auto ai = Open(FamilyId::Ai);
  EXPECT_EQ(Cell(*ai, 0, 1), "");
  EXPECT_EQ(Cell(*ai, 0, 2), "");
  EXPECT_EQ(Cell(*ai, 1, 1), QString::fromUtf8("Fl\xC3\xBCss"));
  EXPECT_EQ(Cell(*ai, 1, 2), "in use");
  EXPECT_EQ(Cell(*Open(FamilyId::Di), 0, 1), "");
  EXPECT_EQ(Cell(*Open(FamilyId::Ma), 0, 1), "ma name");
  EXPECT_EQ(Cell(*Open(FamilyId::Md), 3, 2), "md comment");
}

TEST_F(ChannelList, DoubleClickEditsTheRowAndShowsTheRecordAfterwards) {
  int opened = -1;
  auto list = Open(FamilyId::Ai, [&](QWidget*, SettingData& r, int index) {
    opened = index;
    Name(r.IO.AI[index], 1, "edited", "by the editor");
  });
  QTableView* table = list->list();
  const QPoint at = table->visualRect(table->model()->index(6, 1)).center();
  // A double-click as the window system delivers it: press, release, then the double-click.
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
  EXPECT_EQ(opened, 6);
  EXPECT_EQ(Cell(*list, 6, 1), "edited");
  EXPECT_EQ(Cell(*list, 6, 2), "by the editor");
}

TEST_F(ChannelList, PasteIsGreyedUntilACopy) {
  auto list = Open(FamilyId::Ai);
  EXPECT_FALSE(UseMenu(*list, 3, "Copy"));
  EXPECT_TRUE(UseMenu(*list, 8, "Paste"));
  // A new screen has forgotten the copied row.
  auto again = Open(FamilyId::Ai);
  EXPECT_FALSE(UseMenu(*again, 3, "Copy"));
}

TEST_F(ChannelList, PasteCopiesTheWholeItemWithoutAnyCheck) {
  AiCh& source = record->IO.AI[4];
  Name(source, 2, "AI5 name", "AI5 comment");
  source.SCALE_100 = 1e9;  // whatever the row holds goes along, checked or not
  source.USE_AREAS = 3;
  source.AREA[2].LEVEL_UPPER = 12.5;
  std::strcpy(source.AREA[2].UPPER.MESSAGE, "too hot");
  source.AREA[4].DO_ON[1] = 0x80000001u;
  auto list = Open(FamilyId::Ai);
  UseMenu(*list, 4, "Copy");
  UseMenu(*list, 9, "Paste");
  EXPECT_EQ(Cell(*list, 9, 1), "AI5 name");
  EXPECT_EQ(Cell(*list, 9, 2), "AI5 comment");
  EXPECT_EQ(std::memcmp(&record->IO.AI[9], &record->IO.AI[4], sizeof(AiCh)), 0);
  EXPECT_NE(std::memcmp(&record->IO.AI[8], &record->IO.AI[4], sizeof(AiCh)), 0);
  EXPECT_NE(std::memcmp(&record->IO.AI[10], &record->IO.AI[4], sizeof(AiCh)), 0);
}

TEST_F(ChannelList, BackEnterAndEscCloseWithoutWriting) {
  const auto before = Snapshot();
  for (const auto key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
    auto list = Open(FamilyId::Pi);
    list->list()->setFocus();
    QTest::keyClick(list->list(), key);
    EXPECT_FALSE(list->isVisible()) << key;
  }
  auto list = Open(FamilyId::Md);
  test::Click(list->backButton());
  EXPECT_FALSE(list->isVisible());
  EXPECT_TRUE(SameRecord(*record, *before));
}

// The list screen over a working copy that is not a channel family: a sample
// slave list whose paste and close may be refused, with an extra button.
struct Slave {
  char NAME[17];
  std::uint8_t SHARE;  // 0xFF: its own connection
};

class SlaveList : public test::EditorTest {
 protected:
  SlaveList() {
    for (int i = 0; i < 4; ++i) {
      std::snprintf(slaves[i].NAME, sizeof slaves[i].NAME, "slave %d", i + 1);
      slaves[i].SHARE = 0xFF;
    }
    slaves[2].SHARE = 0;  // slave 3 shares slave 1's connection
  }
  ListScreenSetup SlaveSetup() {
    ListScreenSetup setup;
    setup.title = "Slaves";
    setup.list.rows = 4;
    setup.list.columns = {{text::kColumnCh, 60, [](int row) { return QString::number(row + 1); }},
                         {text::kColumnChName, 150, [this](int row) { return QString(slaves[row].NAME); }}};
    setup.list.paste = [this](int from, int to) { slaves[to] = slaves[from]; };
    // A sharing slave pastes only onto a later one.
    setup.list.pasteAllowed = [this](int from, int to) {
      if (slaves[from].SHARE == 0xFF || from < to) return true;
      ui.Message(LoadText(147), Icon::Error);
      return false;
    };
    setup.closeAllowed = [this] {
      if (!closeRefused) return true;
      ui.Message("duplicate", Icon::Error);
      return false;
    };
    setup.buttons = {{text::kCopy, [this](QWidget*, int row) { pressedOn = row; }}};
    return setup;
  }
  std::unique_ptr<ListScreen> Open() {
    auto screen = std::make_unique<ListScreen>(nullptr, SlaveSetup());
    ShowActive(*screen);
    return screen;
  }
  Slave slaves[4] = {};
  bool closeRefused = false;
  int pressedOn = -2;
};

TEST_F(SlaveList, CopyAndPasteOverTheWorkingCopy) {
  auto screen = Open();
  EXPECT_EQ(screen->list()->model()->index(1, 1).data().toString(), "slave 2");
  ChannelList::UseMenu(*screen, 0, "Copy");
  ChannelList::UseMenu(*screen, 3, "Paste");
  EXPECT_STREQ(slaves[3].NAME, "slave 1");
  EXPECT_EQ(screen->list()->model()->index(3, 1).data().toString(), "slave 1");
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SlaveList, APasteVetoShowsItsMessageAndChangesNothing) {
  auto screen = Open();
  ChannelList::UseMenu(*screen, 2, "Copy");
  ChannelList::UseMenu(*screen, 1, "Paste");
  EXPECT_EQ(Texts(), std::vector<std::string>{"Cannot paste."});
  EXPECT_STREQ(slaves[1].NAME, "slave 2");
  ChannelList::UseMenu(*screen, 3, "Paste");  // onto a later slave it goes
  EXPECT_STREQ(slaves[3].NAME, "slave 3");
}

TEST_F(SlaveList, ACloseVetoKeepsTheScreenOpenWhicheverWayItIsLeft) {
  closeRefused = true;
  auto screen = Open();
  test::Click(screen->backButton());
  QTest::keyClick(screen->list(), Qt::Key_Return);
  QTest::keyClick(screen->list(), Qt::Key_Escape);
  screen->close();
  EXPECT_TRUE(screen->isVisible());
  EXPECT_EQ(Texts(), std::vector<std::string>(4, "duplicate"));
  closeRefused = false;
  test::Click(screen->backButton());
  EXPECT_FALSE(screen->isVisible());
}

TEST_F(SlaveList, AnExtraButtonGetsTheSelectedRow) {
  auto screen = Open();
  test::Click(screen->button(0));
  EXPECT_EQ(pressedOn, -1);
  screen->list()->SelectRow(2);
  test::Click(screen->button(0));
  EXPECT_EQ(pressedOn, 2);
}

// The template chooser: ticks only on templates in use, Select all and Clear
// all, double-click toggles, OK drops the bits of templates not in use.
class TemplateChooser : public test::EditorTest {
 protected:
  TemplateChooser() {
    for (int m : {0, 4, 40, 127}) {
      record->MAIL_REPORT.FORM[m].MODE = 1;
      std::snprintf(record->MAIL_REPORT.FORM[m].TITLE, 97, "subject %d", m + 1);
    }
  }
  std::uint32_t bits[4] = {0x00000013u, 0, 0x00000100u, 0x80000000u};  // templates 1, 2, 5, 73, 128
};

TEST_F(TemplateChooser, ShowsTicksOnlyForTemplatesInUse) {
  ListScreen chooser(nullptr, TemplateChooserSetup(*record, bits, "Template"));
  const QAbstractItemModel* model = chooser.list()->model();
  ASSERT_EQ(model->rowCount(), 128);
  EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), "No.");
  EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), "Subject");
  EXPECT_EQ(model->index(0, 0).data().toString(), "01");
  EXPECT_EQ(model->index(0, 1).data().toString(), "subject 1");
  EXPECT_EQ(model->index(1, 1).data().toString(), "");  // not in use: no subject, no tick
  EXPECT_FALSE(model->index(1, 0).data(Qt::CheckStateRole).isValid());
  EXPECT_EQ(model->index(0, 0).data(Qt::CheckStateRole).toInt(), Qt::Checked);
  EXPECT_EQ(model->index(127, 0).data(Qt::CheckStateRole).toInt(), Qt::Checked);
  EXPECT_EQ(model->index(40, 0).data(Qt::CheckStateRole).toInt(), Qt::Unchecked);
}

TEST_F(TemplateChooser, OkStoresTheTicksAndDropsTemplatesNotInUse) {
  ListScreen chooser(nullptr, TemplateChooserSetup(*record, bits, "Template"));
  ShowActive(chooser);
  chooser.list()->Edit(0);   // double-click toggles: template 1 off
  chooser.list()->Edit(1);   // not in use: nothing
  chooser.list()->Edit(40);  // template 41 on
  QTest::keyClick(chooser.list(), Qt::Key_Return);
  EXPECT_EQ(chooser.result(), QDialog::Accepted);
  EXPECT_EQ(bits[0], 0x00000010u);
  EXPECT_EQ(bits[1], 0x00000100u);
  EXPECT_EQ(bits[2], 0u);
  EXPECT_EQ(bits[3], 0x80000000u);
}

TEST_F(TemplateChooser, SelectAllClearAllAndCancel) {
  std::uint32_t kept[4];
  std::memcpy(kept, bits, sizeof bits);
  {
    ListScreen chooser(nullptr, TemplateChooserSetup(*record, bits, "Template"));
    ShowActive(chooser);
    chooser.list()->SelectRow(3);
    ChannelList::UseMenu(chooser, 3, "Select all");
    QTest::keyClick(chooser.list(), Qt::Key_Escape);
    EXPECT_EQ(std::memcmp(kept, bits, sizeof bits), 0);
  }
  ListScreen chooser(nullptr, TemplateChooserSetup(*record, bits, "Template"));
  ShowActive(chooser);
  ChannelList::UseMenu(chooser, 3, "Select all");
  test::Click(chooser.button(0));  // OK
  EXPECT_EQ(bits[0], 0x00000011u);
  EXPECT_EQ(bits[1], 0x00000100u);
  EXPECT_EQ(bits[3], 0x80000000u);
  ListScreen again(nullptr, TemplateChooserSetup(*record, bits, "Template"));
  ShowActive(again);
  ChannelList::UseMenu(again, 3, "Clear all");
  test::Click(again.button(0));
  EXPECT_EQ(bits[0] | bits[1] | bits[2] | bits[3], 0u);
}

}  // namespace
}  // namespace tk48
