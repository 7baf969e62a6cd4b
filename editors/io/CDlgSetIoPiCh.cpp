#include "editors/io/CDlgSetIoPiCh.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

#include "checks/c_number.h"
#include "editors/io/CDlgSetIoArea.h"
#include "editors/io/sample_counts.h"
#include "editors/toolkit/channel_chooser.h"
#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "editors/toolkit/standard_lists.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

constexpr double kScaleLimit = 10000000000.0;
constexpr std::uint8_t kRegisterTypes[] = {3, 4};  // input register (3X), holding register (4X)

std::uint32_t UnsignedOf(const QLineEdit* field) {
  const auto parsed = ParseULong(Units(field->text()), 10);
  return static_cast<std::uint32_t>(parsed.value);
}

}  // namespace

CDlgSetIoPiCh::CDlgSetIoPiCh(QWidget* parent, SettingData& record, int index, UiPort& ui)
    : ItemEditor(parent, ui),
      slmp(this, SlmpPulseDevices()),
      record_(record),
      ch_(record.IO.PI[index]),
      index_(index),
      zones_(ZonesOf(record.IO.PI[index])) {
  setWindowTitle(QUtf8Text(FormatText(text::kPiLabel, index + 1)));
  kind = ChoiceList(this, {text::kChDisable, text::kIoModule, text::kModbusTcp, text::kSlmp, text::kDi,
                           text::kControlInput, text::kAnalogAccumulation, text::kBinaryAccumulation, text::kDemo});
  moduleAddress = EditField(this, 60);
  chNo = EditField(this, 60);
  slaveNo = EditField(this, 60);
  registerType = ChoiceList(this, {text::kInputRegister, text::kHoldingRegister});
  registerAddress = EditField(this, 80);
  swap = new QCheckBox(Tx(text::kInvert), this);
  slmpSwap = new QCheckBox(Tx(text::kInvert), this);
  diCh = new QComboBox(this);
  FillLabelledChannels(diCh, record, FamilyOf(FamilyId::Di));
  name = EditField(this, 200);
  comment = EditField(this, 200);
  scale = EditField(this, 120);
  point = NumberList(this, 0, 3);
  unit = EditField(this, 100);
  mode = ChoiceList(this, {text::kAccumulation, text::kEngineeringUnitValue});
  range = new QCheckBox(Tx(text::kEnableBox), this);
  lower = EditField(this, 100);
  upper = EditField(this, 100);
  modeTcp = ChoiceList(this, {text::kAccumulation, text::kEngineeringUnitValue, text::kFloat});
  modeDi = ChoiceList(this, {text::kOn, text::kOff, text::kUp, text::kDown});
  filter = ChoiceList(this, {text::kNoneKind, text::kMovingAverage, text::kDelayBuffer});
  samples = SampleCountList(this);
  timeConstant = EditField(this, 60);
  analogCh = new QComboBox(this);
  FillLabelledChannels(analogCh, record, FamilyOf(FamilyId::Ai));
  rate = EditField(this, 80);
  timeUnit = ChoiceList(this, {text::kTimeMinute, text::kTimeHour, text::kTimeDay});
  dropout = EditField(this, 80);
  binaryCh = new QComboBox(this);
  FillLabelledChannels(binaryCh, record, FamilyOf(FamilyId::Ai));
  zonesButton = new QPushButton(Tx(text::kAlarmZoneSetting), this);
  zonesButton->setAutoDefault(false);

  // The kind first: the SLMP device binding reads it.
  fields_.Choice(kind, ch_.TYPE);
  fields_.Int(moduleAddress, ch_.CARD_NO);
  fields_.Int(chNo, ch_.CARD_CH);
  fields_.Int(slaveNo, ch_.MOD_NODE);
  fields_.Values(registerType, ch_.MOD_TYPE, std::span<const std::uint8_t>(kRegisterTypes));
  fields_.Int(registerAddress, ch_.MOD_ADDRESS);
  fields_.Flag(swap, ch_.SWAP);
  slmp.Bind(fields_, ch_.SLMP_DEV_CODE, ch_.SLMP_DEV_NO, [this] { return kind->currentIndex() == kSlmp; });
  fields_.Flag(slmpSwap, ch_.SLMP_SW);
  fields_.Choice(diCh, ch_.DI_CH, 1);
  fields_.Text(name, ch_.NAME);
  fields_.Text(comment, ch_.COMMENT);
  fields_.Real(scale, ch_.SCALE);
  fields_.Choice(point, ch_.POINT);
  fields_.Text(unit, ch_.UNIT);
  fields_.Choice(mode, ch_.MODE);
  fields_.Flag(range, ch_.RNG);
  fields_.Int(lower, ch_.WIDTH.LOW);
  fields_.Int(upper, ch_.WIDTH.HIGH);
  fields_.Choice(modeTcp, ch_.MODE_TCP);
  fields_.Choice(modeDi, ch_.MODE_DI);
  fields_.Choice(filter, ch_.FILTER);
  // A count the list does not hold shows "4" (and is written as 4 on OK).
  BindSampleCount(fields_, samples, ch_.MOVING_AVERAGE);
  fields_.Int(timeConstant, ch_.T);
  fields_.Choice(analogCh, ch_.ANALOG_SUM.TARGET_CH, 1);
  fields_.Int(rate, ch_.ANALOG_SUM.RATE);
  fields_.Choice(timeUnit, ch_.ANALOG_SUM.UNIT);
  fields_.Int(dropout, ch_.ANALOG_SUM.DROPOUT);
  fields_.Choice(binaryCh, ch_.BINARY_SUM.TARGET_CH, 1);

  Guard(kind);
  Guard(slmp.device);
  Guard(mode);
  Guard(modeTcp);
  Guard(filter);
  OnChoice(slmp.device, [this] { slmp.Carry(); });
  // The range box takes effect at once, like an unguarded list.
  connect(range, &QCheckBox::clicked, this, [this] {
    UpdateEnables();
    range->setFocus();
  });
  connect(zonesButton, &QPushButton::clicked, this, &CDlgSetIoPiCh::EditZones);

  auto* source = new QFormLayout;
  AddRow(source, text::kChSetting, kind);
  AddRow(source, text::kModuleAddress, moduleAddress);
  AddRow(source, text::kChNo, chNo);
  AddRow(source, text::kSlaveNo, slaveNo);
  AddRow(source, text::kRegisterType, registerType);
  AddRow(source, text::kRegisterAddress, registerAddress);
  source->addRow(swap);
  Name(swap, SubName(text::kSlaveModbusTcp, text::kInvert));
  AddRow(source, text::kSlmpDevice, slmp.device);
  AddRow(source, text::kSlmpDeviceNoDec, slmp.decimal);
  AddRow(source, text::kSlmpDeviceNoHex, slmp.hex);
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
  AddRow(value, text::kColumnChName, name);
  AddRow(value, text::kColumnChComment, comment);
  AddRow(value, text::kScaling, scale);
  AddRow(value, text::kDecimalPlaces, point);
  AddRow(value, text::kEngineeringUnit, unit);
  AddRow(value, text::kModeIoModule, mode);
  value->addRow(FieldLabel(this, text::kPulseRangeConfig, range), range);
  Name(range, SubName(text::kPulseRangeConfig, text::kEnableBox));
  AddRow(value, text::kLowerLimit, lower);
  Name(lower, SubName(text::kPulseRange, text::kLowerLimit));
  AddRow(value, text::kUpperLimit, upper);
  Name(upper, SubName(text::kPulseRange, text::kUpperLimit));
  AddRow(value, text::kModeTcp, modeTcp);
  AddRow(value, text::kFilter, filter);
  AddRow(value, text::kMovingAverageSamples, samples);
  AddRow(value, text::kTimeConstant, timeConstant);
  value->addRow(zonesButton);
  auto* columns = new QHBoxLayout;
  columns->addLayout(source);
  columns->addLayout(value);
  const FootButtons foot = OkCancelColumn({columns});
  okButton = foot.ok;
  cancelButton = foot.cancel;
  Start();
}

bool CDlgSetIoPiCh::RangeInUse() const {
  const int k = kind->currentIndex();
  if (k == kIoModule) return mode->currentIndex() == kAccumulation && range->isChecked();
  return (k == kModbusTcp || k == kSlmp) && modeTcp->currentIndex() == kAccumulation;
}

void CDlgSetIoPiCh::UpdateEnables() {
  const int k = kind->currentIndex();
  SetEnabled({moduleAddress, chNo, slaveNo, registerType, registerAddress, swap, slmpSwap, diCh, name, comment, scale,
              point, unit, mode, range, lower, upper, modeTcp, modeDi, filter, samples, timeConstant, analogCh, rate,
              timeUnit, dropout, binaryCh, zonesButton},
             false);
  slmp.Enable(false);
  if (k <= kDisable) return;
  SetEnabled({name, comment, scale, point, unit, zonesButton}, true);
  // Filter and its dependent field, for a value measured as engineering unit.
  const auto filterOn = [this] {
    filter->setEnabled(true);
    samples->setEnabled(filter->currentIndex() == kMovingAverage);
    timeConstant->setEnabled(filter->currentIndex() == kDelayBuffer);
  };
  switch (k) {
    case kIoModule:
      SetEnabled({moduleAddress, chNo, mode}, true);
      if (mode->currentIndex() == kEngineeringValue) filterOn();
      if (mode->currentIndex() == kAccumulation) range->setEnabled(true);
      break;
    case kModbusTcp:
    case kSlmp:
      SetEnabled({slaveNo, modeTcp}, true);
      SetEnabled({registerType, registerAddress, swap}, k == kModbusTcp);
      slmpSwap->setEnabled(k == kSlmp);
      slmp.Enable(k == kSlmp);
      if (modeTcp->currentIndex() == kEngineeringValue) filterOn();
      break;
    case kDi: SetEnabled({diCh, modeDi}, true); break;
    case kAnalogSum: SetEnabled({analogCh, rate, timeUnit, dropout}, true); break;
    case kBinarySum: binaryCh->setEnabled(true); break;
    default: break;
  }
  SetEnabled({lower, upper}, RangeInUse());
}

bool CDlgSetIoPiCh::Validate() {
  const int k = kind->currentIndex();
  if (k == kIoModule &&
      (!checks_.Int(moduleAddress, 1, 16, text::kModuleAddressError) || !checks_.Int(chNo, 1, 2, text::kChNoError)))
    return false;
  if (k == kModbusTcp && (!checks_.Int(slaveNo, 0, 31, text::kSlaveAddressError) ||
                          !checks_.Int(registerAddress, 1, 65535, text::kRegisterAddressError)))
    return false;
  if (k == kSlmp && (!checks_.Int(slaveNo, 0, 31, text::kSlaveAddressError) || !slmp.Check(checks_))) return false;
  // The rest whatever the kind.
  constexpr Scope always = Scope::Always;
  return checks_.Text(name, 16, text::kChNameError, always) &&
         checks_.Text(comment, 16, text::kChCommentError, always) &&
         checks_.RealNonZero(scale, text::kScalingError, -kScaleLimit, kScaleLimit, 3, always) &&
         checks_.Text(unit, 8, text::kEngineeringUnitError, always) &&
         checks_.UInt(lower, 0, 4294967295u, text::kPulseLowerLimitError, always) &&
         checks_.UInt(upper, 0, 4294967295u, text::kPulseUpperLimitError, always) &&
         checks_.Int(timeConstant, 0, 100, text::kTimeConstantError, always) &&
         checks_.Int(rate, 0, 10000, text::kAccumulationRateError, always) &&
         checks_.Int(dropout, 0, 12000, text::kLowEndCutoutError, always);
}

bool CDlgSetIoPiCh::CrossCheck() {
  const int k = kind->currentIndex();
  if (!CheckSlaveRef(checks_, record_.IO.NODE_CONF, k, slaveNo)) return false;
  // Wherever the pulse range is in use, its lower limit must stay below the upper.
  if (RangeInUse() && UnsignedOf(lower) >= UnsignedOf(upper))
    return checks_.Refuse(LoadText(text::kPulseRangeOrderError));
  return k == kDisable || ZonesInOrder(checks_, zones_.get());
}

void CDlgSetIoPiCh::Commit() {
  ItemEditor::Commit();
  StoreZones(zones_.get(), ch_);
}

void CDlgSetIoPiCh::EditZones() {
  const ZoneOwner owner{FamilyId::Pi, index_, kind->currentIndex() > kDisable, name->text(), comment->text()};
  zones_.Edit([this, &owner](ZoneBlock& copy) {
    return RunZoneEditor(this, record_, copy, text::kPiZoneTitle, index_ + 1, ui_, &owner);
  });
}

ListScreenSetup PiListSetup(SettingData& record, UiPort& ui) {
  return EditorListSetup<CDlgSetIoPiCh>(record, ui, FamilyId::Pi, text::kPulseInput);
}

void RunPiList(QWidget* parent, SettingData& record, UiPort& ui) { RunListScreen(parent, PiListSetup(record, ui)); }

}  // namespace tk48
