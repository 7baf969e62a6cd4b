#pragma once
// Where a channel writes or reads, as its screen shows it: the "CH setting"
// list (Disable, I/O module, Modbus/TCP, SLMP, then an input's own sources)
// and the fields of each kind. PointFields is what every point does alike:
// the rows, the enables and the checks (291/292, 293/294, 293 then 304/303).
// ChannelPoint is an output's point, which the AO and DO screens share with
// the duplicate check against the other channels; InputPoint (input_point.h)
// is an input's.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <span>

#include "checks/checks.h"
#include "checks/output_checks.h"
#include "editors/io/slmp_device_choice.h"
#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/field_bindings.h"
#include "editors/toolkit/field_checks.h"
#include "port/ui_port.h"

class QFormLayout;

namespace tk48 {

// The "CH setting" list: "Disable", "I/O module", "Modbus/TCP", "SLMP", then `moreKindIds`.
QComboBox* PointKindList(QWidget* parent, std::span<const int> moreKindIds = {});

// The fields every point has. Each point makes them in its own order, which
// keyboard focus follows, and lends them here; the register type is its own.
struct PointFields {
  QComboBox* kind;
  QLineEdit* moduleAddress;
  QLineEdit* chNo;
  QLineEdit* slaveNo;
  QLineEdit* registerAddress;
  const SlmpDeviceChoice& slmp;

  // TYPE first: the SLMP device binding, which the point adds, reads the kind.
  template <class Ch>
  void Bind(FieldBindings& fields, Ch& ch) const {
    fields.Choice(kind, ch.TYPE);
    fields.Int(moduleAddress, ch.CARD_NO);
    fields.Int(chNo, ch.CARD_CH);
    fields.Int(slaveNo, ch.MOD_NODE);
    fields.Int(registerAddress, ch.MOD_ADDRESS);
  }
  // The rows "CH setting" to "Slave No.".
  void AddKindRows(QFormLayout* form) const;
  // The rows "SLMP device" to "SLMP device No. (Hexadecimal)".
  void AddSlmpRows(QFormLayout* form) const;
  // The fields of the kind on, the others off.
  void Enable() const;
  // The checks of the kind's fields, CH No. up to `chNoMax`, the register
  // address up to `registerAddressMax`.
  bool Check(const FieldChecks& checks, int chNoMax, std::int32_t registerAddressMax) const;
};

class ChannelPoint {
 public:
  // `registerTypeId`: the fixed register type text ("Holding Register (4X)").
  ChannelPoint(QWidget* parent, std::span<const SlmpDevice> devices, int registerTypeId);

  // Binds TYPE first, then the point fields (the SLMP binding reads the kind).
  template <class Ch>
  void Bind(FieldBindings& fields, Ch& ch) {
    Fields().Bind(fields, ch);
    slmp.Bind(fields, ch.SLMP_DEV_CODE, ch.SLMP_DEV_NO, [this] { return Kind() == kTypeSlmp; });
  }
  // The rows "CH setting" to "SLMP device No. (Hexadecimal)".
  void AddRows(QFormLayout* form);
  int Kind() const { return kind->currentIndex(); }
  bool InUse() const { return Kind() > kTypeNone; }
  // The fields of the kind on, the others off.
  void Enable() { Fields().Enable(); }
  // The checks of the kind's fields; `chNoMax` 4 for AO, 16 for DO.
  bool Check(const FieldChecks& checks, int chNoMax) const { return Fields().Check(checks, chNoMax, 65536); }
  // The point the screen names, with the fixed register type.
  OutputPoint Shown(std::uint8_t modType) const;

  // No other channel of `channels` writes the point shown: else `messageId`
  // with the first such channel's number.
  template <class Ch>
  bool Unique(const FieldChecks& checks, std::span<const Ch> channels, int self, std::uint8_t modType,
              int messageId) const {
    if (!InUse()) return true;
    const int other = FirstDuplicateOf(channels, self, Shown(modType));
    return other < 0 || checks.Refuse(FormatText(messageId, other + 1));
  }

  QComboBox* kind;
  QLineEdit* moduleAddress;
  QLineEdit* chNo;
  QLineEdit* slaveNo;
  QLabel* registerType;
  QLineEdit* registerAddress;
  SlmpDeviceChoice slmp;

 private:
  PointFields Fields() const { return {kind, moduleAddress, chNo, slaveNo, registerAddress, slmp}; }
};

// A list's check on leaving: the first pair of channels writing the same
// point gives `pairMessageId` with both numbers and keeps the list open.
template <class Ch>
std::function<bool()> NoDuplicatePoints(std::span<const Ch> channels, UiPort& ui, int pairMessageId) {
  return [channels, port = &ui, pairMessageId] {
    const DuplicatePair pair = FirstDuplicatePair(channels);
    if (pair.first < 0) return true;
    ShowError(*port, FormatText(pairMessageId, pair.first + 1, pair.second + 1));
    return false;
  };
}

}  // namespace tk48
