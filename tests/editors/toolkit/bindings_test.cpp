// The field kinds on a sample editor: what Load shows, that an OK without
// edits writes nothing (reals at rounding ties, CR LF texts), what a changed
// field writes, the check-scope rule on disabled fields, and the hook that
// runs on a user's accepted pick.
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <array>
#include <cstdint>
#include <cstring>

#include "editors/toolkit/editor_widgets.h"
#include "editors/toolkit/item_editor.h"
#include "tests/editors/editor_fixture.h"

namespace tk48 {
namespace {

using test::Click;
using test::Pick;
using test::ShowActive;

struct Sample {
  std::int32_t TYPE;      // 0: A, REF and NOTE not in use
  std::int32_t A;         // 0 to 10 while in use
  std::int16_t NARROW;    // checked whatever the TYPE
  char NOTE[97];          // multi-line, 32 characters
  double REAL3;
  double REAL4;
  std::uint8_t SHARE;     // sharing list: -1 (0xFF), 1, 2
  std::uint32_t BITS;
  std::uint32_t COLOUR;
  ChannelRef REF;         // NONE, DI, MD
};

constexpr int kAMessage = 163;       // "Setting error: Time zone (hour)"
constexpr int kNarrowMessage = 164;  // "Setting error: Time zone (minute)"
constexpr int kNoteMessage = 160;    // "Setting error: Name"
constexpr std::int8_t kShareValues[] = {-1, 1, 2};

class SampleEditor : public ItemEditor {
 public:
  SampleEditor(QWidget* parent, Sample& item, const SettingData& record, UiPort& ui) : ItemEditor(parent, ui) {
    type = ChoiceList(this, {131, 132});
    a = EditField(this);
    narrow = EditField(this);
    note = new QPlainTextEdit(this);
    real3 = EditField(this);
    real4 = EditField(this);
    share = new QComboBox(this);
    share->addItems({"-", "1", "2"});
    for (QCheckBox*& box : bits) box = new QCheckBox(this);
    colour = new ColourSwatch(this, ui);
    refType = new QComboBox(this);
    refType->addItems({"None", "DI", "MD"});
    refChannel = new QComboBox(this);
    fields_.Choice(type, item.TYPE);
    fields_.Int(a, item.A);
    fields_.Int(narrow, item.NARROW);
    fields_.Text(note, item.NOTE);
    fields_.Real(real3, item.REAL3);
    fields_.Real(real4, item.REAL4, 4);
    fields_.Values(share, item.SHARE, std::span<const std::int8_t>(kShareValues));
    for (int i = 0; i < 3; ++i) fields_.Bit(bits[i], item.BITS, i * 4);
    fields_.Colour(colour, item.COLOUR);
    ChannelChoice(refType, refChannel, item.REF, kinds_, record);
    Guard(type);
    OnChoice(type, [this] { ++typeHooks; });
    foot = MakeFootButtons(this, 21307, 21308);
    connect(foot.box, &QDialogButtonBox::accepted, this, &SampleEditor::OkStep);
    connect(foot.box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    for (QWidget* w : std::initializer_list<QWidget*>{type, a, narrow, note, real3, real4, share, bits[0], bits[1],
                                                      bits[2], colour, refType, refChannel, foot.box})
      layout->addWidget(w);
    Start();
  }

  QComboBox* type;
  QLineEdit* a;
  QLineEdit* narrow;
  QPlainTextEdit* note;
  QLineEdit* real3;
  QLineEdit* real4;
  QComboBox* share;
  std::array<QCheckBox*, 3> bits;
  ColourSwatch* colour;
  QComboBox* refType;
  QComboBox* refChannel;
  FootButtons foot;
  int typeHooks = 0;
  bool guardSeen = false;

 protected:
  void UpdateEnables() override {
    for (QWidget* w : std::initializer_list<QWidget*>{a, note, refType, refChannel}) w->setEnabled(InUse());
    narrow->setEnabled(InUse());
  }
  bool Validate() override {
    guardSeen = guardSeen || Guarding();
    return checks_.Int(a, 0, 10, kAMessage) && checks_.Text(note, 32, kNoteMessage) &&
           checks_.Int(narrow, -100, 100, kNarrowMessage, Scope::Always);
  }

 private:
  bool InUse() const { return type->currentIndex() == 1; }
  const std::array<RefKind, 3> kinds_{
      {{0, nullptr}, {1, &FamilyOf(FamilyId::Di)}, {2, &FamilyOf(FamilyId::Md)}}};
};

class Bindings : public test::EditorTest {
 protected:
  Bindings() {
    std::strcpy(record->IO.DI[2].NAME, "pump");
    record->IO.DI[2].TYPE = 1;
    std::strcpy(record->IO.DI[3].NAME, "unused");
    record->IO.DI[3].TYPE = 0;
    std::strcpy(record->IO.MD[0].NAME, "md one");
  }
  std::unique_ptr<SampleEditor> Open() {
    auto editor = std::make_unique<SampleEditor>(nullptr, item, *record, ui);
    ShowActive(*editor);
    return editor;
  }
  bool Unchanged() const { return std::memcmp(&item, &before, sizeof item) == 0; }
  void Keep() { before = item; }
  static Sample Make() {
    Sample s{};
    s.TYPE = 1;
    s.A = 4;
    s.NARROW = 7;
    std::strcpy(s.NOTE, "first\r\nsecond\r\n");
    s.REAL3 = 0.0625;
    s.REAL4 = 0.03125;
    s.SHARE = 0xFF;
    s.BITS = 0xF0F0F0F0u;
    s.COLOUR = 0x00123456u;
    s.REF = {1, 3};
    return s;
  }
  Sample item = Make();
  Sample before = item;
};

TEST_F(Bindings, LoadShowsEachKind) {
  auto editor = Open();
  EXPECT_EQ(editor->note->toPlainText(), "first\nsecond\n");
  EXPECT_EQ(editor->real3->text(), "0.062");   // as the file writes it: the tie rounds to even
  EXPECT_EQ(editor->real4->text(), "0.0312");
  EXPECT_EQ(editor->share->currentIndex(), 0);  // 0xFF is -1
  EXPECT_EQ(editor->bits[0]->isChecked(), false);
  EXPECT_EQ(editor->bits[1]->isChecked(), true);
  EXPECT_EQ(editor->colour->Colour(), 0x123456u);
  EXPECT_EQ(editor->refType->currentIndex(), 1);
  EXPECT_EQ(editor->refChannel->count(), 256);
  EXPECT_EQ(editor->refChannel->currentText(), "003 pump");
  EXPECT_EQ(editor->refChannel->itemText(3), "004 ");  // a DI not in use shows no name
  EXPECT_EQ(editor->typeHooks, 0);                     // never at Start()
}

TEST_F(Bindings, OkWithoutEditsLeavesTheItemByteIdentical) {
  // Reals at "%.3f" and "%.4f" ties and beyond what the screen shows.
  const double reals[][2] = {{0.0625, 0.03125}, {-2.0625, -1.00005}, {1234567.0005, 0.00015},
                             {1e-9, 123456789.12345}, {-0.0, 2.5e-5}, {0.1, 0.3}};
  for (const auto& r : reals) {
    SCOPED_TRACE(r[0]);
    item.REAL3 = r[0];
    item.REAL4 = r[1];
    Keep();
    auto editor = Open();
    Click(editor->foot.ok);
    EXPECT_EQ(editor->result(), QDialog::Accepted);
    EXPECT_TRUE(Unchanged());
  }
  // A lone LF and a lone CR are kept as they stand too.
  std::strcpy(item.NOTE, "a\nb\rc");
  Keep();
  auto editor = Open();
  Click(editor->foot.ok);
  EXPECT_TRUE(Unchanged());
}

TEST_F(Bindings, ChangedFieldsWriteWhatTheyShow) {
  ui.colors = {0x00ABCDEFu};
  auto editor = Open();
  editor->note->setPlainText("one\ntwo");
  editor->real3->setText("1.5");
  Pick(editor->share, 2);
  editor->bits[0]->setChecked(true);
  editor->bits[1]->setChecked(false);
  Click(editor->colour);
  Pick(editor->refType, 2);
  editor->refChannel->setCurrentIndex(9);
  Click(editor->foot.ok);
  EXPECT_EQ(editor->result(), QDialog::Accepted);
  EXPECT_STREQ(item.NOTE, "one\r\ntwo");
  EXPECT_EQ(item.REAL3, 1.5);
  EXPECT_EQ(item.REAL4, before.REAL4);
  EXPECT_EQ(item.SHARE, 2);
  EXPECT_EQ(item.BITS, (before.BITS | 1u) & ~(1u << 4));
  EXPECT_EQ(ui.colorPrompts, std::vector<std::uint32_t>{0u});  // the chooser opens on black
  EXPECT_EQ(item.COLOUR, 0x00ABCDEFu);
  EXPECT_EQ(item.REF.kind, 2);
  EXPECT_EQ(item.REF.no, 10);
}

TEST_F(Bindings, ACancelledColourWritesNothing) {
  auto editor = Open();
  Click(editor->colour);  // the scripted chooser is cancelled
  Click(editor->foot.ok);
  EXPECT_TRUE(Unchanged());
}

TEST_F(Bindings, MultiLineCheckCountsCrLfAsStored) {
  auto editor = Open();
  // 31 letters and one line break: 33 units as stored, over 32 with a wide character.
  editor->note->setPlainText(QString(30, u'a') + QChar(0x65E5) + "\n");
  Click(editor->foot.ok);
  EXPECT_EQ(Texts(),
            std::vector<std::string>{"Setting error: Name\nMax. 32 characters (alphanumerical: 64 characters)"});
  EXPECT_TRUE(Unchanged());
}

TEST_F(Bindings, TheChoiceHookRunsOnAnAcceptedPickOnly) {
  auto editor = Open();
  EXPECT_EQ(editor->typeHooks, 0);
  editor->a->setText("11");  // the guard refuses while A is wrong
  Pick(editor->type, 0);
  EXPECT_EQ(editor->type->currentIndex(), 1);
  EXPECT_EQ(editor->typeHooks, 0);
  EXPECT_TRUE(editor->guardSeen);
  editor->a->setText("5");
  Pick(editor->type, 0);
  EXPECT_EQ(editor->typeHooks, 1);
  // The channel type's hook refills its list and selects the first entry.
  Pick(editor->type, 1);
  Pick(editor->refType, 2);
  EXPECT_EQ(editor->refChannel->count(), 256);
  EXPECT_EQ(editor->refChannel->currentText(), "001 md one");
  Pick(editor->refType, 0);
  EXPECT_EQ(editor->refChannel->count(), 0);
}

TEST_F(Bindings, ADisabledInvalidFieldLeavesTheRecordAsItWas) {
  item.TYPE = 0;
  item.A = 99;  // out of range, read from a file
  std::strcpy(item.NOTE, "kept");
  Keep();
  auto editor = Open();
  // Typed into before the field was disabled: its check is skipped and it would fail.
  editor->a->setText("abc");
  editor->note->setPlainText(QString(40, QChar(0x65E5)));
  Click(editor->foot.ok);
  EXPECT_EQ(editor->result(), QDialog::Accepted);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_TRUE(Unchanged());
}

TEST_F(Bindings, AGuardChecksOnlyTheFieldsInUseTheOkStepAllOfThem) {
  item.TYPE = 0;
  item.NARROW = 5000;  // fails the check that runs whatever the type, on a disabled field
  Keep();
  auto editor = Open();
  // OK checks it, disabled as it is...
  Click(editor->foot.ok);
  EXPECT_EQ(Texts(), std::vector<std::string>{"Setting error: Time zone (minute)\nUsable range: -100 to 100"});
  // ...but picking the type that enables the field is allowed, so it can be put right.
  ui.messages.clear();
  Pick(editor->type, 1);
  EXPECT_EQ(editor->type->currentIndex(), 1);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_TRUE(Unchanged());
  editor->narrow->setText("50");
  editor->a->setText("1");
  Click(editor->foot.ok);
  EXPECT_EQ(editor->result(), QDialog::Accepted);
  EXPECT_EQ(item.NARROW, 50);
}

TEST_F(Bindings, AnUnlistedValueKeepsTheRecord) {
  item.SHARE = 7;
  item.REF = {5, 2};
  Keep();
  auto editor = Open();
  EXPECT_EQ(editor->share->currentIndex(), -1);
  EXPECT_EQ(editor->refType->currentIndex(), -1);
  Click(editor->foot.ok);
  EXPECT_TRUE(Unchanged());
}

TEST(HourMinute, ListsShowTimesAsHourAndTwoDigitMinutes) {
  EXPECT_EQ(HourMinuteText(7, 5), "7:05");
  EXPECT_EQ(HourMinuteText(0, 0), "0:00");
  EXPECT_EQ(HourMinuteText(24, 0), "24:00");
  EXPECT_EQ(HourMinuteText(13, 59), "13:59");
}

TEST_F(Bindings, ATimeIsItsHourAndMinuteLists) {
  struct {
    std::uint8_t HOUR, MIN;
  } time{24, 7}, kept = time;
  QComboBox hour, minute;
  for (int h = 0; h <= 24; ++h) hour.addItem(QString::number(h));
  for (int m = 0; m <= 59; ++m) minute.addItem(QString::number(m));
  FieldBindings fields;
  FieldChecks checks(ui);
  fields.Time(&hour, &minute, time);
  fields.Load();
  EXPECT_EQ(HourMinuteText(hour.currentIndex(), minute.currentIndex()), "24:07");
  fields.Commit(checks);
  EXPECT_EQ(std::memcmp(&time, &kept, sizeof time), 0);
  minute.setCurrentIndex(0);
  fields.Commit(checks);
  EXPECT_EQ(time.MIN, 0);
  EXPECT_EQ(time.HOUR, 24);
}

}  // namespace
}  // namespace tk48
