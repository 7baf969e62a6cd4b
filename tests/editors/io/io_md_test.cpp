// The digital function register editor: the run of consecutive inputs and
// its count, the enables by function, K1, and the stored count it mends.
#include <QPushButton>
#include <cstring>

#include "editors/io/CDlgSetIoMdCh.h"
#include "tests/editors/editor_fixture.h"

namespace tk48 {
namespace {

using test::Pick;
using test::ShowActive;
using Md = CDlgSetIoMdCh;

class IoMd : public test::EditorTest {
 public:
  std::unique_ptr<Md> Open(int index) {
    auto editor = std::make_unique<Md>(nullptr, *record, index, ui);
    ShowActive(*editor);
    return editor;
  }
};

TEST_F(IoMd, ConsecutiveRunAndK1) {
  struct Case {
    const char* what;
    int start;  // MD number
    int countIndex;  // 0 "-", 1 "3", ...
    const char* k1;
    const char* message;  // "" passes
  };
  const Case cases[] = {
      {"MD250 count 8 runs past MD256", 250, 6, "0", "Setting error: Number of consecutive channels"},
      {"MD250 count 7 ends at MD256", 250, 5, "0", ""},
      {"no count", 10, 0, "0", "Setting error: Specify number of consecutive channels."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ApplyDefaults(*record);
    ui.messages.clear();
    auto editor = Open(249);
    Pick(editor->function, Md::kAnd);
    ASSERT_EQ(editor->function->currentIndex(), Md::kAnd) << ui.Last();
    EXPECT_FALSE(editor->contStart->isEnabled());
    editor->contEnable->click();
    ASSERT_TRUE(editor->contStart->isEnabled());
    EXPECT_FALSE(editor->input1Ch->isEnabled());
    test::Pick(editor->contType, 1);
    editor->contStart->setCurrentIndex(c.start - 1);
    editor->contCount->setCurrentIndex(c.countIndex);
    const auto before = Snapshot();
    editor->OkStep();
    if (*c.message) {
      EXPECT_EQ(Texts(), std::vector<std::string>{c.message});
      EXPECT_TRUE(SameRecord(*record, *before));
    } else {
      EXPECT_TRUE(ui.messages.empty()) << ui.Last();
      const MdCh& md = record->IO.MD[249];
      EXPECT_EQ(md.INPUT_CONT.CH.kind, 1);
      EXPECT_EQ(md.INPUT_CONT.CH.no, c.start);
      EXPECT_EQ(md.INPUT_CONT.CN, c.countIndex + 2);
    }
  }
}

TEST_F(IoMd, K1Range) {
  auto editor = Open(0);
  editor->k1->setText("1000");
  editor->OkStep();
  EXPECT_EQ(Texts(), std::vector<std::string>{"Setting error: K1\nUsable range: 0 to 999"});
}

TEST_F(IoMd, MemoryAtPowerLossOnlyForMd128ToMd159WithNone) {
  for (const auto& [index, enabled] : {std::pair{126, false}, {127, true}, {158, true}, {159, false}}) {
    SCOPED_TRACE(index);
    auto editor = Open(index);
    EXPECT_EQ(editor->backup->isEnabled(), enabled);
    Pick(editor->function, Md::kEqual);
    EXPECT_FALSE(editor->backup->isEnabled());
    EXPECT_TRUE(editor->input1Ch->isEnabled());
    EXPECT_FALSE(editor->input2Ch->isEnabled());
  }
}

TEST_F(IoMd, AStoredCountOfTwoIsNoRun) {
  MdCh& md = record->IO.MD[4];
  md.TYPE = Md::kXor;
  md.INPUT_CONT.CN = 2;
  auto editor = Open(4);
  EXPECT_EQ(editor->contCount->currentText(), "-");
  editor->OkStep();
  EXPECT_TRUE(ui.messages.empty()) << ui.Last();
  EXPECT_EQ(md.INPUT_CONT.CN, 0);
}

TEST_F(IoMd, InputsStoreKindAndNumber) {
  record->IO.DI[2].TYPE = 1;
  test::Put(record->IO.DI[2].NAME, "door");
  auto editor = Open(7);
  Pick(editor->function, Md::kXor);
  EXPECT_EQ(editor->input1Ch->itemText(2), "003 door");
  editor->input1Ch->setCurrentIndex(2);
  Pick(editor->input2Type, 1);
  editor->input2Ch->setCurrentIndex(99);
  editor->OkStep();
  const MdCh& md = record->IO.MD[7];
  EXPECT_EQ(md.INPUT1.kind, 0);
  EXPECT_EQ(md.INPUT1.no, 3);
  EXPECT_EQ(md.INPUT2.kind, 1);
  EXPECT_EQ(md.INPUT2.no, 100);
}

}  // namespace
}  // namespace tk48
