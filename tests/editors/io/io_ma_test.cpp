// The analog function register editor and its function screens: a change
// of function resets the working copy, the enables by function and browser,
// the checks run whatever the choices, and the function screens' constants.
#include <QPushButton>
#include <cstring>

#include "editors/io/CDlgSetIoMaCh.h"
#include "editors/io/CDlgSetIoMaFunc.h"
#include "tests/editors/editor_fixture.h"

namespace tk48 {
namespace {

using test::Pick;
using test::ShowActive;

class IoMa : public test::EditorTest {
 public:
  std::unique_ptr<CDlgSetIoMaCh> Open(int index) {
    auto editor = std::make_unique<CDlgSetIoMaCh>(nullptr, *record, index, ui);
    ShowActive(*editor);
    return editor;
  }
  std::unique_ptr<CDlgSetIoMaFunc> OpenFunction(int function, MaFunctionBlock& block) {
    auto screen = std::make_unique<CDlgSetIoMaFunc>(nullptr, *record, function, block, ui);
    ShowActive(*screen);
    return screen;
  }
};

TEST_F(IoMa, ChangeOfFunctionResetsInputsAndConstants) {
  MaCh& ma = record->IO.MA[9];
  ma.TYPE = kMaScaling;
  for (int i = 0; i < 8; ++i) {
    ma.CONST.K[i] = 7 + i;
    ma.CONST.A[i] = -3 - i;
    ma.INPUT.X[i] = {3, static_cast<std::int16_t>(20 + i)};
  }
  ma.WEB_LOWER = 0;
  ma.WEB_UPPER = 100;
  auto editor = Open(9);
  EXPECT_EQ(editor->windowTitle(), "MA010");
  Pick(editor->function, kMaAdd);
  ASSERT_EQ(editor->function->currentIndex(), kMaAdd) << ui.Last();
  EXPECT_EQ(ma.CONST.K[1], 8) << "the record waits for OK";
  editor->OkStep();
  ASSERT_TRUE(ui.messages.empty()) << ui.Last();
  EXPECT_EQ(ma.TYPE, kMaAdd);
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(ma.CONST.K[i], i >= 1 && i <= 3 ? 1.0 : 0.0) << i;
    EXPECT_EQ(ma.CONST.A[i], 0.0) << i;
    EXPECT_EQ(ma.INPUT.X[i].kind, 0) << i;
    EXPECT_EQ(ma.INPUT.X[i].no, 1) << i;
  }
}

TEST_F(IoMa, MemoryAtPowerLossOnlyForMa128ToMa159WithoutFunction) {
  for (const auto& [index, enabled] : {std::pair{126, false}, {127, true}, {158, true}, {159, false}}) {
    SCOPED_TRACE(index);
    auto editor = Open(index);
    EXPECT_EQ(editor->backup->isEnabled(), enabled);
    Pick(editor->function, kMaSquareRoot);
    EXPECT_FALSE(editor->backup->isEnabled());
    EXPECT_FALSE(editor->init->isEnabled());
    EXPECT_TRUE(editor->functionButton->isEnabled());
  }
}

TEST_F(IoMa, RangeOrderWhateverTheBrowserSetting) {
  MaCh& ma = record->IO.MA[3];
  ma.WEB = 0;
  ma.WEB_LOWER = 0;
  ma.WEB_UPPER = 0;
  const auto before = Snapshot();
  auto editor = Open(3);
  EXPECT_FALSE(editor->webLower->isEnabled());
  editor->OkStep();
  EXPECT_EQ(Texts(), std::vector<std::string>{"Setting error: Control limit on browser(Lower limit >= Upper limit)"});
  EXPECT_TRUE(SameRecord(*record, *before));
}

TEST_F(IoMa, AStoredReversedRangeUnderAFunctionCanBePutRight) {
  MaCh& ma = record->IO.MA[3];
  ma.TYPE = kMaPeak;
  ma.WEB = 0;
  ma.WEB_LOWER = 100;
  ma.WEB_UPPER = 0;
  auto editor = Open(3);
  editor->OkStep();
  EXPECT_EQ(Texts(), std::vector<std::string>{"Setting error: Control limit on browser(Lower limit >= Upper limit)"});
  ui.messages.clear();
  Pick(editor->function, kMaDisable);
  ASSERT_EQ(editor->function->currentIndex(), kMaDisable) << ui.Last();
  Pick(editor->web, 1);
  ASSERT_EQ(editor->web->currentIndex(), 1) << ui.Last();
  ASSERT_TRUE(editor->webUpper->isEnabled());
  editor->webUpper->setText("200");
  editor->OkStep();
  EXPECT_TRUE(ui.messages.empty()) << ui.Last();
  EXPECT_EQ(ma.WEB_UPPER, 200);
  EXPECT_EQ(ma.WEB, 1);
}

TEST_F(IoMa, FunctionScreenChecks) {
  struct Case {
    const char* what;
    int function;
    std::function<void(CDlgSetIoMaFunc&)> fill;
    const char* message;
  };
  const auto set = [](bool a, int k, const char* text) {
    return [=](CDlgSetIoMaFunc& s) { s.Field(a, k)->setText(text); };
  };
  const Case cases[] = {
      {"Z value 0", kMaFValue, set(false, 2, "0"),
       "Setting error: K2\nUsable range: 0.001 to 10000000000.000"},
      {"output span 12000.001", kMaScaling, set(false, 4, "12000.001"),
       "Setting error: Output range, span\nUsable range: -2000.000 to 12000.000"},
      {"counter rate 10001", kMaAnalogSum, set(false, 1, "10001"), "Setting error: Countre rate\nUsable range: 0 to 10000"},
      {"K1, K2, then A0 before K3", kMaAdd,
       [](CDlgSetIoMaFunc& s) {
         s.Field(false, 3)->setText("x");
         s.Field(true, 0)->setText("x");
       },
       "Setting error: A0"},
      {"A1 after A0 in a product", kMaMultiply, set(true, 1, "x"), "Setting error: A1"},
      {"scaling input zero = span", kMaScaling,
       [](CDlgSetIoMaFunc& s) {
         s.Field(false, 1)->setText("5");
         s.Field(false, 2)->setText("5");
       },
       "Setting error: Zero = Span"},
      {"limiter lower = upper", kMaLimiter, set(false, 1, "100"), "Setting error: Lower limit >= Upper limit"},
      {"delay buffer 101", kMaDelayBuffer, set(false, 1, "101"),
       "Setting error: Time constant\nUsable range: 0 to 100"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ui.messages.clear();
    MaFunctionBlock block{};
    ResetFunction(block, c.function);
    const MaFunctionBlock before = block;
    auto screen = OpenFunction(c.function, block);
    c.fill(*screen);
    screen->OkStep();
    EXPECT_EQ(Texts(), std::vector<std::string>{c.message});
    EXPECT_EQ(std::memcmp(&block, &before, sizeof block), 0);
  }
}

TEST_F(IoMa, FunctionScreenShowsAndWrites) {
  // Integer-shown constants are cut toward zero; a DI where only AI, PI and
  // MA are offered shows AI001.
  MaFunctionBlock block{};
  block.CONST.K[1] = 9876543210.7;
  block.INPUT.X[1] = {1, 17};
  auto screen = OpenFunction(kMaAnalogSum, block);
  EXPECT_EQ(screen->windowTitle(), "Function setting (Analog accumulation)");
  EXPECT_EQ(screen->Field(false, 1)->text(), "9876543210");
  EXPECT_EQ(screen->inputType[0]->currentText(), "AI");
  EXPECT_EQ(screen->inputCh[0]->currentIndex(), 0);
  EXPECT_EQ(screen->inputType[1], nullptr);
  screen->Field(false, 1)->setText("250");
  screen->List(false, 2)->setCurrentIndex(2);  // Day
  screen->Field(false, 5)->setText("1");
  screen->OkStep();
  ASSERT_TRUE(ui.messages.empty()) << ui.Last();
  EXPECT_EQ(block.CONST.K[1], 250);
  EXPECT_EQ(block.CONST.K[2], 2);
  EXPECT_EQ(block.INPUT.X[1].kind, 0);
  EXPECT_EQ(block.INPUT.X[1].no, 1);
}

}  // namespace
}  // namespace tk48
