// The item-editor steps on a small sample editor: the guarded list, the
// all-or-nothing OK step, Enter and Esc, fields not in use, and the working
// copy a sub-editor edits.
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstdint>
#include <cstring>

#include "editors/toolkit/editor_widgets.h"
#include "editors/toolkit/item_editor.h"
#include "editors/toolkit/working_copy.h"
#include "tests/editors/editor_fixture.h"

namespace tk48 {
namespace {

using test::Click;
using test::Pick;
using test::ShowActive;

struct Zones {
  std::int32_t level[2];
};

// A sample item: `A` is in use only while TYPE is 1, `B` always.
struct Item {
  std::int32_t TYPE;
  std::int32_t A;
  std::int32_t B;
  Zones ZONES;
};

constexpr int kAMessage = 163;  // "Setting error: Time zone (hour)", range 0 to 10
constexpr int kBMessage = 164;  // "Setting error: Time zone (minute)", range 0 to 59
constexpr char kBRange[] = "Setting error: Time zone (minute)\nUsable range: 0 to 59";

// The zone editor: edits the copy it is given.
class ZoneEditor : public ItemEditor {
 public:
  ZoneEditor(QWidget* parent, Zones& zones, UiPort& ui) : ItemEditor(parent, ui) {
    level = EditField(this);
    fields_.Int(level, zones.level[0]);
    foot = MakeFootButtons(this, 21307, 21308);
    connect(foot.box, &QDialogButtonBox::accepted, this, &ZoneEditor::OkStep);
    connect(foot.box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(level);
    layout->addWidget(foot.box);
    Start();
  }
  QLineEdit* level;
  FootButtons foot;

 protected:
  void UpdateEnables() override {}
  bool Validate() override { return checks_.Int(level, 0, 100, kAMessage); }
};

class SampleEditor : public ItemEditor {
 public:
  SampleEditor(QWidget* parent, Item& item, UiPort& ui) : ItemEditor(parent, ui), item_(item), zones_(item.ZONES) {
    type = ChoiceList(this, {131, 132});
    a = EditField(this);
    b = EditField(this);
    zonesButton = new QPushButton(QStringLiteral("Zones"), this);
    fields_.Choice(type, item.TYPE);
    fields_.Int(a, item.A);
    fields_.Int(b, item.B);
    Guard(type);
    connect(zonesButton, &QPushButton::clicked, this, [this] {
      zones_.Edit([this](Zones& copy) {
        ZoneEditor sub(this, copy, ui_);
        return sub.exec() == QDialog::Accepted;
      });
    });
    foot = MakeFootButtons(this, 21307, 21308);
    connect(foot.box, &QDialogButtonBox::accepted, this, &SampleEditor::OkStep);
    connect(foot.box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    for (QWidget* w : std::initializer_list<QWidget*>{type, a, b, zonesButton, foot.box}) layout->addWidget(w);
    Start();
  }

  QComboBox* type;
  QLineEdit* a;
  QLineEdit* b;
  QPushButton* zonesButton;
  FootButtons foot;

 protected:
  void UpdateEnables() override { a->setEnabled(type->currentIndex() == 1); }
  bool Validate() override { return checks_.Int(a, 0, 10, kAMessage) && checks_.Int(b, 0, 59, kBMessage); }
  void Commit() override {
    ItemEditor::Commit();
    zones_.CommitTo(item_.ZONES);
  }

 private:
  Item& item_;
  WorkingCopy<Zones> zones_;
};

class Toolkit : public test::EditorTest {
 protected:
  bool Unchanged() const { return std::memcmp(&item, &before, sizeof item) == 0; }
  Item item{0, 3, 20, {{1, 2}}};
  Item before = item;
};

TEST_F(Toolkit, GuardedChangeWithAnInvalidFieldKeepsTheOldChoice) {
  SampleEditor editor(nullptr, item, ui);
  ShowActive(editor);
  EXPECT_FALSE(editor.a->isEnabled());
  editor.b->setText("60");
  Pick(editor.type, 1);
  EXPECT_EQ(editor.type->currentIndex(), 0);
  EXPECT_FALSE(editor.a->isEnabled());
  ASSERT_EQ(Texts(), std::vector<std::string>{kBRange});
  EXPECT_EQ(ui.messages[0].icon, Icon::Error);

  // Put right, the same pick goes through: the fields follow and the list has the focus.
  editor.b->setText("59");
  Pick(editor.type, 1);
  EXPECT_EQ(editor.type->currentIndex(), 1);
  EXPECT_TRUE(editor.a->isEnabled());
  EXPECT_EQ(editor.focusWidget(), editor.type);
  EXPECT_EQ(ui.messages.size(), 1u);
  EXPECT_TRUE(Unchanged());
}

TEST_F(Toolkit, AFieldNotInUseNeverHoldsTheEditorOpen) {
  item.A = 99;  // out of range, but its field is not in use while TYPE is 0
  before = item;
  SampleEditor editor(nullptr, item, ui);
  ShowActive(editor);
  // Neither the OK step nor a guarded change trips over it...
  Pick(editor.type, 0);
  Click(editor.foot.ok);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(editor.result(), QDialog::Accepted);
  // ...and it is written back as it stood.
  EXPECT_EQ(item.A, 99);
}

TEST_F(Toolkit, OnceInUseTheFieldIsChecked) {
  item = {1, 99, 20, {{1, 2}}};
  before = item;
  SampleEditor editor(nullptr, item, ui);
  ShowActive(editor);
  Pick(editor.type, 0);  // leaving the type that uses A needs A right first
  EXPECT_EQ(editor.type->currentIndex(), 1);
  Click(editor.foot.ok);
  EXPECT_TRUE(editor.isVisible());
  EXPECT_EQ(Texts(), (std::vector<std::string>{"Setting error: Time zone (hour)\nUsable range: 0 to 10",
                                               "Setting error: Time zone (hour)\nUsable range: 0 to 10"}));
  EXPECT_TRUE(Unchanged());
}

TEST_F(Toolkit, OkIsAllOrNothing) {
  SampleEditor editor(nullptr, item, ui);
  ShowActive(editor);
  Pick(editor.type, 1);
  editor.a->setText("7");   // valid and changed
  editor.b->setText("x");   // malformed: the field message alone
  Click(editor.foot.ok);
  EXPECT_TRUE(editor.isVisible());
  EXPECT_EQ(Texts(), std::vector<std::string>{"Setting error: Time zone (minute)"});
  EXPECT_TRUE(Unchanged());
  EXPECT_EQ(editor.a->text(), "7");  // everything stays as typed

  editor.b->setText("5");
  Click(editor.foot.ok);
  EXPECT_EQ(editor.result(), QDialog::Accepted);
  EXPECT_EQ(item.TYPE, 1);
  EXPECT_EQ(item.A, 7);
  EXPECT_EQ(item.B, 5);
}

TEST_F(Toolkit, EnterRunsTheOkStepWhereverTheFocusIs) {
  SampleEditor editor(nullptr, item, ui);
  ShowActive(editor);
  editor.b->setText("61");
  // Enter on the Cancel button still means OK, not Cancel.
  editor.foot.cancel->setFocus();
  QTest::keyClick(editor.foot.cancel, Qt::Key_Return);
  EXPECT_TRUE(editor.isVisible());
  EXPECT_EQ(Texts(), std::vector<std::string>{"Setting error: Time zone (minute)\nUsable range: 0 to 59"});
  EXPECT_TRUE(Unchanged());

  editor.b->setText("30");
  editor.b->setFocus();
  QTest::keyClick(editor.b, Qt::Key_Enter);
  EXPECT_FALSE(editor.isVisible());
  EXPECT_EQ(editor.result(), QDialog::Accepted);
  EXPECT_EQ(item.B, 30);
}

TEST_F(Toolkit, EscCancelsWithoutWriting) {
  SampleEditor editor(nullptr, item, ui);
  ShowActive(editor);
  Pick(editor.type, 1);
  editor.b->setText("30");
  QTest::keyClick(editor.b, Qt::Key_Escape);
  EXPECT_FALSE(editor.isVisible());
  EXPECT_EQ(editor.result(), QDialog::Rejected);
  EXPECT_TRUE(Unchanged());
}

// The zone editor, opened from the sample editor: type `level`, then OK or Cancel.
void EditZones(SampleEditor& editor, const char* level, bool ok) {
  test::WhenModal<ZoneEditor>([level, ok](ZoneEditor& zones) {
    zones.level->setText(level);
    Click(ok ? zones.foot.ok : zones.foot.cancel);
  });
  Click(editor.zonesButton);
}

TEST_F(Toolkit, SubEditorOkThenParentCancelLeavesTheRecord) {
  SampleEditor editor(nullptr, item, ui);
  ShowActive(editor);
  EditZones(editor, "42", true);
  Click(editor.foot.cancel);
  EXPECT_EQ(editor.result(), QDialog::Rejected);
  EXPECT_TRUE(Unchanged());
}

TEST_F(Toolkit, SubEditorResultReachesTheRecordWithTheParentsOk) {
  SampleEditor editor(nullptr, item, ui);
  ShowActive(editor);
  EditZones(editor, "42", true);
  EXPECT_EQ(item.ZONES.level[0], 1);  // not before the parent commits
  EditZones(editor, "77", false);     // a cancelled second visit changes nothing
  Click(editor.foot.ok);
  EXPECT_EQ(editor.result(), QDialog::Accepted);
  EXPECT_EQ(item.ZONES.level[0], 42);
  EXPECT_EQ(item.ZONES.level[1], 2);
}

TEST_F(Toolkit, SubEditorStartsFromTheWorkingCopy) {
  SampleEditor editor(nullptr, item, ui);
  ShowActive(editor);
  EditZones(editor, "42", true);
  QString seen;
  test::WhenModal<ZoneEditor>([&seen](ZoneEditor& zones) {
    seen = zones.level->text();
    Click(zones.foot.cancel);
  });
  Click(editor.zonesButton);
  EXPECT_EQ(seen, "42");
}

}  // namespace
}  // namespace tk48
