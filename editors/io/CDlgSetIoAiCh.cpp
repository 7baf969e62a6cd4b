#include "editors/io/CDlgSetIoAiCh.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

#include "editors/io/CDlgSetIoArea.h"
#include "editors/io/sample_counts.h"
#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "editors/toolkit/standard_lists.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

constexpr double kScaleLimit = 10000000000.0;
constexpr std::uint8_t kRegisterTypes[] = {3, 4};  // input register (3X), holding register (4X)

}  // namespace

CDlgSetIoAiCh::CDlgSetIoAiCh(QWidget* parent, SettingData& record, int index, UiPort& ui)
    : ItemEditor(parent, ui),
      slmp(this, SlmpWordDevices()),
      record_(record),
      ch_(record.IO.AI[index]),
      index_(index),
      zones_(ZonesOf(record.IO.AI[index])) {
  setWindowTitle(QUtf8Text(FormatText(text::kAiLabel, index + 1)));
  kind = ChoiceList(this, {text::kChDisable, text::kIoModule, text::kModbusTcp, text::kSlmp, text::kControlInput,
                           text::kTimeKind, text::kDemoSineWave, text::kDemoSquareWave});
  moduleAddress = EditField(this, 60);
  chNo = EditField(this, 60);
  slaveNo = EditField(this, 60);
  registerType = ChoiceList(this, {text::kInputRegister, text::kHoldingRegister});
  registerAddress = EditField(this, 80);
  timeInput = ChoiceList(this, {text::kTimeMonth, text::kTimeDay, text::kTimeHour, text::kTimeMinute, text::kTimeSecond,
                                text::kTimeDayOfWeek});
  name = EditField(this, 200);
  comment = EditField(this, 200);
  dataType = ChoiceList(this, {text::kDataPercent, text::kDataInt, text::kDataUint});
  filter = ChoiceList(this, {text::kNoneKind, text::kMovingAverage, text::kDelayBuffer});
  samples = SampleCountList(this);
  timeConstant = EditField(this, 60);
  scale0 = EditField(this, 120);
  scale100 = EditField(this, 120);
  scaleInt = EditField(this, 120);
  point = NumberList(this, 0, 3);
  unit = EditField(this, 100);
  zonesButton = new QPushButton(Tx(text::kAlarmZoneSetting), this);
  zonesButton->setAutoDefault(false);

  // The kind first: the SLMP device binding reads it.
  fields_.Choice(kind, ch_.TYPE);
  fields_.Int(moduleAddress, ch_.CARD_NO);
  fields_.Int(chNo, ch_.CARD_CH);
  fields_.Int(slaveNo, ch_.MOD_NODE);
  fields_.Values(registerType, ch_.MOD_TYPE, std::span<const std::uint8_t>(kRegisterTypes));
  fields_.Int(registerAddress, ch_.MOD_ADDRESS);
  slmp.Bind(fields_, ch_.SLMP_DEV_CODE, ch_.SLMP_DEV_NO, [this] { return kind->currentIndex() == kSlmp; });
  fields_.Choice(timeInput, ch_.TIME_TYPE);
  fields_.Text(name, ch_.NAME);
  fields_.Text(comment, ch_.COMMENT);
  fields_.Choice(dataType, ch_.AI_DATA_TYPE);
  fields_.Choice(filter, ch_.FILTER);
  // A count the list does not hold shows "4" (and is written as 4 on OK).
  BindSampleCount(fields_, samples, ch_.MOVING_AVERAGE);
  fields_.Int(timeConstant, ch_.T);
  fields_.Real(scale0, ch_.SCALE_0);
  fields_.Real(scale100, ch_.SCALE_100);
  fields_.Real(scaleInt, ch_.SCALE);
  fields_.Choice(point, ch_.POINT);
  fields_.Text(unit, ch_.UNIT);

  Guard(kind);
  Guard(slmp.device);
  Guard(dataType);
  Guard(filter);
  OnChoice(slmp.device, [this] { slmp.Carry(); });
  OnChoice(kind, [this] {
    if (kind->currentIndex() == kTime) ShowTimeValues();
  });
  connect(zonesButton, &QPushButton::clicked, this, &CDlgSetIoAiCh::EditZones);

  auto* source = new QFormLayout;
  AddRow(source, text::kChSetting, kind);
  AddRow(source, text::kModuleAddress, moduleAddress);
  AddRow(source, text::kChNo, chNo);
  AddRow(source, text::kSlaveNo, slaveNo);
  AddRow(source, text::kRegisterType, registerType);
  AddRow(source, text::kRegisterAddress, registerAddress);
  AddRow(source, text::kSlmpDevice, slmp.device);
  AddRow(source, text::kSlmpDeviceNoDec, slmp.decimal);
  AddRow(source, text::kSlmpDeviceNoHex, slmp.hex);
  AddRow(source, text::kTimeInput, timeInput);
  auto* value = new QFormLayout;
  AddRow(value, text::kColumnChName, name);
  AddRow(value, text::kColumnChComment, comment);
  AddRow(value, text::kDataType, dataType);
  AddRow(value, text::kFilter, filter);
  AddRow(value, text::kMovingAverageSamples, samples);
  AddRow(value, text::kTimeConstant, timeConstant);
  AddRow(value, text::kScaling0, scale0);
  AddRow(value, text::kScaling100, scale100);
  AddRow(value, text::kScalingInt, scaleInt);
  AddRow(value, text::kDecimalPlaces, point);
  AddRow(value, text::kEngineeringUnit, unit);
  value->addRow(zonesButton);

  const FootButtons foot = OkCancelButtons();
  okButton = foot.ok;
  cancelButton = foot.cancel;
  auto* columns = new QHBoxLayout;
  columns->addLayout(source);
  columns->addLayout(value);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addWidget(foot.box);
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
  SetEnabled({moduleAddress, chNo, slaveNo, registerType, registerAddress, timeInput, name, comment, dataType, filter,
              samples, timeConstant, scale0, scale100, scaleInt, point, unit, zonesButton},
             false);
  slmp.Enable(false);
  if (k == kDisable || k < 0) return;
  SetEnabled({name, comment, zonesButton, unit}, true);
  if (k == kTime) {
    timeInput->setEnabled(true);
  } else {
    const int type = dataType->currentIndex();
    dataType->setEnabled(true);
    filter->setEnabled(true);
    point->setEnabled(true);
    scale0->setEnabled(type == kPercent);
    scale100->setEnabled(type == kPercent);
    scaleInt->setEnabled(type == kInt || type == kUint);
    samples->setEnabled(filter->currentIndex() == kMovingAverage);
    timeConstant->setEnabled(filter->currentIndex() == kDelayBuffer);
  }
  moduleAddress->setEnabled(k == kIoModule);
  chNo->setEnabled(k == kIoModule);
  slaveNo->setEnabled(k == kModbusTcp || k == kSlmp);
  registerType->setEnabled(k == kModbusTcp);
  registerAddress->setEnabled(k == kModbusTcp);
  slmp.Enable(k == kSlmp);
}

bool CDlgSetIoAiCh::Validate() {
  const int k = kind->currentIndex();
  if (k == kIoModule &&
      (!checks_.Int(moduleAddress, 1, 16, text::kModuleAddressError) || !checks_.Int(chNo, 1, 4, text::kChNoError)))
    return false;
  if (k == kModbusTcp && (!checks_.Int(slaveNo, 0, 31, text::kSlaveAddressError) ||
                          !checks_.Int(registerAddress, 1, 65536, text::kRegisterAddressError)))
    return false;
  if (k == kSlmp && (!checks_.Int(slaveNo, 0, 31, text::kSlaveAddressError) || !slmp.Check(checks_))) return false;
  if (!checks_.Text(name, 16, text::kChNameError) || !checks_.Text(comment, 16, text::kChCommentError) ||
      !checks_.Int(timeConstant, 0, 100, text::kTimeConstantError, Scope::Always))
    return false;
  const int type = dataType->currentIndex();
  if (type == kPercent && (!checks_.Real(scale0, text::kScaling0Error, -kScaleLimit, kScaleLimit) ||
                           !checks_.Real(scale100, text::kScaling100Error, -kScaleLimit, kScaleLimit)))
    return false;
  if ((type == kInt || type == kUint) &&
      !checks_.RealNonZero(scaleInt, text::kScalingIntError, -kScaleLimit, kScaleLimit))
    return false;
  return checks_.Text(unit, 8, text::kEngineeringUnitError);
}

bool CDlgSetIoAiCh::CrossCheck() {
  const int k = kind->currentIndex();
  if (!CheckSlaveRef(checks_, record_.IO.NODE_CONF, k, slaveNo)) return false;
  return k == kDisable || ZonesInOrder(checks_, zones_.get());
}

void CDlgSetIoAiCh::Commit() {
  ItemEditor::Commit();
  StoreZones(zones_.get(), ch_);
}

void CDlgSetIoAiCh::EditZones() {
  zones_.Edit(
      [this](ZoneBlock& copy) { return RunZoneEditor(this, record_, copy, text::kAiZoneTitle, index_ + 1, ui_); });
}

ListScreenSetup AiListSetup(SettingData& record, UiPort& ui) {
  return EditorListSetup<CDlgSetIoAiCh>(record, ui, FamilyId::Ai, text::kAnalogInput);
}

void RunAiList(QWidget* parent, SettingData& record, UiPort& ui) { RunListScreen(parent, AiListSetup(record, ui)); }

}  // namespace tk48
