#include "editors/io/channel_point.h"

#include <QFormLayout>

#include "editors/toolkit/editor_widgets.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

std::int32_t Number(const QLineEdit* field) { return field->text().toInt(); }

}  // namespace

ChannelPoint::ChannelPoint(QWidget* parent, std::span<const SlmpDevice> devices, int registerTypeId)
    : kind(ChoiceList(parent, {text::kChDisable, text::kIoModule, text::kModbusTcp, text::kSlmp})),
      moduleAddress(EditField(parent, 60)),
      chNo(EditField(parent, 60)),
      slaveNo(EditField(parent, 60)),
      registerType(new QLabel(Tx(registerTypeId), parent)),
      registerAddress(EditField(parent, 80)),
      slmp(parent, devices) {}

void ChannelPoint::AddRows(QFormLayout* form) {
  AddRow(form, text::kChSetting, kind);
  AddRow(form, text::kModuleAddress, moduleAddress);
  AddRow(form, text::kChNo, chNo);
  AddRow(form, text::kSlaveNo, slaveNo);
  form->addRow(Tx(text::kRegisterType), registerType);
  AddRow(form, text::kRegisterAddress, registerAddress);
  AddRow(form, text::kSlmpDevice, slmp.device);
  AddRow(form, text::kSlmpDeviceNoDec, slmp.decimal);
  AddRow(form, text::kSlmpDeviceNoHex, slmp.hex);
}

void ChannelPoint::Enable() {
  const int k = Kind();
  moduleAddress->setEnabled(k == kTypeCard);
  chNo->setEnabled(k == kTypeCard);
  slaveNo->setEnabled(k == kTypeModbusTcp || k == kTypeSlmp);
  registerAddress->setEnabled(k == kTypeModbusTcp);
  slmp.Enable(k == kTypeSlmp);
}

bool ChannelPoint::Check(const FieldChecks& checks, int chNoMax) const {
  switch (Kind()) {
    case kTypeCard:
      return checks.Int(moduleAddress, 1, 16, text::kModuleAddressError) &&
             checks.Int(chNo, 1, chNoMax, text::kChNoError);
    case kTypeModbusTcp:
      return checks.Int(slaveNo, 0, 31, text::kSlaveAddressError) &&
             checks.Int(registerAddress, 1, 65536, text::kRegisterAddressError);
    case kTypeSlmp:
      return checks.Int(slaveNo, 0, 31, text::kSlaveAddressError) && slmp.Check(checks);
    default: return true;
  }
}

OutputPoint ChannelPoint::Shown(std::uint8_t modType) const {
  return {Kind(),
          static_cast<std::int16_t>(Number(moduleAddress)),
          static_cast<std::int16_t>(Number(chNo)),
          static_cast<std::int16_t>(Number(slaveNo)),
          modType,
          registerAddress->text().toUInt(),
          slmp.Code(),
          slmp.Shown()};
}

}  // namespace tk48
