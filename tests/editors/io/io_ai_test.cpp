// The analog input editor: kinds and their enables, "Time" forcing its values,
// the SLMP device with its two number boxes, the checks and the slave
// cross-checks, the zones' order on OK, and OK without edits.
#include <QPushButton>
#include <cstring>

#include "checks/slave_checks.h"
#include "editors/io/CDlgSetIoAiCh.h"
#include "editors/io/CDlgSetIoArea.h"
#include "tests/editors/editor_fixture.h"

namespace tk48 {
namespace {

using test::Pick;
using test::ShowActive;
using Ai = CDlgSetIoAiCh;

class IoAi : public test::EditorTest {
 public:
  NodeConf& nodes = record->IO.NODE_CONF;
  AiCh& ai = record->IO.AI[6];
  void Address(int slave, const char* text) {
    std::memset(nodes.NODE[slave], 0, sizeof nodes.NODE[slave]);
    std::strcpy(nodes.NODE[slave], text);
  }
  std::unique_ptr<Ai> Open(int index = 6) {
    auto editor = std::make_unique<Ai>(nullptr, *record, index, ui);
    ShowActive(*editor);
    return editor;
  }
};

TEST_F(IoAi, TimeForcesItsValuesAndDisablesThem) {
  ai.AI_DATA_TYPE = 0;
  ai.FILTER = 1;
  ai.POINT = 3;
  auto editor = Open();
  EXPECT_EQ(editor->windowTitle(), "AI007");
  EXPECT_FALSE(editor->name->isEnabled());
  Pick(editor->kind, Ai::kTime);
  ASSERT_EQ(editor->kind->currentIndex(), Ai::kTime);
  EXPECT_EQ(editor->dataType->currentIndex(), Ai::kInt);
  EXPECT_EQ(editor->scaleInt->text(), "1.000");
  EXPECT_EQ(editor->filter->currentIndex(), Ai::kNoFilter);
  EXPECT_EQ(editor->point->currentText(), "0");
  for (QWidget* w : std::initializer_list<QWidget*>{editor->dataType, editor->scaleInt, editor->filter, editor->point,
                                                    editor->samples, editor->moduleAddress, editor->slaveNo})
    EXPECT_FALSE(w->isEnabled()) << w->accessibleName().toStdString();
  for (QWidget* w : std::initializer_list<QWidget*>{editor->timeInput, editor->unit, editor->name, editor->comment,
                                                    editor->zonesButton})
    EXPECT_TRUE(w->isEnabled()) << w->accessibleName().toStdString();
  editor->OkStep();
  EXPECT_EQ(ai.TYPE, Ai::kTime);
  EXPECT_EQ(ai.AI_DATA_TYPE, 1);
  EXPECT_EQ(ai.SCALE, 1.0);
  EXPECT_EQ(ai.FILTER, 0);
  EXPECT_EQ(ai.POINT, 0);
}

TEST_F(IoAi, SlaveCrossChecks) {
  struct Case {
    const char* what;
    std::int32_t kind;
    void (*prepare)(IoAi&);
    const char* message;
  };
  const Case cases[] = {
      {"Modbus/TCP through a sharing slave", kTypeModbusTcp,
       [](IoAi& t) {
         t.Address(1, "10.0.0.1");
         t.nodes.SHAR_ID[3] = 1;
       },
       ""},
      {"the shared slave without an address", kTypeModbusTcp, [](IoAi& t) { t.nodes.SHAR_ID[3] = 1; },
       "Setting error: Slave address.\nSet IP address to designated slave."},
      {"SLMP does not go through sharing", kTypeSlmp,
       [](IoAi& t) {
         t.Address(1, "10.0.0.1");
         t.nodes.NODE_TYPE[3] = kSlaveSlmp;
         t.nodes.SHAR_ID[3] = 1;
       },
       "Setting error: Slave address.\nSet IP address to designated slave."},
      {"SLMP on a Modbus/TCP slave", kTypeSlmp, [](IoAi& t) { t.Address(3, "10.0.0.3"); },
       "Setting error: Slave No.\nModbus/TCP is selected as slave."},
      {"Modbus/TCP on an SLMP slave", kTypeModbusTcp,
       [](IoAi& t) {
         t.Address(3, "10.0.0.3");
         t.nodes.NODE_TYPE[3] = kSlaveSlmp;
       },
       "Setting error: Slave No.\nSLMP is selected as slave."},
      {"SLMP on an SLMP slave", kTypeSlmp,
       [](IoAi& t) {
         t.Address(3, "10.0.0.3");
         t.nodes.NODE_TYPE[3] = kSlaveSlmp;
       },
       ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ApplyDefaults(*record);
    c.prepare(*this);
    const auto before = Snapshot();
    ui.messages.clear();
    auto editor = Open();
    Pick(editor->kind, c.kind);
    editor->slaveNo->setText("3");
    editor->OkStep();
    if (*c.message) {
      EXPECT_EQ(Texts(), std::vector<std::string>{c.message});
      EXPECT_TRUE(SameRecord(*record, *before));
    } else {
      EXPECT_TRUE(ui.messages.empty()) << ui.Last();
      EXPECT_EQ(ai.TYPE, c.kind);
      EXPECT_EQ(ai.MOD_NODE, 3);
    }
  }
}

TEST_F(IoAi, FieldChecks) {
  struct Case {
    int kind;
    QLineEdit* Ai::*field;
    const char* text;
    const char* message;
  };
  // Keyboard picks step through the entries: kinds below "Time" keep the data type.
  const Case cases[] = {
      {Ai::kIoModule, &Ai::moduleAddress, "17", "Setting error: Module address\nUsable range: 1 to 16"},
      {Ai::kIoModule, &Ai::chNo, "0", "Setting error: CH No.\nUsable range: 1 to 4"},
      {Ai::kModbusTcp, &Ai::slaveNo, "32", "Setting error: Slave address\nUsable range: 0 to 31"},
      {Ai::kModbusTcp, &Ai::registerAddress, "65537",
       "Setting error: Modbus/TCP register address\nUsable range: 1 to 65536"},
      {Ai::kControlInput, &Ai::name, "abcdefghijklmnopqrstuvwxyz0123456",
       "Setting error: CH name\nMax. 16 characters (alphanumerical: 32 characters)"},
      {Ai::kControlInput, &Ai::timeConstant, "101", "Setting error: Time constant\nUsable range: 0 to 100"},
      {Ai::kControlInput, &Ai::scale100, "1.0005", "Setting error: Scaling 100 %"},
      {Ai::kControlInput, &Ai::unit, "abcdefghijklmnopq",
       "Setting error: Engineering unit\nMax. 8 characters (alphanumerical: 16 characters)"},
      {Ai::kDisable, &Ai::timeConstant, "x", "Setting error: Time constant"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    ApplyDefaults(*record);
    const auto before = Snapshot();
    ui.messages.clear();
    auto editor = Open();
    Pick(editor->kind, c.kind);
    ((*editor).*c.field)->setText(c.text);
    editor->OkStep();
    EXPECT_EQ(Texts(), std::vector<std::string>{c.message});
    EXPECT_TRUE(SameRecord(*record, *before));
  }
  // Scaling Int 0 fails with the non-zero suffix.
  ApplyDefaults(*record);
  ui.messages.clear();
  auto editor = Open();
  Pick(editor->kind, Ai::kControlInput);
  Pick(editor->dataType, Ai::kInt);
  editor->scaleInt->setText("0");
  editor->OkStep();
  EXPECT_EQ(ui.Last(), "Setting error: Scaling Int\nUsable range: -10000000000.000 to 10000000000.000 (except 0)");
}

TEST_F(IoAi, AGuardedChangeIsRefusedWhileAFieldInUseFails) {
  ai.TYPE = Ai::kIoModule;
  auto editor = Open();
  editor->scale0->setText("abc");
  Pick(editor->dataType, Ai::kInt);
  EXPECT_EQ(Texts(), std::vector<std::string>{"Setting error: Scaling 0 %"});
  EXPECT_EQ(editor->dataType->currentIndex(), Ai::kPercent);
}

TEST_F(IoAi, SlmpDeviceNumberInTheBoxOfItsKind) {
  Address(2, "10.0.0.2");
  nodes.NODE_TYPE[2] = kSlaveSlmp;
  ai.TYPE = kTypeSlmp;
  ai.MOD_NODE = 2;
  ai.SLMP_DEV_CODE = 0x00A8;  // D, decimal
  ai.SLMP_DEV_NO = 1234;
  auto editor = Open();
  EXPECT_EQ(editor->slmp.decimal->text(), "1234");
  EXPECT_EQ(editor->slmp.hex->text(), "00000000");
  EXPECT_TRUE(editor->slmp.decimal->isEnabled());
  EXPECT_FALSE(editor->slmp.hex->isEnabled());
  Pick(editor->slmp.device, 2);  // W, hexadecimal: the number comes along
  EXPECT_EQ(editor->slmp.hex->text(), "000004d2");
  EXPECT_EQ(editor->slmp.decimal->text(), "0");
  EXPECT_TRUE(editor->slmp.hex->isEnabled());
  editor->slmp.hex->setText("0000ffff");
  editor->OkStep();
  EXPECT_EQ(ai.SLMP_DEV_CODE, 0x00B4);
  EXPECT_EQ(ai.SLMP_DEV_NO, 0xFFFFu);
  // Z and R: decimal as two-byte codes, hexadecimal as one-byte codes.
  struct Z {
    std::uint16_t code;
    bool hex;
  };
  for (const Z z : {Z{0x00CC, false}, Z{0x00AF, false}, Z{0x10CC, true}, Z{0x10AF, true}}) {
    ai.SLMP_DEV_CODE = z.code;
    ai.SLMP_DEV_NO = 26;
    auto again = Open();
    EXPECT_EQ(again->slmp.Hex(), z.hex) << z.code;
    EXPECT_EQ(again->slmp.hex->text(), z.hex ? "0000001a" : "00000000");
  }
  // The decimal box is checked whichever box is in use.
  ai.SLMP_DEV_CODE = 0x00A8;
  auto checked = Open();
  checked->slmp.decimal->setText("4294967296");
  ui.messages.clear();
  checked->OkStep();
  EXPECT_EQ(ui.Last(), "Setting error: SLMP device No. (Decimal)");
}

TEST_F(IoAi, TheCodeIsWrittenOnlyForAnSlmpChannel) {
  // A default channel keeps code 0 through an OK that makes it a demo channel.
  auto editor = Open();
  Pick(editor->kind, Ai::kDemoSine);
  editor->OkStep();
  EXPECT_EQ(ai.TYPE, Ai::kDemoSine);
  EXPECT_EQ(ai.SLMP_DEV_CODE, 0);
  // Made SLMP, it takes the list's code.
  Address(0, "10.0.0.1");
  nodes.NODE_TYPE[0] = kSlaveSlmp;
  auto slmp = Open();
  Pick(slmp->kind, Ai::kSlmp);
  slmp->slaveNo->setText("0");
  slmp->OkStep();
  EXPECT_EQ(ai.SLMP_DEV_CODE, 0x00A9);
}

TEST_F(IoAi, OkWithoutEditsLeavesEveryChannelByteIdentical) {
  for (const bool odd : {false, true}) {
    ApplyDefaults(*record);
    if (odd) {
      Address(2, "10.0.0.2");
      nodes.NODE_TYPE[2] = kSlaveSlmp;
      for (int i = 0; i < kAiCount; i += 3) {
        AiCh& c = record->IO.AI[i];
        c.TYPE = i % 2 ? kTypeSlmp : kTypeNone;
        c.MOD_NODE = 2;
        // A code the list lacks is kept while the channel reads no SLMP device
        // (an SLMP channel stores the entry it shows: ShownStored).
        c.SLMP_DEV_CODE = static_cast<std::uint16_t>(i % 2 ? 0x00A8 : 0x1234 + i);
        c.SLMP_DEV_NO = 0xDEADBEEF;
        c.SCALE_0 = 0.0625;
      }
    }
    for (int index = 0; index < kAiCount; ++index) {
      SCOPED_TRACE(std::to_string(index) + (odd ? " odd" : " default"));
      const auto before = Snapshot();
      ui.messages.clear();
      Ai editor(nullptr, *record, index, ui);
      editor.OkStep();
      EXPECT_EQ(editor.result(), QDialog::Accepted) << ui.Last();
      EXPECT_TRUE(SameRecord(*record, *before));
    }
  }
}

TEST_F(IoAi, MovingAverageOutsideTheListShowsAndStoresFour) {
  ai.MOVING_AVERAGE = 10;
  auto editor = Open();
  EXPECT_EQ(editor->samples->currentText(), "4");
  editor->OkStep();
  EXPECT_EQ(ai.MOVING_AVERAGE, 4u);
}

TEST_F(IoAi, EnablingAChannelWithDisorderedZonesIsRefused) {
  ai.USE_AREAS = 3;
  ai.AREA[0].LEVEL_UPPER = 50;
  ai.AREA[1].LEVEL_LOWER = 40;  // below zone 1's upper limit
  // Disabled, the channel may keep them (the reader does too).
  Open()->OkStep();
  EXPECT_TRUE(ui.messages.empty());
  const auto before = Snapshot();
  auto editor = Open();
  Pick(editor->kind, Ai::kDemoSine);
  editor->OkStep();
  EXPECT_EQ(Texts(), std::vector<std::string>{"Limit value error: Zone 1upper limit > zone 2 lower limit"});
  EXPECT_TRUE(editor->isVisible());
  EXPECT_TRUE(SameRecord(*record, *before));
}

TEST_F(IoAi, ZonesReachTheRecordOnlyWithTheChannelsOk) {
  ai.TYPE = Ai::kDemoSine;
  const auto before = Snapshot();
  for (const bool channelOk : {false, true}) {
    auto editor = Open();
    test::WhenModal<CDlgSetIoArea>([](CDlgSetIoArea& zones) {
      Pick(zones.partitions, 1);  // 2 zones
      zones.zone[0].name->setText("low");
      zones.OkStep();
    });
    test::Click(editor->zonesButton);
    EXPECT_EQ(editor->Zones().USE_AREAS, 2);
    EXPECT_TRUE(SameRecord(*record, *before)) << "the zone editor's OK writes the working copy only";
    if (!channelOk) {
      editor->reject();
      EXPECT_TRUE(SameRecord(*record, *before));
    } else {
      editor->OkStep();
      EXPECT_EQ(ai.USE_AREAS, 2);
      EXPECT_STREQ(ai.AREA[0].AREA_NAME, "low");
    }
  }
}

}  // namespace
}  // namespace tk48
