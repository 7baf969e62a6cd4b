#pragma once
// Where an input channel reads, as the AI, DI and PI screens show it: the
// point's kinds and fields (PointFields) with the Modbus/TCP register type as
// a list. The screens differ only in what they offer, given as data: their
// own kinds after "SLMP", the register types, the SLMP devices and the
// limits of CH No. and the register address. A screen inherits the point, so
// its fields stand beside the screen's own ("kind", "slaveNo").
#include <QComboBox>
#include <QLineEdit>
#include <array>
#include <cstdint>
#include <span>

#include "editors/io/channel_point.h"
#include "editors/io/slmp_device_choice.h"
#include "editors/toolkit/field_bindings.h"
#include "editors/toolkit/field_checks.h"
#include "model/sections/io.h"
#include "resources/text_ids.h"

class QFormLayout;

namespace tk48 {

// The register types of a Modbus/TCP input: the entries' texts and the MOD_TYPE each stores.
struct RegisterTypes {
  std::array<int, 2> textIds;
  std::array<std::uint8_t, 2> values;
};
// Input register (3X) and holding register (4X): what an AI or a PI reads.
inline constexpr RegisterTypes kWordRegisterTypes{{text::kInputRegister, text::kHoldingRegister}, {3, 4}};
// Input (1X) and coil (0X): what a DI reads.
inline constexpr RegisterTypes kBitRegisterTypes{{text::kInputBit, text::kCoil}, {1, 0}};

// What an input screen's point offers.
struct InputPointSetup {
  std::span<const int> moreKindIds;  // the "CH setting" entries after "SLMP"
  RegisterTypes registerTypes;
  std::span<const SlmpDevice> devices;
  int chNoMax;                      // CH No. on an I/O module
  std::int32_t registerAddressMax;  // the Modbus/TCP register address
};

class InputPoint {
 public:
  InputPoint(QWidget* parent, const InputPointSetup& setup);

  // Binds TYPE first, then the point fields (the SLMP binding reads the kind).
  template <class Ch>
  void BindPoint(FieldBindings& fields, Ch& ch) {
    Fields().Bind(fields, ch);
    fields.Values(registerType, ch.MOD_TYPE, std::span<const std::uint8_t>(registerValues_));
    slmp.Bind(fields, ch.SLMP_DEV_CODE, ch.SLMP_DEV_NO, [this] { return kind->currentIndex() == kTypeSlmp; });
  }
  // The rows "CH setting" to "SLMP device No. (Hexadecimal)": the Modbus/TCP
  // rows, then the SLMP rows. A screen with a row of its own closing either
  // part adds the two parts itself.
  void AddPointRows(QFormLayout* form) {
    AddModbusRows(form);
    AddSlmpRows(form);
  }
  // "CH setting" to "Modbus/TCP register address".
  void AddModbusRows(QFormLayout* form);
  // "SLMP device" to "SLMP device No. (Hexadecimal)".
  void AddSlmpRows(QFormLayout* form) { Fields().AddSlmpRows(form); }
  // The fields of the kind on, the others off.
  void EnablePoint();
  // The checks of the kind's fields (291/292, 293/294, 293 then 304/303).
  bool CheckPoint(const FieldChecks& checks) const;

  // Made first, so the SLMP fields come first in the screen's tab order.
  SlmpDeviceChoice slmp;
  QComboBox* kind;
  QLineEdit* moduleAddress;
  QLineEdit* chNo;
  QLineEdit* slaveNo;
  QComboBox* registerType;
  QLineEdit* registerAddress;

 private:
  PointFields Fields() const { return {kind, moduleAddress, chNo, slaveNo, registerAddress, slmp}; }

  std::array<std::uint8_t, 2> registerValues_;
  int chNoMax_;
  std::int32_t registerAddressMax_;
};

}  // namespace tk48
