// The output screens: AO with its mapping screen, DO, GDO with its member
// screen, and their lists' close checks and view buttons.
#include <QPushButton>
#include <algorithm>
#include <cstring>
#include <functional>

#include "editors/io/CDlgSetIoAo.h"
#include "editors/io/CDlgSetIoDo.h"
#include "editors/io/CDlgSetIoDoUsed.h"
#include "editors/io/CDlgSetIoGdo.h"
#include "tests/editors/editor_fixture.h"

namespace tk48 {
namespace {

using test::Pick;
using test::ShowActive;
using Ao = CDlgSetIoAoCh;
using Map = CDlgSetIoAoMap;

class IoOutputs : public test::EditorTest {
 public:
  NodeConf& nodes = record->IO.NODE_CONF;
  void Slave(int slave, const char* address, std::int32_t type) {
    std::memset(nodes.NODE[slave], 0, sizeof nodes.NODE[slave]);
    std::strcpy(nodes.NODE[slave], address);
    nodes.NODE_TYPE[slave] = type;
  }
  template <class Screen>
  std::unique_ptr<Screen> Open(int index) {
    auto editor = std::make_unique<Screen>(nullptr, *record, index, ui);
    ShowActive(*editor);
    return editor;
  }
  std::unique_ptr<ListScreen> OpenList(ListScreenSetup setup) {
    auto list = std::make_unique<ListScreen>(nullptr, std::move(setup));
    ShowActive(*list);
    return list;
  }
};

// ---- AO --------------------------------------------------------------------------------

TEST_F(IoOutputs, AoListRefusesAPastedDuplicateOnEveryWayOut) {
  AoCh& first = record->IO.AO[1];
  first.TYPE = 1;
  first.CARD_NO = 3;
  first.CARD_CH = 2;
  auto list = OpenList(AoListSetup(*record, ui));
  EXPECT_EQ(test::Cell(*list->list(), 4, 0), "AO05");
  ASSERT_TRUE(test::UseListMenu(*list->list(), 1, "Copy"));
  ASSERT_TRUE(test::UseListMenu(*list->list(), 6, "Paste"));
  test::Click(list->backButton());
  QTest::keyClick(list->list(), Qt::Key_Return);
  QTest::keyClick(list->list(), Qt::Key_Escape);
  list->close();
  EXPECT_TRUE(list->isVisible());
  EXPECT_EQ(Texts(), std::vector<std::string>(4, "Duplicate channel setting: AO02 and AO07"));
  record->IO.AO[6].CARD_CH = 3;
  test::Click(list->backButton());
  EXPECT_FALSE(list->isVisible());
}

TEST_F(IoOutputs, AoOkNamesTheFirstDuplicateByEachKey) {
  Slave(1, "10.0.0.2", 0);  // Modbus/TCP
  Slave(2, "10.0.0.3", 0);
  Slave(3, "10.0.0.4", 1);  // SLMP
  struct Case {
    const char* what;
    std::function<void(AoCh&)> other;  // AO03 and AO09 are set so; AO05 is edited
    std::function<void(Ao&)> edit;
    std::string message;
  };
  const Case cases[] = {
      {"module", [](AoCh& c) { c.TYPE = 1; c.CARD_NO = 4; c.CARD_CH = 2; },
       [](Ao& e) { Pick(e.point.kind, Ao::kIoModule); e.point.moduleAddress->setText("4"); e.point.chNo->setText("2"); },
       "Duplicate channel setting: AO03"},
      {"modbus", [](AoCh& c) { c.TYPE = 2; c.MOD_NODE = 1; c.MOD_TYPE = 4; c.MOD_ADDRESS = 100; },
       [](Ao& e) { Pick(e.point.kind, Ao::kModbusTcp); e.point.slaveNo->setText("1"); e.point.registerAddress->setText("100"); },
       "Duplicate channel setting: AO03"},
      {"modbus on another slave", [](AoCh& c) { c.TYPE = 2; c.MOD_NODE = 1; c.MOD_TYPE = 4; c.MOD_ADDRESS = 100; },
       [](Ao& e) { Pick(e.point.kind, Ao::kModbusTcp); e.point.slaveNo->setText("2"); e.point.registerAddress->setText("100"); }, ""},
      {"slmp", [](AoCh& c) { c.TYPE = 3; c.MOD_NODE = 3; c.SLMP_DEV_CODE = 0x00B4; c.SLMP_DEV_NO = 26; },
       [](Ao& e) {
         Pick(e.point.kind, Ao::kSlmp);
         e.point.slaveNo->setText("3");
         Pick(e.point.slmp.device, 2);
         e.point.slmp.hex->setText("1A");
       },
       "Duplicate channel setting: AO03"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (AoCh& ch : record->IO.AO) ch.TYPE = 0;
    c.other(record->IO.AO[2]);
    c.other(record->IO.AO[8]);
    ui.messages.clear();
    auto editor = Open<Ao>(4);
    c.edit(*editor);
    const auto before = Snapshot();
    editor->OkStep();
    if (c.message.empty()) {
      EXPECT_TRUE(ui.messages.empty()) << ui.Last();
      EXPECT_EQ(record->IO.AO[4].MOD_TYPE, 4);
    } else {
      EXPECT_EQ(Texts(), std::vector<std::string>{c.message});
      EXPECT_TRUE(SameRecord(*record, *before));
    }
  }
}

TEST_F(IoOutputs, AoSlmpHexNumberCarryAndSlaveChecks) {
  Slave(1, "10.0.0.2", 1);  // SLMP
  Slave(2, "", 0);          // Modbus/TCP sharing slave 4's connection
  nodes.SHAR_ID[2] = 4;
  Slave(4, "10.0.0.5", 0);
  AoCh& ao = record->IO.AO[4];
  auto editor = Open<Ao>(4);
  Pick(editor->point.kind, Ao::kSlmp);
  editor->point.slaveNo->setText("1");
  Pick(editor->point.slmp.device, 2);  // "00B4H_Link register (W)"
  editor->point.slmp.hex->setText("1A");
  EXPECT_EQ(editor->point.slmp.decimal->text(), "0");
  Pick(editor->point.slmp.device, 1);  // decimal: the number comes along
  EXPECT_EQ(editor->point.slmp.decimal->text(), "26");
  EXPECT_EQ(editor->point.slmp.hex->text(), "00000000");
  Pick(editor->point.slmp.device, 2);
  EXPECT_EQ(editor->point.slmp.hex->text(), "0000001a");
  editor->OkStep();
  EXPECT_TRUE(ui.messages.empty()) << ui.Last();
  EXPECT_EQ(ao.SLMP_DEV_CODE, 0x00B4);
  EXPECT_EQ(ao.SLMP_DEV_NO, 26u);

  struct Case {
    int kind;
    const char* slave;
    std::string message;
  };
  const Case cases[] = {
      {Ao::kModbusTcp, "2", ""},  // the shared slave's address serves
      {Ao::kModbusTcp, "1", "Setting error: Slave No.\nSLMP is selected as slave."},
      {Ao::kSlmp, "4", "Setting error: Slave No.\nModbus/TCP is selected as slave."},
      {Ao::kSlmp, "2", "Setting error: Slave address.\nSet IP address to designated slave."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.slave);
    ui.messages.clear();
    auto e = Open<Ao>(7);
    Pick(e->point.kind, c.kind);
    e->point.slaveNo->setText(c.slave);
    e->point.registerAddress->setText("5");
    e->OkStep();
    EXPECT_EQ(ui.messages.empty() ? std::string() : ui.Last(), c.message);
  }
}

TEST_F(IoOutputs, AoStoredValuesNeverTrapTheUser) {
  AoCh& ao = record->IO.AO[0];
  std::memset(ao.NAME, 'x', 40);
  ao.NAME[40] = 0;
  auto editor = Open<Ao>(0);
  editor->OkStep();
  EXPECT_EQ(Texts(), std::vector<std::string>{"Setting error: CH name\nMax. 16 characters (alphanumerical: 32 characters)"});
  Pick(editor->point.kind, Ao::kIoModule);  // a disabled name does not block the change
  EXPECT_EQ(editor->point.kind->currentIndex(), Ao::kIoModule);
  editor->name->setText("ok");
  editor->OkStep();
  EXPECT_EQ(ao.TYPE, 1);
  EXPECT_STREQ(ao.NAME, "ok");

  // Equal limits with the browser off: OK refuses, turning it on is allowed.
  ui.messages.clear();
  ao.WEB = 0;
  ao.WEB_LOWER = ao.WEB_UPPER = 5;
  auto again = Open<Ao>(0);
  EXPECT_FALSE(again->lower->isEnabled());
  again->OkStep();
  EXPECT_EQ(ui.Last(), "Setting error: Control limit on browser(Lower limit >= Upper limit)");
  Pick(again->web, 1);
  EXPECT_EQ(again->web->currentIndex(), 1);
  EXPECT_TRUE(again->upper->isEnabled());
  again->upper->setText("6.000");
  ui.messages.clear();
  again->OkStep();
  EXPECT_TRUE(ui.messages.empty()) << ui.Last();
  EXPECT_EQ(ao.WEB, 1);
  EXPECT_EQ(ao.WEB_UPPER, 6.0);
}

TEST_F(IoOutputs, AoMappingModesAndWorkingCopy) {
  AoCh& ao = record->IO.AO[2];
  ao.TYPE = 1;
  ao.WEB = 1;
  ao.IO_MAPPING.MODE = Map::kModeDiscrete;
  for (ChannelRef& bit : ao.IO_MAPPING.BIT) bit = {2, 7};  // DI7
  auto editor = Open<Ao>(2);
  EXPECT_FALSE(editor->web->isEnabled());

  // Bit 3 fixed 1: HIGH with channel 0; Cancel on the channel leaves the record.
  test::WhenModal<Map>([](Map& map) {
    EXPECT_TRUE(map.bitChannel[3]->isEnabled());
    Pick(map.bitType[3], Map::kBitHigh);
    EXPECT_FALSE(map.bitChannel[3]->isEnabled());
    EXPECT_EQ(map.bitChannel[3]->count(), 0);
    map.OkStep();
  });
  test::Click(editor->mappingButton);
  EXPECT_EQ(editor->Mapping().BIT[3].kind, 1);
  EXPECT_EQ(editor->Mapping().BIT[3].no, 0);
  EXPECT_EQ(editor->Mapping().BIT[4].no, 7);
  const auto before = Snapshot();
  editor->reject();
  EXPECT_TRUE(SameRecord(*record, *before));

  // Discrete to Analog: the bits are cleared to LOW/1, the browser goes off.
  ao.IO_MAPPING.MODE = Map::kModeNone;
  auto second = Open<Ao>(2);
  EXPECT_TRUE(second->web->isEnabled());
  EXPECT_TRUE(second->lower->isEnabled());
  test::WhenModal<Map>([](Map& map) {
    Pick(map.mode, Map::kModeDiscrete);
    Pick(map.mode, Map::kModeAnalog);
    Pick(map.analogType, 1);  // MA
    map.analogChannel->setCurrentIndex(9);
    map.OkStep();
  });
  test::Click(second->mappingButton);
  EXPECT_FALSE(second->web->isEnabled());
  EXPECT_FALSE(second->lower->isEnabled());
  second->OkStep();
  EXPECT_EQ(ao.IO_MAPPING.MODE, Map::kModeAnalog);
  EXPECT_EQ(ao.IO_MAPPING.ANALOG.kind, 1);
  EXPECT_EQ(ao.IO_MAPPING.ANALOG.no, 10);
  for (const ChannelRef& bit : ao.IO_MAPPING.BIT) {
    EXPECT_EQ(bit.kind, 0);
    EXPECT_EQ(bit.no, 1);
  }
}

// ---- DO --------------------------------------------------------------------------------

TEST_F(IoOutputs, DoMappingConflicts) {
  DoCh& d = record->IO.DO[4];
  d.TYPE = 1;
  struct Case {
    const char* what;
    std::function<void(SettingData&)> set;
    std::string message;
  };
  const Case cases[] = {
      {"scheduler", [](SettingData& r) { r.SCHEDULE.PATTERN[2].OUT[1].CH = {1, 5}; },
       "The DO is assigned to Scheduler.\nNot usable for I/O mapping."},
      {"member of a disabled GDO", [](SettingData& r) { r.IO.GDO[1].MODE = 0; r.IO.GDO[1].CH[6] = {1, 5}; },
       "The DO is assigned to GDO2.\nNot usable for I/O mapping."},
      {"free", [](SettingData&) {}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    record->SCHEDULE.PATTERN[2].OUT[1].CH = {0, 1};
    record->IO.GDO[1].CH[6] = {0, 0};
    d.IO_MAPPING = {0, 1};
    c.set(*record);
    ui.messages.clear();
    auto editor = Open<CDlgSetIoDoCh>(4);
    EXPECT_TRUE(editor->web->isEnabled());
    Pick(editor->mappingType, OutputEditor::kMapDi);
    EXPECT_FALSE(editor->web->isEnabled());
    EXPECT_TRUE(editor->mappingChannel->isEnabled());
    editor->OkStep();
    EXPECT_EQ(ui.messages.empty() ? std::string() : ui.Last(), c.message);
    EXPECT_EQ(d.IO_MAPPING.kind, c.message.empty() ? 1 : 0);
  }
}

TEST_F(IoOutputs, DoStaleConflictOnADisabledDoAndColours) {
  DoCh& d = record->IO.DO[4];
  d.TYPE = 0;
  d.IO_MAPPING = {2, 10};
  record->SCHEDULE.PATTERN[0].OUT[0].CH = {1, 5};
  auto editor = Open<CDlgSetIoDoCh>(4);
  editor->OkStep();
  EXPECT_EQ(Texts(), std::vector<std::string>{"The DO is assigned to Scheduler.\nNot usable for I/O mapping."});
  Pick(editor->point.kind, CDlgSetIoDoCh::kIoModule);  // the mapping Type is off: no conflict check
  EXPECT_EQ(editor->point.kind->currentIndex(), CDlgSetIoDoCh::kIoModule);
  Pick(editor->mappingType, OutputEditor::kNoMapping);
  ui.colors.push_back(0x00FF0000);
  test::Click(editor->onColour);
  ui.messages.clear();
  editor->OkStep();
  EXPECT_TRUE(ui.messages.empty()) << ui.Last();
  EXPECT_EQ(d.TYPE, 1);
  EXPECT_EQ(d.IO_MAPPING.kind, 0);
  EXPECT_EQ(d.STATUS.ON.DISP_COLOR, 0x00FF0000u);
  EXPECT_EQ(d.MOD_TYPE, 0);
}

TEST_F(IoOutputs, DoListDuplicateAndViewButton) {
  for (int i : {2, 9}) {
    record->IO.DO[i].TYPE = 3;
    record->IO.DO[i].MOD_NODE = 1;
    record->IO.DO[i].SLMP_DEV_CODE = 0x009C;
    record->IO.DO[i].SLMP_DEV_NO = 0x20;
  }
  auto list = OpenList(DoListSetup(*record, ui));
  EXPECT_EQ(list->button(0)->text(), "Which functions assigned to DO?");
  test::WhenModal<CDlgSetIoDoUsed>([](CDlgSetIoDoUsed& view) {
    EXPECT_EQ(test::Cell(*view.list(), 2, 0), "DO003");
    view.reject();
  });
  test::Click(list->button(0));
  QTest::keyClick(list->list(), Qt::Key_Escape);
  EXPECT_TRUE(list->isVisible());
  EXPECT_EQ(Texts(), std::vector<std::string>{"Duplicate channel setting: DO003 and DO010"});
}

// The DO screen's fields stand in their described order: the states, then
// "Invert", then the mapping and the browser control.
TEST_F(IoOutputs, DoFieldsStandInTheirOrder) {
  record->IO.DO[0].TYPE = 1;
  auto editor = Open<CDlgSetIoDoCh>(0);
  std::vector<std::pair<int, QString>> placed;
  for (const QWidget* w : editor->findChildren<QWidget*>())
    if (!w->accessibleName().isEmpty() && w->isVisible())
      placed.emplace_back(w->mapTo(editor.get(), QPoint(0, 0)).y(), w->accessibleName());
  std::stable_sort(placed.begin(), placed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  const auto at = [&](const char* name) {
    for (std::size_t i = 0; i < placed.size(); ++i)
      if (placed[i].second == QString::fromUtf8(name)) return static_cast<int>(i);
    ADD_FAILURE() << "no field " << name;
    return -1;
  };
  EXPECT_LT(at("Status (OFF) (Display comment)"), at("Invert"));
  EXPECT_LT(at("Invert"), at("I/O mapping (Type)"));
  EXPECT_LT(at("I/O mapping (CH)"), at("Control on browser"));
}

// ---- GDO -------------------------------------------------------------------------------

TEST_F(IoOutputs, GdoMembersMappingAndPaste) {
  record->IO.DO[4].TYPE = 1;
  record->IO.DO[4].IO_MAPPING = {1, 3};  // DO5 follows DI3
  GdoCh& g = record->IO.GDO[1];
  g.MODE = 1;
  auto editor = Open<CDlgSetIoGdoCh>(1);
  EXPECT_EQ(editor->windowTitle(), "GDO02");

  // The member screen refuses the mapped DO on OK; the Type refills at once.
  test::WhenModal<CDlgSetIoGdoIncCh>([this](CDlgSetIoGdoIncCh& member) {
    Pick(member.type, CDlgSetIoGdoIncCh::kTypeDo);
    EXPECT_EQ(member.channel->count(), 128);
    member.channel->setCurrentIndex(4);
    member.OkStep();
    EXPECT_EQ(ui.Last(), "The DO is assigned to I/O mapping.");
    Pick(member.type, CDlgSetIoGdoIncCh::kTypeMd);
    member.channel->setCurrentIndex(9);
    member.OkStep();
  });
  test::DoubleClick(*editor->members, 0);
  EXPECT_EQ(editor->Members()[0].kind, 2);
  EXPECT_EQ(editor->Members()[0].no, 10);
  EXPECT_EQ(test::Cell(*editor->members, 0, 1), "MD010");

  // Mapped to MD10 with MD10 a member.
  Pick(editor->mappingType, OutputEditor::kMapMd);
  editor->mappingChannel->setCurrentIndex(9);
  ui.messages.clear();
  editor->OkStep();
  EXPECT_EQ(Texts(), std::vector<std::string>{"The channel is assigned to I/O mapping.\nNot usable for GDO."});
  Pick(editor->mappingType, OutputEditor::kNoMapping);

  // A pasted mapped DO is refused by the GDO's OK, its row selected.
  editor->members->Refresh(0);
  g.CH[5] = {0, 0};
  const_cast<GdoMembers&>(editor->Members())[3] = {1, 5};
  ASSERT_TRUE(test::UseListMenu(*editor->members, 3, "Copy"));
  ASSERT_TRUE(test::UseListMenu(*editor->members, 20, "Paste"));
  const_cast<GdoMembers&>(editor->Members())[3] = {0, 0};
  ui.messages.clear();
  editor->OkStep();
  EXPECT_EQ(Texts(), std::vector<std::string>{"The DO is assigned to I/O mapping."});
  EXPECT_EQ(editor->members->SelectedRow(), 20);
  const_cast<GdoMembers&>(editor->Members())[20] = {0, 0};
  ui.colors.push_back(0x00FF0000);
  test::Click(editor->offColour);
  ui.messages.clear();
  editor->OkStep();
  EXPECT_TRUE(ui.messages.empty()) << ui.Last();
  EXPECT_EQ(g.CH[0].kind, 2);
  EXPECT_EQ(g.CH[0].no, 10);
  EXPECT_EQ(g.STATUS.OFF.DISP_COLOR, 0x00FF0000u);
}

TEST_F(IoOutputs, GdoInSchedulerAndListClosesWithDuplicates) {
  GdoCh& g = record->IO.GDO[3];
  g.MODE = 1;
  record->SCHEDULE.PATTERN[9].OUT[0].CH = {2, 4};
  auto editor = Open<CDlgSetIoGdoCh>(3);
  Pick(editor->mappingType, OutputEditor::kMapDi);
  editor->OkStep();
  EXPECT_EQ(Texts(), std::vector<std::string>{"The GDO is assigned to Scheduler.\nNot usable for I/O mapping."});
  editor->reject();

  record->IO.GDO[0].CH[0] = record->IO.GDO[1].CH[0] = {1, 1};
  ui.messages.clear();
  auto list = OpenList(GdoListSetup(*record, ui));
  EXPECT_EQ(list->button(0)->text(), "Which functions assigned to GDO?");
  QTest::keyClick(list->list(), Qt::Key_Escape);
  EXPECT_FALSE(list->isVisible());
  EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace tk48
