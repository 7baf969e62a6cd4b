#pragma once
// The SLMP device of a channel: the device list (the Qt-free table in
// editors/checks/slmp_devices.h) and the device number, entered in decimal
// ("%u") or in hexadecimal ("%08x") by the device's kind; the box not in use
// shows 0. Switching between a decimal and a hexadecimal device carries the
// number into the box now in use. Also the slave cross-checks of a channel
// on a slave (290, 305, 306).
#include <QComboBox>
#include <QLineEdit>
#include <cstdint>
#include <functional>
#include <span>

#include "checks/slmp_devices.h"
#include "editors/toolkit/field_bindings.h"
#include "editors/toolkit/field_checks.h"
#include "model/sections/io.h"

namespace tk48 {

class SlmpDeviceChoice {
 public:
  SlmpDeviceChoice(QWidget* parent, std::span<const SlmpDevice> devices);

  // Binds code and number. The code is written from the list only while
  // `slmpKind` says the channel reads an SLMP device, and only when the screen
  // changed; a code the list does not hold shows the first entry, which an
  // SLMP channel's OK stores.
  void Bind(FieldBindings& fields, std::uint16_t& code, std::uint32_t& number, std::function<bool()> slmpKind);
  // After the user picked another device (ItemEditor::OnChoice).
  void Carry();
  // The device list and the box in use; everything off when `on` is false.
  void Enable(bool on) const;
  // 304 on the hexadecimal box, then 303 on the decimal one, whichever is in use.
  bool Check(const FieldChecks& checks) const;
  bool Hex() const;
  // The code of the device shown and the number the box in use holds, in the
  // device's numbering (0 when it does not read): what a duplicate check compares.
  std::uint16_t Code() const;
  std::uint32_t Shown() const { return Number(); }

  QComboBox* device;
  QLineEdit* decimal;
  QLineEdit* hex;

 private:
  void Show(std::uint32_t number);
  std::uint32_t Number() const;

  std::span<const SlmpDevice> devices_;
  bool hexShown_ = false;  // which box holds the number
};

// The slave cross-checks of a channel of `kind` on the slave in `slaveNo`: an
// address to reach it (290), then the slave's protocol (305, 306).
bool CheckSlaveRef(const FieldChecks& checks, const NodeConf& nodes, std::int32_t kind, const QLineEdit* slaveNo);

}  // namespace tk48
