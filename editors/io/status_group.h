#pragma once
// The ON or OFF state of a discrete channel (DI, MD) on its StatusBlock: the
// display comment and colour, the event-log entry with its number and
// message, the delay, and three buttons over the state's bit sets: "Choose
// template" (mail templates), "Reset totalized value (PI)" and "Reset
// function value (MA)". The bit sets are edited on the group's working copy
// and reach the record with the editor's OK (Commit). CheckStatusPair runs
// the two groups' checks (510 to 515) in their fixed order.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "editors/toolkit/colour_swatch.h"
#include "editors/toolkit/field_bindings.h"
#include "editors/toolkit/field_checks.h"
#include "model/setting_data.h"

namespace tk48 {

class UiPort;

class StatusGroup : public QGroupBox {
  Q_OBJECT

 public:
  enum State { kOn, kOff };
  // Binds the fields to `block`; the buttons' lists read names from `record`.
  StatusGroup(QWidget* parent, State state, StatusBlock& block, FieldBindings& fields, const SettingData& record,
              UiPort& ui);

  QLineEdit* display;
  ColourSwatch* colour;
  QCheckBox* eventLog;
  QComboBox* eventNo;
  QLineEdit* message;
  QLineEdit* delay;
  QPushButton* templates;
  QPushButton* resetPi;
  QPushButton* resetMa;

  // Every field and button of the state.
  void Enable(bool on);
  // The bit sets of the working copy into `block` (after the bindings' commit).
  void Commit(StatusBlock& block) const;
  // The working copy of the bit sets (mail, PI resets, MA resets).
  const StatusBlock& Bits() const { return bits_; }

 private:
  StatusBlock bits_;
};

// Display comments (510, 514), delays (511, 512), messages (513, 515): the
// checks a discrete channel runs whatever its kind, so on disabled fields
// too at OK (a guarded change leaves those alone).
bool CheckStatusPair(const FieldChecks& checks, const StatusGroup& on, const StatusGroup& off);

}  // namespace tk48
