#include "editors/io/CDlgSetIoMdCh.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "editors/io/CDlgSetIoMdUsed.h"
#include "editors/toolkit/channel_chooser.h"
#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "editors/toolkit/standard_lists.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

constexpr int kBackupFirst = 127, kBackupLast = 158;  // MD128 to MD159
constexpr int kFirstCount = 3, kLastCount = 16;

const RefKind* InputKinds() {
  static const RefKind kinds[] = {{0, &FamilyOf(FamilyId::Di)}, {1, &FamilyOf(FamilyId::Md)}};
  return kinds;
}

}  // namespace

CDlgSetIoMdCh::CDlgSetIoMdCh(QWidget* parent, SettingData& record, int index, UiPort& ui)
    : ItemEditor(parent, ui), ch_(record.IO.MD[index]), index_(index) {
  setWindowTitle(QUtf8Text(FormatText(text::kMdLabel, index + 1)));
  function = ChoiceList(this, text::kMdFunctions);
  const std::span<const RefKind> kinds(InputKinds(), 2);
  const auto typeList = [this] { return ChoiceList(this, {text::kDi, text::kFamilyMd}); };
  input1Type = typeList();
  input1Ch = new QComboBox(this);
  input2Type = typeList();
  input2Ch = new QComboBox(this);
  contEnable = new QCheckBox(Tx(text::kEnableBox), this);
  contType = typeList();
  contStart = new QComboBox(this);
  contCount = ChoiceList(this, {text::kNoCount});
  for (int n = kFirstCount; n <= kLastCount; ++n) contCount->addItem(QString::number(n));
  k1 = EditField(this, 60);
  name = EditField(this, 200);
  comment = EditField(this, 200);
  backup = ChoiceList(this, {text::kIoDisable, text::kIoEnable});
  web = ChoiceList(this, {text::kBrowserDisable, text::kBrowserEnable});

  fields_.Choice(function, ch_.TYPE);
  Guard(function);
  ChannelChoice(input1Type, input1Ch, ch_.INPUT1, kinds, record);
  ChannelChoice(input2Type, input2Ch, ch_.INPUT2, kinds, record);
  ChannelChoice(contType, contStart, ch_.INPUT_CONT.CH, kinds, record);
  // The run's length: Enable shows whether a count is stored; Commit writes it.
  fields_.Custom(
      contCount,
      [this] {
        const int n = ch_.INPUT_CONT.CN;
        contEnable->setChecked(n != 0);
        contCount->setCurrentIndex(n >= kFirstCount && n <= kLastCount ? n - kFirstCount + 1 : 0);
      },
      [this] { return QStringLiteral("%1/%2").arg(contEnable->isChecked()).arg(contCount->currentIndex()); }, [] {});
  fields_.Int(k1, ch_.CONST.K1);
  fields_.Text(name, ch_.NAME);
  fields_.Text(comment, ch_.COMMENT);
  fields_.Choice(backup, ch_.BACKUP);
  fields_.Choice(web, ch_.WEB);
  on = new StatusGroup(this, StatusGroup::kOn, ch_.STATUS.ON, fields_, record, ui);
  off = new StatusGroup(this, StatusGroup::kOff, ch_.STATUS.OFF, fields_, record, ui);
  connect(contEnable, &QCheckBox::clicked, this, [this] {
    UpdateEnables();
    contEnable->setFocus();
  });

  auto* form = new QFormLayout;
  AddRow(form, text::kFunction, function);
  const auto inputRow = [&](int labelId, QComboBox* type, QComboBox* ch) {
    auto* row = new QHBoxLayout;
    row->addWidget(type);
    row->addWidget(ch);
    form->addRow(FieldLabel(this, labelId, type), row);
    Name(type, SubName(labelId, text::kErrOutType));
    Name(ch, SubName(labelId, labelId == text::kConsecutive ? text::kStartCh : text::kErrOutCh));
  };
  inputRow(text::kInput1, input1Type, input1Ch);
  inputRow(text::kInput2, input2Type, input2Ch);
  form->addRow(FieldLabel(this, text::kConsecutive, contEnable), contEnable);
  Name(contEnable, SubName(text::kConsecutive, text::kEnableBox));
  inputRow(text::kConsecutive, contType, contStart);
  AddRow(form, text::kCount, contCount);
  Name(contCount, SubName(text::kConsecutive, text::kCount));
  AddRow(form, text::kK1, k1);
  AddRow(form, text::kColumnChName, name);
  AddRow(form, text::kColumnChComment, comment);
  AddRow(form, text::kMdBackup, backup);
  AddRow(form, text::kControlOnBrowser, web);
  auto* states = new QVBoxLayout;
  states->addWidget(on);
  states->addWidget(off);
  const FootButtons foot = OkCancelColumns(form, states);
  okButton = foot.ok;
  cancelButton = foot.cancel;
  Start();
}

void CDlgSetIoMdCh::UpdateEnables() {
  const int f = function->currentIndex();
  SetEnabled({input1Type, input1Ch, input2Type, input2Ch, contEnable, contType, contStart, contCount, k1, web, backup},
             false);
  const bool run = (f == kAnd || f == kOr) && contEnable->isChecked();
  SetEnabled({k1, web}, f == kNone);
  backup->setEnabled(f == kNone && index_ >= kBackupFirst && index_ <= kBackupLast);
  SetEnabled({input1Type, input1Ch}, f == kEqual || f == kNot || f == kXor || ((f == kAnd || f == kOr) && !run));
  SetEnabled({input2Type, input2Ch}, f == kXor || ((f == kAnd || f == kOr) && !run));
  contEnable->setEnabled(f == kAnd || f == kOr);
  SetEnabled({contType, contStart, contCount}, run);
}

bool CDlgSetIoMdCh::Validate() {
  if (contCount->isEnabled()) {
    if (contCount->currentIndex() <= 0) return checks_.Refuse(LoadText(text::kNoCountError));
    const int start = std::max(contStart->currentIndex(), 0) + 1;
    const int count = contCount->currentIndex() + kFirstCount - 1;
    if (start + count - 1 > FamilyOf(FamilyId::Md).count) return checks_.Refuse(LoadText(text::kRunLengthError));
  }
  return checks_.Int(k1, 0, 999, text::kK1Error) && checks_.Text(name, 16, text::kChNameError) &&
         checks_.Text(comment, 16, text::kChCommentError) && CheckStatusPair(checks_, *on, *off);
}

void CDlgSetIoMdCh::Commit() {
  ItemEditor::Commit();
  // A run only with Enable ticked and a count chosen: a stored 1 or 2 (no
  // valid run) becomes 0.
  const int count = contCount->currentIndex();
  ch_.INPUT_CONT.CN = static_cast<std::uint8_t>(contEnable->isChecked() && count > 0 ? count + kFirstCount - 1 : 0);
  on->Commit(ch_.STATUS.ON);
  off->Commit(ch_.STATUS.OFF);
}

ListScreenSetup MdListSetup(SettingData& record, UiPort& ui) {
  ListScreenSetup setup = EditorListSetup<CDlgSetIoMdCh>(record, ui, FamilyId::Md, text::kDigitalFunctionRegister);
  const SettingData* r = &record;
  UiPort* port = &ui;
  setup.buttons.push_back({text::kWhoUsesMd, [r, port](QWidget* p, int) {
                            CDlgSetIoMdUsed view(p, *r, *port);
                            view.exec();
                          }});
  return setup;
}

}  // namespace tk48
