// The discrete input editor: kinds and their stored values, the ON and OFF
// state groups with their checks on disabled fields, and their bit sets on
// the working copy.
#include <QPushButton>
#include <cstring>

#include "editors/io/CDlgSetIoDiCh.h"
#include "editors/io/action_lists.h"
#include "tests/editors/editor_fixture.h"

namespace tk48 {
namespace {

using test::Pick;
using test::ShowActive;
using Di = CDlgSetIoDiCh;

class IoDi : public test::EditorTest {
 public:
  DiCh& di = record->IO.DI[9];
  std::unique_ptr<Di> Open(int index = 9) {
    auto editor = std::make_unique<Di>(nullptr, *record, index, ui);
    ShowActive(*editor);
    return editor;
  }
};

TEST_F(IoDi, KindsStoreTheirFields) {
  struct Case {
    const char* what;
    int kind;
    std::function<void(Di&)> fill;
    std::function<void(const DiCh&)> expect;
  };
  const Case cases[] = {
      {"I/O module takes CH No. 16", Di::kIoModule,
       [](Di& e) {
         e.moduleAddress->setText("16");
         e.chNo->setText("16");
       },
       [](const DiCh& d) { EXPECT_EQ(d.CARD_CH, 16); }},
      {"Modbus/TCP coil is stored as 0", Di::kModbusTcp,
       [](Di& e) {
         e.slaveNo->setText("0");
         e.registerType->setCurrentIndex(Di::kCoil);
         e.registerAddress->setText("65536");
       },
       [](const DiCh& d) {
         EXPECT_EQ(d.MOD_TYPE, 0);
         EXPECT_EQ(d.MOD_ADDRESS, 65536u);
       }},
      {"AI005 bit 15", Di::kAi,
       [](Di& e) {
         e.aiCh->setCurrentIndex(4);
         e.aiBit->setCurrentIndex(15);
       },
       [](const DiCh& d) {
         EXPECT_EQ(d.AI_CH, 5);
         EXPECT_EQ(d.AI_BIT, 15);
       }},
  };
  // A slave with an address for the Modbus/TCP case.
  std::strcpy(record->IO.NODE_CONF.NODE[0], "10.0.0.1");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ui.messages.clear();
    auto editor = Open();
    Pick(editor->kind, c.kind);
    ASSERT_EQ(editor->kind->currentIndex(), c.kind);
    c.fill(*editor);
    editor->OkStep();
    EXPECT_TRUE(ui.messages.empty()) << ui.Last();
    EXPECT_EQ(di.TYPE, c.kind);
    c.expect(di);
  }
}

TEST_F(IoDi, FieldChecksInOrder) {
  struct Case {
    const char* what;
    int kind;
    std::function<void(Di&)> fill;
    const char* message;
  };
  const Case cases[] = {
      {"module address 17", Di::kIoModule, [](Di& e) { e.moduleAddress->setText("17"); },
       "Setting error: Module address\nUsable range: 1 to 16"},
      {"CH No. 17", Di::kIoModule, [](Di& e) { e.chNo->setText("17"); }, "Setting error: CH No.\nUsable range: 1 to 16"},
      {"register address 0", Di::kModbusTcp, [](Di& e) { e.registerAddress->setText("0"); },
       "Setting error: Modbus/TCP register address\nUsable range: 1 to 65536"},
      {"ON display comment of 17", Di::kDemo, [](Di& e) { e.on->display->setText(QString(17, u'a')); },
       "Setting error: Status (ON) display comment\nMax. 8 characters (alphanumerical: 16 characters)"},
      {"OFF display before the delays", Di::kDemo,
       [](Di& e) {
         e.off->display->setText(QString(17, u'a'));
         e.on->delay->setText("1000");
       },
       "Setting error: Status (OFF) display comment\nMax. 8 characters (alphanumerical: 16 characters)"},
      {"OFF delay 1000", Di::kDemo, [](Di& e) { e.off->delay->setText("1000"); },
       "Setting error: Off delay\nUsable range: 0 to 999"},
      {"ON message of 65", Di::kDemo, [](Di& e) { e.on->message->setText(QString(65, u'a')); },
       "Setting error: Status (ON) message\nMax. 32 characters (alphanumerical: 64 characters)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ApplyDefaults(*record);
    ui.messages.clear();
    auto editor = Open();
    Pick(editor->kind, c.kind);
    c.fill(*editor);
    const auto before = Snapshot();
    editor->OkStep();
    EXPECT_EQ(Texts(), std::vector<std::string>{c.message});
    EXPECT_TRUE(SameRecord(*record, *before));
  }
}

TEST_F(IoDi, DisabledChannelWithALongOffMessageCanBePutRight) {
  std::string text;
  for (int i = 0; i < 33; ++i) text += "\xC3\xA9";  // 33 non-ASCII characters
  test::Put(di.STATUS.OFF.MESSAGE, text);
  di.TYPE = Di::kDisable;
  auto editor = Open();
  EXPECT_FALSE(editor->off->message->isEnabled());
  const auto before = Snapshot();
  editor->OkStep();
  EXPECT_EQ(Texts(), std::vector<std::string>{"Setting error: Status (OFF) message\nMax. 32 characters "
                                              "(alphanumerical: 64 characters)"});
  EXPECT_TRUE(SameRecord(*record, *before));
  ui.messages.clear();
  Pick(editor->kind, Di::kIoModule);
  ASSERT_EQ(editor->kind->currentIndex(), Di::kIoModule) << ui.Last();
  EXPECT_TRUE(editor->off->message->isEnabled());
  editor->off->message->setText("closed");
  editor->OkStep();
  EXPECT_TRUE(ui.messages.empty()) << ui.Last();
  EXPECT_STREQ(di.STATUS.OFF.MESSAGE, "closed");
}

TEST_F(IoDi, StateBitSetsLiveOnTheWorkingCopy) {
  record->IO.PI[2].TYPE = 1;  // PI003 in use: its reset can be set
  for (const bool ok : {false, true}) {
    SCOPED_TRACE(ok);
    ApplyDefaults(*record);
    record->IO.PI[2].TYPE = 1;
    auto editor = Open();
    Pick(editor->kind, Di::kDemo);
    test::WhenModal<ActionListDialog>([](ActionListDialog& list) {
      auto* table = list.findChild<QTableView*>();
      ASSERT_NE(table, nullptr);
      test::DoubleClick(*table, 2);
      list.reject();
    });
    test::WhenModal<ActionStateDialog>([](ActionStateDialog& state) {
      state.state->setCurrentIndex(1);
      state.accept();
    });
    test::Click(editor->on->resetPi);
    EXPECT_EQ(editor->on->Bits().RESET_PI[0], 1u << 2);
    EXPECT_EQ(di.STATUS.ON.RESET_PI[0], 0u) << "the record waits for OK";
    if (ok) {
      editor->OkStep();
      EXPECT_EQ(di.STATUS.ON.RESET_PI[0], 1u << 2);
    } else {
      editor->reject();
      EXPECT_EQ(di.STATUS.ON.RESET_PI[0], 0u);
    }
  }
}

}  // namespace
}  // namespace tk48
