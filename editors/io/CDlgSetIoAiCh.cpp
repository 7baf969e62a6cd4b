#include "editors/io/CDlgSetIoAiCh.h"

#include <QFormLayout>

#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "editors/toolkit/standard_lists.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

constexpr double kScaleLimit = 10000000000.0;
// The "CH setting" entries after "SLMP".
constexpr int kMoreKinds[] = {text::kControlInput, text::kTimeKind, text::kDemoSineWave, text::kDemoSquareWave};

}  // namespace

CDlgSetIoAiCh::CDlgSetIoAiCh(QWidget* parent, SettingData& record, int index, UiPort& ui)
    : MeasuredInputEditor(parent, record, ui, {kMoreKinds, kWordRegisterTypes, SlmpWordDevices(), 4, 65536},
                          text::kAiLabel, index, record.IO.AI[index], text::kAiZoneTitle),
      ch_(record.IO.AI[index]) {
  timeInput = ChoiceList(this, {text::kTimeMonth, text::kTimeDay, text::kTimeHour, text::kTimeMinute, text::kTimeSecond,
                                text::kTimeDayOfWeek});
  MakeNames(this);
  dataType = ChoiceList(this, {text::kDataPercent, text::kDataInt, text::kDataUint});
  MakeFilter(this);
  scale0 = EditField(this, 120);
  scale100 = EditField(this, 120);
  scaleInt = EditField(this, 120);
  MakeUnit(this);
  MakeZonesButton(this, ui);

  BindPoint(fields_, ch_);
  fields_.Choice(timeInput, ch_.TIME_TYPE);
  BindNames(fields_, ch_);
  fields_.Choice(dataType, ch_.AI_DATA_TYPE);
  BindFilter(fields_, ch_);
  fields_.Real(scale0, ch_.SCALE_0);
  fields_.Real(scale100, ch_.SCALE_100);
  fields_.Real(scaleInt, ch_.SCALE);
  BindUnit(fields_, ch_);

  GuardPoint();
  Guard(dataType);
  Guard(filter);
  OnChoice(kind, [this] {
    if (kind->currentIndex() == kTime) ShowTimeValues();
  });

  auto* source = new QFormLayout;
  AddPointRows(source);
  AddRow(source, text::kTimeInput, timeInput);
  auto* value = new QFormLayout;
  AddNameRows(value);
  AddRow(value, text::kDataType, dataType);
  AddFilterRows(value);
  AddRow(value, text::kScaling0, scale0);
  AddRow(value, text::kScaling100, scale100);
  AddRow(value, text::kScalingInt, scaleInt);
  AddUnitRows(value);
  value->addRow(zonesButton);

  LayOut(source, value);
  Start();
}

// "Time" reads a whole number from the clock: its values are fixed, whether
// picked or read from a file, and OK stores them as shown.
void CDlgSetIoAiCh::ShowTimeValues() {
  dataType->setCurrentIndex(kInt);
  scaleInt->setText(QStringLiteral("1.000"));
  filter->setCurrentIndex(kNoFilter);
  point->setCurrentIndex(0);
}

void CDlgSetIoAiCh::Load() {
  ItemEditor::Load();
  if (kind->currentIndex() == kTime) ShowTimeValues();
}

void CDlgSetIoAiCh::UpdateEnables() {
  const int k = kind->currentIndex();
  EnablePoint();
  SetEnabled({timeInput, name, comment, dataType, filter, samples, timeConstant, scale0, scale100, scaleInt, point,
              unit, zonesButton},
             false);
  if (k == kDisable || k < 0) return;
  SetEnabled({name, comment, zonesButton, unit}, true);
  if (k == kTime) {
    timeInput->setEnabled(true);
  } else {
    const int type = dataType->currentIndex();
    dataType->setEnabled(true);
    EnableFilter();
    point->setEnabled(true);
    scale0->setEnabled(type == kPercent);
    scale100->setEnabled(type == kPercent);
    scaleInt->setEnabled(type == kInt || type == kUint);
  }
}

bool CDlgSetIoAiCh::Validate() {
  if (!CheckPoint(checks_) || !CheckNames(checks_, Scope::InUse) || !CheckFilter(checks_)) return false;
  const int type = dataType->currentIndex();
  if (type == kPercent && (!checks_.Real(scale0, text::kScaling0Error, -kScaleLimit, kScaleLimit) ||
                           !checks_.Real(scale100, text::kScaling100Error, -kScaleLimit, kScaleLimit)))
    return false;
  if ((type == kInt || type == kUint) &&
      !checks_.RealNonZero(scaleInt, text::kScalingIntError, -kScaleLimit, kScaleLimit))
    return false;
  return CheckUnit(checks_, Scope::InUse);
}

bool CDlgSetIoAiCh::CrossCheck() { return InputEditor::CrossCheck() && ZonesChecked(); }

ListScreenSetup AiListSetup(SettingData& record, UiPort& ui) {
  return EditorListSetup<CDlgSetIoAiCh>(record, ui, FamilyId::Ai, text::kAnalogInput);
}

}  // namespace tk48
