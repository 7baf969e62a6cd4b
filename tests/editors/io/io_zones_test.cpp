// The zone editor and its action lists: the limit order, the guarded
// Partitions list, the page a failure shows, what OK commits, colours, and the
// action lists over bit sets with their changeable rows.
#include <QHeaderView>
#include <QPushButton>
#include <cstring>

#include "editors/io/CDlgSetIoArea.h"
#include "editors/io/action_lists.h"
#include "tests/editors/editor_fixture.h"

namespace tk48 {
namespace {

using test::Click;
using test::Pick;
using test::ShowActive;
using Area = CDlgSetIoArea;

class IoZones : public test::EditorTest {
 public:
  IoZones() { zones = ZonesOf(record->IO.AI[0]); }
  std::unique_ptr<Area> Open(int count) {
    zones.USE_AREAS = static_cast<std::int16_t>(count);
    auto editor = std::make_unique<Area>(nullptr, *record, zones, 460, 7, ui);
    ShowActive(*editor);
    return editor;
  }
  ZoneBlock zones{};
};

TEST_F(IoZones, LimitOrder) {
  struct Case {
    int n;
    int zone;  // the zone whose limit is set (1-based)
    bool upper;
    const char* value;
    const char* message;
  };
  // Default limits: zone k from 20(k-1) to 20k.
  const Case cases[] = {
      {2, 2, false, "20.000", ""},  // L2 = U1: zones may touch
      {2, 2, false, "19.999", "Limit value error: Zone 1upper limit > zone 2 lower limit"},
      {3, 2, true, "20.000", "Limit value error: Zone 2 upper limit =< zone 2 lower limit"},
      {3, 3, false, "39", "Limit value error: Zone 2 upper limit > zone 3 lower limit"},
      {4, 4, false, "59", "Limit value error: Zone 3 upper limit > zone 4 lower limit"},
      {4, 3, true, "40", "Limit value error: Zone 3 upper limit =< zone 3 lower limit"},
      {5, 5, false, "79", "Limit value error: Zone 4 upper limit > zone 5 lower limit"},
      {5, 4, true, "60", "Limit value error: Zone 4 upper limit =< zone 4 lower limit"},
      {5, 5, true, "-1", ""},  // the highest zone's upper limit is not in use
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.value) + " n " + std::to_string(c.n));
    ui.messages.clear();
    auto editor = Open(c.n);
    editor->pages->setCurrentIndex(Area::kDownward);
    Area::ZoneRow& row = editor->zone[c.zone - 1];
    (c.upper ? row.upper : row.lower)->setText(c.value);
    editor->OkStep();
    if (*c.message) {
      EXPECT_EQ(Texts(), std::vector<std::string>{c.message});
      EXPECT_EQ(editor->pages->currentIndex(), Area::kBasic);
      EXPECT_TRUE(editor->isVisible());
    } else {
      EXPECT_TRUE(ui.messages.empty()) << ui.Last();
      EXPECT_EQ(zones.USE_AREAS, c.n);
    }
  }
}

TEST_F(IoZones, FieldChecksAndThePageTheyShow) {
  const QString tooLong = QString::fromUtf8("\xC3\xA9") + QString(32, u'a');
  struct Case {
    int n;
    QLineEdit* (*field)(Area&);
    const char* message;
    Area::Page page;
  };
  const Case cases[] = {
      {2, [](Area& a) { return a.zone[0].name; }, "Setting error: Zone 1 name", Area::kBasic},
      {5, [](Area& a) { return a.zone[4].name; }, "Setting error: Zone 5 name", Area::kBasic},
      {4, [](Area& a) { return a.zone[3].lower; }, "Setting error: Zone 4 lower limit", Area::kBasic},
      {5, [](Area& a) { return a.zone[3].upper; }, "Setting error: Zone 4 upper limit", Area::kBasic},
      {3, [](Area& a) { return a.upward[1].message; }, "Setting error: Zone 3 message", Area::kUpward},
      {3, [](Area& a) { return a.downward[0].message; }, "Setting error: Zone 1 message", Area::kDownward},
      {3, [](Area& a) { return a.downward[2].message; }, "", Area::kBasic},  // zone 3 of 3: not in use
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    ui.messages.clear();
    auto editor = Open(c.n);
    c.field(*editor)->setText(c.field(*editor) == editor->zone[3].lower || c.field(*editor) == editor->zone[3].upper
                                  ? QString("x")
                                  : tooLong);
    editor->OkStep();
    if (*c.message) {
      ASSERT_EQ(ui.messages.size(), 1u);
      EXPECT_EQ(ui.Last().substr(0, std::strlen(c.message)), c.message);
      EXPECT_EQ(editor->pages->currentIndex(), c.page);
    } else {
      EXPECT_TRUE(ui.messages.empty()) << ui.Last();
    }
  }
}

TEST_F(IoZones, FewerPartitionsAreGuardedMoreAreFree) {
  auto editor = Open(4);
  editor->zone[3].name->setText(QString::fromUtf8("\xC3\xA9") + QString(32, u'a'));
  Pick(editor->partitions, 2);  // 4 -> 3
  EXPECT_EQ(ui.Last(), "Setting error: Zone 4 name\nMax. 32 characters (alphanumerical: 64 characters)");
  EXPECT_EQ(editor->Count(), 4);
  auto two = Open(2);
  two->zone[1].lower->setText("5");  // out of order, but fewer zones are not asked for
  ui.messages.clear();
  Pick(two->partitions, 2);  // 2 -> 3
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(two->Count(), 3);
  EXPECT_TRUE(two->zone[2].lower->isEnabled());
  EXPECT_FALSE(two->zone[2].upper->isEnabled());
  EXPECT_TRUE(two->upward[1].message->isEnabled());    // zone 3
  EXPECT_FALSE(two->downward[2].message->isEnabled());  // zone 3 of 3
  // The order is tested at the old count, too.
  Pick(two->partitions, 1);  // 3 -> 2
  EXPECT_EQ(ui.Last(), "Limit value error: Zone 1upper limit > zone 2 lower limit");
  EXPECT_EQ(two->Count(), 3);
}

TEST_F(IoZones, OkCommitsTheZonesInUseOnly) {
  const ZoneBlock before = zones;
  auto editor = Open(2);
  Pick(editor->partitions, 2);  // 3 zones
  editor->zone[2].name->setText("high");
  editor->upward[1].eventLog->setChecked(false);  // zone 3 upward
  Pick(editor->upward[1].eventNo, 4);
  Pick(editor->partitions, 1);  // back to 2: zone 3 is no longer in use
  editor->zone[0].name->setText("low");
  editor->zone[0].lower->setText("-5");  // zone 1 has no lower limit
  ui.colors = {0xFF0000};
  Click(editor->zone[1].colour);
  editor->OkStep();
  ASSERT_TRUE(ui.messages.empty()) << ui.Last();
  EXPECT_EQ(zones.USE_AREAS, 2);
  EXPECT_STREQ(zones.AREA[0].AREA_NAME, "low");
  EXPECT_EQ(zones.AREA[0].LEVEL_LOWER, before.AREA[0].LEVEL_LOWER);
  EXPECT_EQ(zones.AREA[1].AREA_COLOR, 0x00FF0000u);
  EXPECT_EQ(std::memcmp(&zones.AREA[2], &before.AREA[2], sizeof(AlarmArea)), 0);
  // An event row in use.
  auto three = Open(3);
  three->upward[1].eventLog->setChecked(false);
  Pick(three->upward[1].eventNo, 4);
  three->downward[0].message->setText("falling");
  three->OkStep();
  EXPECT_EQ(zones.AREA[2].UPPER.EVENT_LOG, 0);
  EXPECT_EQ(zones.AREA[2].UPPER.EVENT_NO, 5);
  EXPECT_STREQ(zones.AREA[0].LOWER.MESSAGE, "falling");
  EXPECT_EQ(Open(3)->windowTitle(), "Alarm zone setting (AI007)");
}

TEST_F(IoZones, ActionListsEditTheZoneCopy) {
  auto editor = Open(2);
  test::WhenModal<ActionListDialog>([](ActionListDialog& list) {
    test::DoubleClick(*list.list(), 0);
  });
  test::WhenModal<ActionStateDialog>([](ActionStateDialog& chooser) {
    chooser.state->setCurrentIndex(1);
    chooser.accept();
    test::WhenModal<ActionListDialog>([](ActionListDialog& list) { list.reject(); });
  });
  Click(editor->zone[0].actions[0]);  // MD
  EXPECT_EQ(zones.AREA[0].MD_ON[0], 1u) << "Back keeps the change in the zone copy";
  editor->reject();  // the channel editor drops its copy of the copy
}

class ActionLists : public test::EditorTest {
 public:
  std::uint32_t bits[8] = {};
};

TEST_F(ActionLists, ColumnsRowsAndStates) {
  struct Case {
    ActionKind kind;
    const char* title;
    int rows;
    const char* first;
    const char* state;
    const char* on;
  };
  const Case cases[] = {
      {ActionKind::Md, "Alarm output (MD)", 256, "MD001", "Output", "ON"},
      {ActionKind::Do, "Alarm output (DO)", 128, "DO001", "Output", "ON"},
      {ActionKind::Gdo, "Alarm output (GDO)", 32, "GDO01", "Output", "ON"},
      {ActionKind::ResetPi, "Reset totalized value (PI)", 128, "PI001", "Reset", "Enable"},
      {ActionKind::ResetMa, "Reset function value (MA)", 256, "MA001", "Reset", "Enable"},
  };
  record->IO.DO[0].TYPE = 1;
  record->IO.GDO[0].MODE = 1;
  record->IO.PI[0].TYPE = 1;
  bits[0] = 1;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title);
    ActionListDialog list(nullptr, *record, c.kind, std::span<std::uint32_t>(bits, c.rows / 32));
    EXPECT_EQ(list.windowTitle(), c.title);
    const QTableView& t = *list.list();
    ASSERT_EQ(t.model()->rowCount(), c.rows);
    const int widths[] = {50, 150, 150, 70};
    for (int col = 0; col < 4; ++col) EXPECT_EQ(t.columnWidth(col), widths[col]);
    EXPECT_EQ(t.model()->headerData(3, Qt::Horizontal).toString(), c.state);
    EXPECT_EQ(test::Cell(t, 0, 0), c.first);
    EXPECT_EQ(test::Cell(t, 0, 3), c.on);
  }
}

TEST_F(ActionLists, OutputsNotInUseShowNoStateAndTakeNoChange) {
  record->IO.DO[4].TYPE = 0;  // DO005
  record->IO.DO[5].TYPE = 1;
  record->IO.GDO[2].MODE = 0;
  record->IO.GDO[3].MODE = 1;
  std::strcpy(record->IO.GDO[3].NAME, "siren");
  bits[0] = 0xFFFFFFFFu;
  struct Case {
    ActionKind kind;
    int off;  // a row not in use
    int on;   // a row in use
    int words;
  };
  for (const Case c : {Case{ActionKind::Do, 4, 5, 4}, Case{ActionKind::Gdo, 2, 3, 1}}) {
    std::uint32_t before[8];
    std::memcpy(before, bits, sizeof bits);
    ActionListDialog list(nullptr, *record, c.kind, std::span<std::uint32_t>(bits, c.words));
    ShowActive(list);
    QTableView& t = *list.list();
    EXPECT_EQ(test::Cell(t, c.off, 3), "");
    EXPECT_EQ(test::Cell(t, c.on, 3), "ON");
    test::DoubleClick(t, c.off);  // opens nothing
    EXPECT_FALSE(test::UseListMenu(t, c.off, "Copy")) << "no menu on a row not in use";
    bits[0] &= ~(1u << c.on);
    list.list()->RefreshAll();
    EXPECT_EQ(test::Cell(t, c.on, 3), "OFF");
    test::UseListMenu(t, c.on, "Copy");
    EXPECT_FALSE(test::UseListMenu(t, c.off, "Paste"));
    EXPECT_EQ(bits[0] & (1u << c.off), before[0] & (1u << c.off));
    bits[0] = 0xFFFFFFFFu;
  }
  ActionListDialog gdo(nullptr, *record, ActionKind::Gdo, std::span<std::uint32_t>(bits, 1));
  EXPECT_EQ(test::Cell(*gdo.list(), 3, 1), "siren");
}

TEST_F(ActionLists, DoubleClickChooserAndPasteOfOneBit) {
  ActionListDialog list(nullptr, *record, ActionKind::Md, std::span<std::uint32_t>(bits, 8));
  ShowActive(list);
  QTableView& t = *list.list();
  QString title;
  test::WhenModal<ActionStateDialog>([&](ActionStateDialog& chooser) {
    title = chooser.windowTitle();
    EXPECT_EQ(chooser.state->currentText(), "OFF");
    chooser.state->setCurrentIndex(1);
    QTest::keyClick(&chooser, Qt::Key_Return);
  });
  test::DoubleClick(t, 2);
  EXPECT_EQ(title, "MD003");
  EXPECT_EQ(bits[0], 0x4u);
  EXPECT_EQ(test::Cell(t, 2, 3), "ON");
  test::UseListMenu(t, 2, "Copy");
  test::UseListMenu(t, 255, "Paste");
  EXPECT_EQ(bits[7], 0x80000000u);
  // Cancel in the chooser changes nothing.
  test::WhenModal<ActionStateDialog>([](ActionStateDialog& chooser) {
    chooser.state->setCurrentIndex(0);
    chooser.reject();
  });
  test::DoubleClick(t, 2);
  EXPECT_EQ(bits[0], 0x4u);
  // Esc closes the list; the bits stay as changed.
  QTest::keyClick(&list, Qt::Key_Escape);
  EXPECT_FALSE(list.isVisible());
  EXPECT_EQ(bits[0], 0x4u);
}

TEST_F(ActionLists, TheEditedChannelShowsAsItsScreenHoldsIt) {
  record->IO.PI[4].TYPE = 0;
  const ZoneOwner owner{FamilyId::Pi, 4, true, "counter", "on screen"};
  ActionListDialog list(nullptr, *record, ActionKind::ResetPi, std::span<std::uint32_t>(bits, 4), &owner);
  EXPECT_EQ(test::Cell(*list.list(), 4, 1), "counter");
  EXPECT_EQ(test::Cell(*list.list(), 4, 3), "Disable");
  EXPECT_EQ(test::Cell(*list.list(), 5, 3), "");
}

TEST_F(IoZones, MailTemplateButtonsOpenTheTemplateChooser) {
  record->MAIL_REPORT.FORM[2].MODE = 1;
  auto editor = Open(2);
  QString title;
  test::WhenModal<ListScreen>([&](ListScreen& chooser) {
    title = chooser.windowTitle();
    test::DoubleClick(*chooser.list(), 2);
    chooser.accept();
  });
  Click(editor->upward[0].mail);  // zone 2, rising
  EXPECT_EQ(title, "Mail template No.");
  EXPECT_EQ(zones.AREA[1].UPPER.MAIL[0], 0x4u);
}

}  // namespace
}  // namespace tk48
