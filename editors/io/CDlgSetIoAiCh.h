#pragma once
// "AI%03d": one analog input (IO.AI[n]): where its value comes from (I/O
// module, Modbus/TCP or SLMP slave, control input, clock, demonstration
// signal), its scaling and filter, and its alarm zones (CDlgSetIoArea on the
// editor's working copy). Also the AI list, "Analog input (AI)".
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "editors/io/input_editor.h"
#include "editors/toolkit/list_screen.h"
#include "model/setting_data.h"

namespace tk48 {

class CDlgSetIoAiCh : public MeasuredInputEditor {
  Q_OBJECT

 public:
  CDlgSetIoAiCh(QWidget* parent, SettingData& record, int index, UiPort& ui);

  // CH setting entries (the stored TYPE).
  enum Kind { kControlInput = kOwnKinds, kTime, kDemoSine, kDemoSquare };
  enum DataType { kPercent, kInt, kUint };

  QComboBox* timeInput;
  QComboBox* dataType;
  QLineEdit* scale0;
  QLineEdit* scale100;
  QLineEdit* scaleInt;

 protected:
  void Load() override;
  void UpdateEnables() override;
  bool Validate() override;
  bool CrossCheck() override;

 private:
  void ShowTimeValues();

  AiCh& ch_;
};

// The Input/Output menu's "Analog input (AI)": 128 rows, double-click edits.
ListScreenSetup AiListSetup(SettingData& record, UiPort& ui);

}  // namespace tk48
