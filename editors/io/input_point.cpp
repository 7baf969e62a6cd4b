#include "editors/io/input_point.h"

#include <QFormLayout>

#include "editors/toolkit/editor_widgets.h"

namespace tk48 {

InputPoint::InputPoint(QWidget* parent, const InputPointSetup& setup)
    : slmp(parent, setup.devices),
      kind(PointKindList(parent, setup.moreKindIds)),
      moduleAddress(EditField(parent, 60)),
      chNo(EditField(parent, 60)),
      slaveNo(EditField(parent, 60)),
      registerType(ChoiceList(parent, {setup.registerTypes.textIds[0], setup.registerTypes.textIds[1]})),
      registerAddress(EditField(parent, 80)),
      registerValues_(setup.registerTypes.values),
      chNoMax_(setup.chNoMax),
      registerAddressMax_(setup.registerAddressMax) {}

void InputPoint::AddModbusRows(QFormLayout* form) {
  Fields().AddKindRows(form);
  AddRow(form, text::kRegisterType, registerType);
  AddRow(form, text::kRegisterAddress, registerAddress);
}

void InputPoint::EnablePoint() {
  Fields().Enable();
  registerType->setEnabled(kind->currentIndex() == kTypeModbusTcp);
}

bool InputPoint::CheckPoint(const FieldChecks& checks) const {
  return Fields().Check(checks, chNoMax_, registerAddressMax_);
}

}  // namespace tk48
