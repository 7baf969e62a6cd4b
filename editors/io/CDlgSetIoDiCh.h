#pragma once
// "DI%03d": one discrete input (IO.DI[n]): where its state comes from (I/O
// module, Modbus/TCP or SLMP slave, one bit of an AI, control input,
// demonstration signal), its name, and its ON and OFF states (StatusGroup).
// Also the DI list, "Discrete input (DI)".
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "editors/io/input_editor.h"
#include "editors/io/status_group.h"
#include "editors/toolkit/list_screen.h"
#include "model/setting_data.h"

namespace tk48 {

class CDlgSetIoDiCh : public InputEditor {
  Q_OBJECT

 public:
  CDlgSetIoDiCh(QWidget* parent, SettingData& record, int index, UiPort& ui);

  // CH setting entries (the stored TYPE).
  enum Kind { kAi = kOwnKinds, kControlInput, kDemo };
  // Register type entries: "Input (1X)" is stored as 1, "Coil (0X)" as 0.
  enum RegisterType { kInput, kCoil };

  QComboBox* aiCh;
  QComboBox* aiBit;
  QCheckBox* invert;
  StatusGroup* on;
  StatusGroup* off;

 protected:
  void UpdateEnables() override;
  bool Validate() override;
  void Commit() override;

 private:
  DiCh& ch_;
};

// The Input/Output menu's "Discrete input (DI)": 256 rows, double-click edits.
ListScreenSetup DiListSetup(SettingData& record, UiPort& ui);

}  // namespace tk48
