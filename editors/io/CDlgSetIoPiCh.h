#pragma once
// "PI%03d": one pulse input (IO.PI[n]): where its count comes from (I/O
// module, Modbus/TCP or SLMP slave, a DI, control input, accumulation of an
// AI, demonstration signal), how it is measured, its scaling and its alarm
// zones (CDlgSetIoArea on the editor's working copy). Also the PI list,
// "Pulse input (PI)".
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "editors/io/input_editor.h"
#include "editors/toolkit/list_screen.h"
#include "model/setting_data.h"

namespace tk48 {

class CDlgSetIoPiCh : public MeasuredInputEditor {
  Q_OBJECT

 public:
  CDlgSetIoPiCh(QWidget* parent, SettingData& record, int index, UiPort& ui);

  // CH setting entries (the stored TYPE).
  enum Kind { kDi = kOwnKinds, kControlInput, kAnalogSum, kBinarySum, kDemo };
  enum Mode { kAccumulation, kEngineeringValue, kFloat };

  QCheckBox* swap;
  QCheckBox* slmpSwap;
  QComboBox* diCh;
  QLineEdit* scale;
  QComboBox* mode;
  QCheckBox* range;
  QLineEdit* lower;
  QLineEdit* upper;
  QComboBox* modeTcp;
  QComboBox* modeDi;
  QComboBox* analogCh;
  QLineEdit* rate;
  QComboBox* timeUnit;
  QLineEdit* dropout;
  QComboBox* binaryCh;

 protected:
  void UpdateEnables() override;
  bool Validate() override;
  bool CrossCheck() override;

 private:
  // Whether the pulse range limits are in use.
  bool RangeInUse() const;

  PiCh& ch_;
};

// The Input/Output menu's "Pulse input (PI)": 128 rows, double-click edits.
ListScreenSetup PiListSetup(SettingData& record, UiPort& ui);

}  // namespace tk48
