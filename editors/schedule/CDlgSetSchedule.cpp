#include "editors/schedule/CDlgSetSchedule.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>

#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

constexpr int kNone = 0, kDo = 1, kGdo = 2;  // CH kinds: NONE, DO, GDO, MD
constexpr int kEndOfDay = 24;
constexpr int kNameChars = 32;

std::span<const RefKind> OutputKinds() {
  static const RefKind kinds[] = {
      {0, nullptr}, {1, &FamilyOf(FamilyId::Do)}, {2, &FamilyOf(FamilyId::Gdo)}, {3, &FamilyOf(FamilyId::Md)}};
  return kinds;
}

const ChannelFamily* OutputFamily(const PatternOut& out) {
  for (const RefKind& k : OutputKinds())
    if (k.kind == out.CH.kind) return k.family;
  return nullptr;
}

// The output's channel name and comment, whatever the family's in-use rule.
RowTexts OutputTexts(const SettingData& record, const PatternOut& out) {
  const ChannelFamily* family = OutputFamily(out);
  if (!family || out.CH.no < 1 || out.CH.no > family->count) return {};
  return family->texts(record, out.CH.no - 1);
}

QString Number(int row) { return QString::number(row + 1); }

}  // namespace

CDlgSetSchConf::CDlgSetSchConf(QWidget* parent, const SettingData& record, PatternOut& out, int index, UiPort& ui)
    : ItemEditor(parent, ui), record_(record) {
  setWindowTitle(QUtf8Text(FormatText(text::kPatternOutputTitle, index + 1)));
  type = ChoiceList(this, {text::kOutputNone, text::kDo, text::kGdo, text::kMd});
  channel = new QComboBox(this);
  startHour = NumberList(this, 0, 23);
  startMinute = NumberList(this, 0, 59);
  endHour = NumberList(this, 0, kEndOfDay);
  endMinute = NumberList(this, 0, 59);
  // Only "None" is guarded, and by the times alone: a mapped output may always be taken off.
  GuardWith(type, [this](int, int to) { return to != kNone || TimesInOrder(); });
  ChannelChoice(type, channel, out.CH, OutputKinds(), record);
  fields_.Time(startHour, startMinute, out.START);
  fields_.Time(endHour, endMinute, out.STOP);
  OnChoice(endHour, [this] {
    if (endHour->currentIndex() == kEndOfDay) endMinute->setCurrentIndex(0);
  });

  auto* form = new QFormLayout;
  AddRow(form, text::kType, type);
  AddRow(form, text::kColumnCh, channel);
  auto timeGroup = [this](int titleId, QComboBox* hour, QComboBox* minute) {
    auto* box = new QGroupBox(Tx(titleId), this);
    auto* row = new QHBoxLayout(box);
    row->addWidget(FieldLabel(box, text::kHour, hour));
    row->addWidget(hour);
    row->addWidget(FieldLabel(box, text::kMinShort, minute));
    row->addWidget(minute);
    Name(hour, SubName(titleId, text::kHour));
    Name(minute, SubName(titleId, text::kMinShort));
    return box;
  };
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(timeGroup(text::kStartAt, startHour, startMinute));
  layout->addWidget(timeGroup(text::kEndAt, endHour, endMinute));
  layout->addWidget(OkCancelButtons().box);
  Start();
}

// A stored end hour of 24 shows minute 0, whatever the file held.
void CDlgSetSchConf::Load() {
  ItemEditor::Load();
  if (endHour->currentIndex() == kEndOfDay) endMinute->setCurrentIndex(0);
}

void CDlgSetSchConf::UpdateEnables() {
  const bool inUse = type->currentIndex() > kNone;
  for (QComboBox* list : {channel, startHour, startMinute, endHour}) list->setEnabled(inUse);
  endMinute->setEnabled(inUse && endHour->currentIndex() != kEndOfDay);
}

bool CDlgSetSchConf::TimesInOrder() const {
  return checks_.EndAfterStart({startHour, startMinute}, {endHour, endMinute}, LoadText(text::kStartEndError));
}

bool CDlgSetSchConf::CrossCheck() {
  const int kind = type->currentIndex();
  const int no = channel->currentIndex();
  if (kind == kDo && no >= 0 && record_.IO.DO[no].IO_MAPPING.kind != 0) return checks_.Refuse(LoadText(text::kDoMapped));
  if (kind == kGdo && no >= 0 && record_.IO.GDO[no].IO_MAPPING.kind != 0)
    return checks_.Refuse(LoadText(text::kGdoMapped));
  return TimesInOrder();
}

CDlgSetSchPattern::CDlgSetSchPattern(QWidget* parent, const SettingData& record, SchedulePattern& pattern, int index,
                                     UiPort& ui)
    : ItemEditor(parent, ui), pattern_(pattern) {
  setWindowTitle(QUtf8Text(FormatText(text::kPatternOutputTitle, index + 1)));
  std::copy(std::begin(pattern.OUT), std::end(pattern.OUT), outs_.begin());
  name = EditField(this, 260);
  fields_.Text(name, pattern.PTN_NAME);

  PatternOut* outs = outs_.data();
  const SettingData* r = &record;
  ListSetup setup;
  setup.rows = static_cast<int>(outs_.size());
  auto shown = [outs](int row) { return outs[row].CH.kind != kNone; };
  setup.columns = {
      {text::kColumnNo, 40, Number},
      {text::kColumnChName, 150, [=](int row) { return shown(row) ? OutputTexts(*r, outs[row]).name : QString(); }},
      {text::kColumnChComment, 150,
       [=](int row) { return shown(row) ? OutputTexts(*r, outs[row]).comment : QString(); }},
      {text::kStartAt, 70,
       [=](int row) { return shown(row) ? HourMinuteText(outs[row].START.HOUR, outs[row].START.MIN) : QString(); }},
      {text::kEndAt, 70,
       [=](int row) { return shown(row) ? HourMinuteText(outs[row].STOP.HOUR, outs[row].STOP.MIN) : QString(); }},
  };
  setup.edit = [outs, r, &ui](QWidget* p, int row) {
    PatternOut copy = outs[row];
    CDlgSetSchConf sub(p, *r, copy, row, ui);
    if (sub.exec() == QDialog::Accepted) outs[row] = copy;
  };
  setup.paste = [outs](int from, int to) { outs[to] = outs[from]; };
  outputs = new ListView(this, std::move(setup));
  outputs->setAccessibleName(Tx(text::kPatternSetting));
  outputs->setMinimumSize(520, 280);

  auto* form = new QFormLayout;
  AddRow(form, text::kPatternName, name);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(outputs);
  layout->addWidget(OkCancelButtons().box);
  Start();
}

bool CDlgSetSchPattern::Validate() { return checks_.Text(name, kNameChars, text::kPatternNameError); }

void CDlgSetSchPattern::Commit() {
  ItemEditor::Commit();
  std::copy(outs_.begin(), outs_.end(), std::begin(pattern_.OUT));
}

ListScreenSetup PatternListSetup(SettingData& record, UiPort& ui) {
  SettingData* r = &record;
  ListScreenSetup setup;
  setup.title = Tx(text::kPatternSetting);
  setup.list.rows = static_cast<int>(std::size(record.SCHEDULE.PATTERN));
  setup.list.columns = {
      {text::kColumnNo, 60, Number},
      {text::kPatternName, 260, [r](int row) { return FromRecord(r->SCHEDULE.PATTERN[row].PTN_NAME); }},
  };
  setup.list.edit = [r, &ui](QWidget* parent, int row) {
    CDlgSetSchPattern screen(parent, *r, r->SCHEDULE.PATTERN[row], row, ui);
    screen.exec();
  };
  setup.list.paste = [r](int from, int to) { r->SCHEDULE.PATTERN[to] = r->SCHEDULE.PATTERN[from]; };
  return setup;
}

}  // namespace tk48
