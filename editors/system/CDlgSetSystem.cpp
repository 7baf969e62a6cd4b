#include "editors/system/CDlgSetSystem.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>
#include <utility>

#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

constexpr int kNameChars = 32;

CDlgSetSystem::DstRow MakeDstRow(QWidget* parent, FieldBindings& fields, DstPoint& point) {
  CDlgSetSystem::DstRow row{
      NumberList(parent, 1, 12),
      NumberList(parent, 1, 4),
      ChoiceList(parent, text::kWeekdays),
      NumberList(parent, 0, 23),
  };
  row.week->addItem(Tx(text::kLastWeek));  // week 5
  fields.Choice(row.month, point.MON, 1);
  fields.Choice(row.week, point.WEEK1, 1);
  fields.Choice(row.weekday, point.WEEK2);
  fields.Choice(row.hour, point.HOUR);
  return row;
}

// Start and End share their field labels: each field is named "Start (Month)".
QGroupBox* DstGroup(QWidget* parent, int titleId, const CDlgSetSystem::DstRow& row) {
  auto* box = new QGroupBox(Tx(titleId), parent);
  auto* form = new QFormLayout(box);
  const std::pair<int, QComboBox*> fields[] = {
      {text::kMonth, row.month}, {text::kWeek, row.week}, {text::kDayOfWeek, row.weekday}, {text::kHour, row.hour}};
  for (const auto& [labelId, list] : fields) {
    form->addRow(Tx(labelId), list);
    Name(list, SubName(titleId, labelId));
  }
  return box;
}

}  // namespace

CDlgSetSystem::CDlgSetSystem(QWidget* parent, SettingData& record, UiPort& ui) : ItemEditor(parent, ui) {
  setWindowTitle(Tx(text::kSystem));
  SystemSection& sys = record.SYSTEM;

  char (*names[3])[97] = {&sys.NAME1, &sys.NAME2, &sys.NAME3};
  for (int i = 0; i < 3; ++i) {
    name[i] = EditField(this, 320);
    fields_.Text(name[i], *names[i]);
  }
  language = ChoiceList(this, {text::kJapanese, text::kEnglish});
  zoneHour = EditField(this, 60);
  zoneMinute = EditField(this, 60);
  timeAve = ChoiceList(this, {text::kDisable, text::kEnable});
  dstMode = ChoiceList(this, {text::kDisable, text::kEnable});
  start = MakeDstRow(this, fields_, sys.DST.START);
  end = MakeDstRow(this, fields_, sys.DST.END);
  fields_.Choice(language, sys.LANGUAGE);
  fields_.Int(zoneHour, sys.TIMEZONE);
  fields_.Int(zoneMinute, sys.TIMEZONE_MIN);
  fields_.Choice(timeAve, sys.TIME_AVE);
  fields_.Choice(dstMode, sys.DST.MODE);
  Unguarded(dstMode);

  auto* top = new QFormLayout;
  AddRow(top, text::kSystemName, name[0]);
  AddRow(top, text::kSystemName2, name[1]);
  AddRow(top, text::kSystemName3, name[2]);
  AddRow(top, text::kLanguage, language);

  // Hour and minute share the group's label: "Time zone (Hour)", "Time zone (Minute)".
  auto* zone = new QGroupBox(Tx(text::kTimeZone), this);
  auto* zoneRow = new QHBoxLayout(zone);
  zoneRow->addWidget(FieldLabel(zone, text::kHour, zoneHour));
  zoneRow->addWidget(zoneHour);
  zoneRow->addWidget(FieldLabel(zone, text::kMinute, zoneMinute));
  zoneRow->addWidget(zoneMinute);
  zoneRow->addStretch();
  Name(zoneHour, SubName(text::kTimeZone, text::kHour));
  Name(zoneMinute, SubName(text::kTimeZone, text::kMinute));

  auto* sampling = new QFormLayout;
  AddRow(sampling, text::kSamplingAdjustment, timeAve);

  auto* dst = new QGroupBox(Tx(text::kDaylightSavingTime), this);
  auto* dstLayout = new QGridLayout(dst);
  auto* modeRow = new QFormLayout;
  AddRow(modeRow, text::kMode, dstMode);
  Name(dstMode, SubName(text::kDaylightSavingTime, text::kMode));
  dstLayout->addLayout(modeRow, 0, 0, 1, 2);
  dstLayout->addWidget(DstGroup(dst, text::kStart, start), 1, 0);
  dstLayout->addWidget(DstGroup(dst, text::kEnd, end), 1, 1);

  const FootButtons foot = MakeFootButtons(this, text::kOk, text::kCancel);
  okButton = foot.ok;
  cancelButton = foot.cancel;
  connect(foot.box, &QDialogButtonBox::accepted, this, &CDlgSetSystem::OkStep);
  connect(foot.box, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(zone);
  layout->addLayout(sampling);
  layout->addWidget(dst);
  layout->addWidget(foot.box);

  Start();
}

bool CDlgSetSystem::DstInUse() const { return dstMode->currentIndex() == kEnabledEntry; }

void CDlgSetSystem::UpdateEnables() {
  const bool dst = DstInUse();
  for (const DstRow* row : {&start, &end}) {
    for (QComboBox* list : {row->month, row->week, row->weekday, row->hour}) list->setEnabled(dst);
  }
}

bool CDlgSetSystem::Validate() {
  return checks_.Text(name[0], kNameChars, text::kSystemNameErrors[0]) &&
         checks_.Text(name[1], kNameChars, text::kSystemNameErrors[1]) &&
         checks_.Text(name[2], kNameChars, text::kSystemNameErrors[2]) &&
         checks_.Int(zoneHour, -12, 13, text::kZoneHourError) && checks_.Int(zoneMinute, 0, 59, text::kZoneMinuteError);
}

bool CDlgSetSystem::CrossCheck() {
  if (DstInUse() && start.month->currentIndex() == end.month->currentIndex())
    return checks_.Refuse(LoadText(text::kDstSameMonth));
  return true;
}

}  // namespace tk48
