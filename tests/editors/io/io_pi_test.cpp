// The pulse input editor: its address ranges, the checks it runs whatever
// the kind, the pulse range order wherever the range is in use, and the
// range box that takes effect at once.
#include <QPushButton>
#include <cstring>

#include "checks/slave_checks.h"
#include "editors/io/CDlgSetIoPiCh.h"
#include "tests/editors/editor_fixture.h"

namespace tk48 {
namespace {

using test::Pick;
using test::ShowActive;
using Pi = CDlgSetIoPiCh;

class IoPi : public test::EditorTest {
 public:
  IoPi() { std::strcpy(record->IO.NODE_CONF.NODE[0], "10.0.0.1"); }
  PiCh& pi = record->IO.PI[4];
  std::unique_ptr<Pi> Open() {
    auto editor = std::make_unique<Pi>(nullptr, *record, 4, ui);
    ShowActive(*editor);
    return editor;
  }
  // Kind picked, then `fill`, then OK: the messages shown.
  std::vector<std::string> Ok(int kind, const std::function<void(Pi&)>& fill) {
    ApplyDefaults(*record);
    std::strcpy(record->IO.NODE_CONF.NODE[0], "10.0.0.1");
    if (kind == Pi::kSlmp) record->IO.NODE_CONF.NODE_TYPE[0] = kSlaveSlmp;
    ui.messages.clear();
    auto editor = Open();
    Pick(editor->kind, kind);
    EXPECT_EQ(editor->kind->currentIndex(), kind) << ui.Last();
    editor->slaveNo->setText("0");
    fill(*editor);
    editor->OkStep();
    return Texts();
  }
};

TEST_F(IoPi, ChecksAndTheirMessages) {
  struct Case {
    const char* what;
    int kind;
    std::function<void(Pi&)> fill;
    const char* message;  // "" passes
  };
  const Case cases[] = {
      {"I/O module CH 2", Pi::kIoModule, [](Pi& e) { e.chNo->setText("2"); }, ""},
      {"I/O module CH 3", Pi::kIoModule, [](Pi& e) { e.chNo->setText("3"); },
       "Setting error: CH No.\nUsable range: 1 to 2"},
      {"Modbus/TCP 65535", Pi::kModbusTcp, [](Pi& e) { e.registerAddress->setText("65535"); }, ""},
      {"Modbus/TCP 65536", Pi::kModbusTcp, [](Pi& e) { e.registerAddress->setText("65536"); },
       "Setting error: Modbus/TCP register address\nUsable range: 1 to 65535"},
      {"scaling 0", Pi::kDemo, [](Pi& e) { e.scale->setText("0"); },
       "Setting error: Scaling\nUsable range: -10000000000.000 to 10000000000.000 (except 0)"},
      {"a limit that is no number, range cleared", Pi::kIoModule,
       [](Pi& e) {
         e.range->setChecked(false);
         e.lower->setText("abc");
       },
       "Setting error: Pulse range - lower limit"},
      {"counter rate on a demo", Pi::kDemo, [](Pi& e) { e.rate->setText("10001"); },
       "Setting error: Analog accumulation - accumulation rate\nUsable range: 0 to 10000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const auto texts = Ok(c.kind, c.fill);
    if (*c.message) {
      EXPECT_EQ(texts, std::vector<std::string>{c.message});
    } else {
      EXPECT_TRUE(texts.empty()) << ui.Last();
    }
  }
}

TEST_F(IoPi, RangeOrderWhereverTheRangeIsInUse) {
  struct Case {
    const char* what;
    int kind;
    std::function<void(Pi&)> setMode;
    bool refused;
  };
  const Case cases[] = {
      {"Modbus/TCP accumulation", Pi::kModbusTcp, [](Pi&) {}, true},
      {"SLMP accumulation", Pi::kSlmp, [](Pi&) {}, true},
      {"I/O module with Enable", Pi::kIoModule,
       [](Pi& e) {
         Pick(e.mode, Pi::kAccumulation);
         e.range->click();
       },
       true},
      {"I/O module without Enable", Pi::kIoModule, [](Pi& e) { Pick(e.mode, Pi::kAccumulation); }, false},
      {"Modbus/TCP float", Pi::kModbusTcp, [](Pi& e) { Pick(e.modeTcp, Pi::kFloat); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const auto texts = Ok(c.kind, [&](Pi& e) {
      c.setMode(e);
      e.lower->setText("100");
      e.upper->setText("100");
    });
    if (c.refused) {
      EXPECT_EQ(texts, std::vector<std::string>{"Setting error: Pulse range lower limit >= upper limit"});
    } else {
      EXPECT_TRUE(texts.empty()) << ui.Last();
    }
  }
}

TEST_F(IoPi, RangeBoxEnablesAtOnceAndLimitsReadAsDecimal) {
  auto editor = Open();
  Pick(editor->kind, Pi::kIoModule);
  Pick(editor->mode, Pi::kAccumulation);
  ASSERT_EQ(editor->mode->currentIndex(), Pi::kAccumulation) << ui.Last();
  ASSERT_TRUE(editor->range->isEnabled());
  EXPECT_FALSE(editor->lower->isEnabled());
  editor->range->click();
  EXPECT_TRUE(editor->lower->isEnabled());
  EXPECT_TRUE(editor->upper->isEnabled());
  editor->lower->setText("010");
  editor->upper->setText("4294967295");
  editor->OkStep();
  EXPECT_TRUE(ui.messages.empty()) << ui.Last();
  EXPECT_EQ(pi.RNG, 1);
  EXPECT_EQ(pi.WIDTH.LOW, 10u);
  EXPECT_EQ(pi.WIDTH.HIGH, 4294967295u);
}

TEST_F(IoPi, DisorderedZonesOfAChannelInUseAreRefused) {
  pi.TYPE = Pi::kDemo;
  pi.USE_AREAS = 2;
  pi.AREA[0].LEVEL_UPPER = 50;
  pi.AREA[1].LEVEL_LOWER = 40;
  const auto before = Snapshot();
  auto editor = Open();
  editor->OkStep();
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_TRUE(SameRecord(*record, *before));
}

}  // namespace
}  // namespace tk48
