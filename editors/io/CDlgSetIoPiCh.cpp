#include "editors/io/CDlgSetIoPiCh.h"

#include <QFormLayout>

#include "checks/c_number.h"
#include "editors/toolkit/channel_chooser.h"
#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "editors/toolkit/standard_lists.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

constexpr double kScaleLimit = 10000000000.0;
// The "CH setting" entries after "SLMP".
constexpr int kMoreKinds[] = {text::kDi, text::kControlInput, text::kAnalogAccumulation, text::kBinaryAccumulation,
                              text::kDemo};

std::uint32_t UnsignedOf(const QLineEdit* field) {
  const auto parsed = ParseULong(Units(field->text()), 10);
  return static_cast<std::uint32_t>(parsed.value);
}

}  // namespace

CDlgSetIoPiCh::CDlgSetIoPiCh(QWidget* parent, SettingData& record, int index, UiPort& ui)
    : MeasuredInputEditor(parent, record, ui, {kMoreKinds, kWordRegisterTypes, SlmpPulseDevices(), 2, 65535},
                          text::kPiLabel, index, record.IO.PI[index], text::kPiZoneTitle),
      ch_(record.IO.PI[index]) {
  swap = new QCheckBox(Tx(text::kInvert), this);
  slmpSwap = new QCheckBox(Tx(text::kInvert), this);
  diCh = new QComboBox(this);
  FillLabelledChannels(diCh, record, FamilyOf(FamilyId::Di));
  MakeNames(this);
  scale = EditField(this, 120);
  MakeUnit(this);
  mode = ChoiceList(this, {text::kAccumulation, text::kEngineeringUnitValue});
  range = new QCheckBox(Tx(text::kEnableBox), this);
  lower = EditField(this, 100);
  upper = EditField(this, 100);
  modeTcp = ChoiceList(this, {text::kAccumulation, text::kEngineeringUnitValue, text::kFloat});
  modeDi = ChoiceList(this, {text::kOn, text::kOff, text::kUp, text::kDown});
  MakeFilter(this);
  analogCh = new QComboBox(this);
  FillLabelledChannels(analogCh, record, FamilyOf(FamilyId::Ai));
  rate = EditField(this, 80);
  timeUnit = ChoiceList(this, {text::kTimeMinute, text::kTimeHour, text::kTimeDay});
  dropout = EditField(this, 80);
  binaryCh = new QComboBox(this);
  FillLabelledChannels(binaryCh, record, FamilyOf(FamilyId::Ai));
  // The action lists show this channel as the screen holds it.
  MakeZonesButton(this, ui, [this, index] {
    return ZoneOwner{FamilyId::Pi, index, kind->currentIndex() > kDisable, name->text(), comment->text()};
  });

  BindPoint(fields_, ch_);
  fields_.Flag(swap, ch_.SWAP);
  fields_.Flag(slmpSwap, ch_.SLMP_SW);
  fields_.Choice(diCh, ch_.DI_CH, 1);
  BindNames(fields_, ch_);
  fields_.Real(scale, ch_.SCALE);
  BindUnit(fields_, ch_);
  fields_.Choice(mode, ch_.MODE);
  fields_.Flag(range, ch_.RNG);
  fields_.Int(lower, ch_.WIDTH.LOW);
  fields_.Int(upper, ch_.WIDTH.HIGH);
  fields_.Choice(modeTcp, ch_.MODE_TCP);
  fields_.Choice(modeDi, ch_.MODE_DI);
  BindFilter(fields_, ch_);
  fields_.Choice(analogCh, ch_.ANALOG_SUM.TARGET_CH, 1);
  fields_.Int(rate, ch_.ANALOG_SUM.RATE);
  fields_.Choice(timeUnit, ch_.ANALOG_SUM.UNIT);
  fields_.Int(dropout, ch_.ANALOG_SUM.DROPOUT);
  fields_.Choice(binaryCh, ch_.BINARY_SUM.TARGET_CH, 1);

  GuardPoint();
  Guard(mode);
  Guard(modeTcp);
  Guard(filter);
  // The range box takes effect at once, like an unguarded list.
  connect(range, &QCheckBox::clicked, this, [this] {
    UpdateEnables();
    range->setFocus();
  });

  auto* source = new QFormLayout;
  AddModbusRows(source);
  source->addRow(swap);
  Name(swap, SubName(text::kSlaveModbusTcp, text::kInvert));
  AddSlmpRows(source);
  source->addRow(slmpSwap);
  Name(slmpSwap, SubName(text::kSlaveSlmp, text::kInvert));
  AddRow(source, text::kDiChNo, diCh);
  AddRow(source, text::kModeDi, modeDi);
  AddRow(source, text::kAiChNo, analogCh);
  Name(analogCh, SubName(text::kAnalogAccumulation, text::kAiChNo));
  AddRow(source, text::kCounterRate, rate);
  AddRow(source, text::kTimeUnit, timeUnit);
  AddRow(source, text::kLowEndCutout, dropout);
  AddRow(source, text::kAiChNo, binaryCh);
  Name(binaryCh, SubName(text::kBinaryAccumulation, text::kAiChNo));
  auto* value = new QFormLayout;
  AddNameRows(value);
  AddRow(value, text::kScaling, scale);
  AddUnitRows(value);
  AddRow(value, text::kModeIoModule, mode);
  value->addRow(FieldLabel(this, text::kPulseRangeConfig, range), range);
  Name(range, SubName(text::kPulseRangeConfig, text::kEnableBox));
  AddRow(value, text::kLowerLimit, lower);
  Name(lower, SubName(text::kPulseRange, text::kLowerLimit));
  AddRow(value, text::kUpperLimit, upper);
  Name(upper, SubName(text::kPulseRange, text::kUpperLimit));
  AddRow(value, text::kModeTcp, modeTcp);
  AddFilterRows(value);
  value->addRow(zonesButton);
  LayOut(source, value);
  Start();
}

bool CDlgSetIoPiCh::RangeInUse() const {
  const int k = kind->currentIndex();
  if (k == kIoModule) return mode->currentIndex() == kAccumulation && range->isChecked();
  return (k == kModbusTcp || k == kSlmp) && modeTcp->currentIndex() == kAccumulation;
}

void CDlgSetIoPiCh::UpdateEnables() {
  const int k = kind->currentIndex();
  EnablePoint();
  SetEnabled({swap, slmpSwap, diCh, name, comment, scale, point, unit, mode, range, lower, upper, modeTcp, modeDi},
             false);
  SetEnabled({filter, samples, timeConstant, analogCh, rate, timeUnit, dropout, binaryCh, zonesButton}, false);
  if (k <= kDisable) return;
  SetEnabled({name, comment, scale, point, unit, zonesButton}, true);
  switch (k) {
    case kIoModule:
      mode->setEnabled(true);
      if (mode->currentIndex() == kEngineeringValue) EnableFilter();
      if (mode->currentIndex() == kAccumulation) range->setEnabled(true);
      break;
    case kModbusTcp:
    case kSlmp:
      modeTcp->setEnabled(true);
      swap->setEnabled(k == kModbusTcp);
      slmpSwap->setEnabled(k == kSlmp);
      if (modeTcp->currentIndex() == kEngineeringValue) EnableFilter();
      break;
    case kDi: SetEnabled({diCh, modeDi}, true); break;
    case kAnalogSum: SetEnabled({analogCh, rate, timeUnit, dropout}, true); break;
    case kBinarySum: binaryCh->setEnabled(true); break;
    default: break;
  }
  SetEnabled({lower, upper}, RangeInUse());
}

bool CDlgSetIoPiCh::Validate() {
  // The point's fields by the kind, the rest whatever the kind.
  constexpr Scope always = Scope::Always;
  return CheckPoint(checks_) && CheckNames(checks_, always) &&
         checks_.RealNonZero(scale, text::kScalingError, -kScaleLimit, kScaleLimit, 3, always) &&
         CheckUnit(checks_, always) && checks_.UInt(lower, 0, 4294967295u, text::kPulseLowerLimitError, always) &&
         checks_.UInt(upper, 0, 4294967295u, text::kPulseUpperLimitError, always) && CheckFilter(checks_) &&
         checks_.Int(rate, 0, 10000, text::kAccumulationRateError, always) &&
         checks_.Int(dropout, 0, 12000, text::kLowEndCutoutError, always);
}

bool CDlgSetIoPiCh::CrossCheck() {
  if (!InputEditor::CrossCheck()) return false;
  // Wherever the pulse range is in use, its lower limit must stay below the upper.
  if (RangeInUse() && UnsignedOf(lower) >= UnsignedOf(upper))
    return checks_.Refuse(LoadText(text::kPulseRangeOrderError));
  return ZonesChecked();
}

ListScreenSetup PiListSetup(SettingData& record, UiPort& ui) {
  return EditorListSetup<CDlgSetIoPiCh>(record, ui, FamilyId::Pi, text::kPulseInput);
}

}  // namespace tk48
