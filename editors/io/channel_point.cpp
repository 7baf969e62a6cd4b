#include "editors/io/channel_point.h"

#include <QFormLayout>

#include "editors/toolkit/editor_widgets.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

std::int32_t Number(const QLineEdit* field) { return field->text().toInt(); }

}  // namespace

QComboBox* PointKindList(QWidget* parent, std::span<const int> moreKindIds) {
  QComboBox* list = ChoiceList(parent, {text::kChDisable, text::kIoModule, text::kModbusTcp, text::kSlmp});
  for (const int id : moreKindIds) list->addItem(Tx(id));
  return list;
}

void PointFields::AddKindRows(QFormLayout* form) const {
  AddRow(form, text::kChSetting, kind);
  AddRow(form, text::kModuleAddress, moduleAddress);
  AddRow(form, text::kChNo, chNo);
  AddRow(form, text::kSlaveNo, slaveNo);
}

void PointFields::AddSlmpRows(QFormLayout* form) const {
  AddRow(form, text::kSlmpDevice, slmp.device);
  AddRow(form, text::kSlmpDeviceNoDec, slmp.decimal);
  AddRow(form, text::kSlmpDeviceNoHex, slmp.hex);
}

void PointFields::Enable() const {
  const int k = kind->currentIndex();
  moduleAddress->setEnabled(k == kTypeCard);
  chNo->setEnabled(k == kTypeCard);
  slaveNo->setEnabled(k == kTypeModbusTcp || k == kTypeSlmp);
  registerAddress->setEnabled(k == kTypeModbusTcp);
  slmp.Enable(k == kTypeSlmp);
}

bool PointFields::Check(const FieldChecks& checks, int chNoMax, std::int32_t registerAddressMax) const {
  switch (kind->currentIndex()) {
    case kTypeCard:
      return checks.Int(moduleAddress, 1, 16, text::kModuleAddressError) &&
             checks.Int(chNo, 1, chNoMax, text::kChNoError);
    case kTypeModbusTcp:
      return checks.Int(slaveNo, 0, 31, text::kSlaveAddressError) &&
             checks.Int(registerAddress, 1, registerAddressMax, text::kRegisterAddressError);
    case kTypeSlmp:
      return checks.Int(slaveNo, 0, 31, text::kSlaveAddressError) && slmp.Check(checks);
    default: return true;
  }
}

ChannelPoint::ChannelPoint(QWidget* parent, std::span<const SlmpDevice> devices, int registerTypeId)
    : kind(PointKindList(parent)),
      moduleAddress(EditField(parent, 60)),
      chNo(EditField(parent, 60)),
      slaveNo(EditField(parent, 60)),
      registerType(new QLabel(Tx(registerTypeId), parent)),
      registerAddress(EditField(parent, 80)),
      slmp(parent, devices) {}

void ChannelPoint::AddRows(QFormLayout* form) {
  const PointFields fields = Fields();
  fields.AddKindRows(form);
  form->addRow(Tx(text::kRegisterType), registerType);
  AddRow(form, text::kRegisterAddress, registerAddress);
  fields.AddSlmpRows(form);
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
