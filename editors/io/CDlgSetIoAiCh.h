#pragma once
// "AI%03d": one analog input (IO.AI[n]): where its value comes from (I/O
// module, Modbus/TCP or SLMP slave, control input, clock, demonstration
// signal), its scaling and filter, and its alarm zones (CDlgSetIoArea on the
// editor's working copy). Also the AI list, "Analog input (AI)".
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "editors/io/slmp_device_choice.h"
#include "editors/toolkit/item_editor.h"
#include "editors/toolkit/list_screen.h"
#include "editors/toolkit/working_copy.h"
#include "editors/toolkit/zone_block.h"
#include "model/setting_data.h"

namespace tk48 {

class CDlgSetIoAiCh : public ItemEditor {
  Q_OBJECT

 public:
  CDlgSetIoAiCh(QWidget* parent, SettingData& record, int index, UiPort& ui);

  // CH setting entries (the stored TYPE).
  enum Kind { kDisable, kIoModule, kModbusTcp, kSlmp, kControlInput, kTime, kDemoSine, kDemoSquare };
  enum DataType { kPercent, kInt, kUint };
  enum Filter { kNoFilter, kMovingAverage, kDelayBuffer };

  QComboBox* kind;
  QLineEdit* moduleAddress;
  QLineEdit* chNo;
  QLineEdit* slaveNo;
  QComboBox* registerType;
  QLineEdit* registerAddress;
  SlmpDeviceChoice slmp;
  QComboBox* timeInput;
  QLineEdit* name;
  QLineEdit* comment;
  QComboBox* dataType;
  QComboBox* filter;
  QComboBox* samples;
  QLineEdit* timeConstant;
  QLineEdit* scale0;
  QLineEdit* scale100;
  QLineEdit* scaleInt;
  QComboBox* point;
  QLineEdit* unit;
  QPushButton* zonesButton;
  QPushButton* okButton;
  QPushButton* cancelButton;

  const ZoneBlock& Zones() const { return zones_.get(); }

 protected:
  void Load() override;
  void UpdateEnables() override;
  bool Validate() override;
  bool CrossCheck() override;
  void Commit() override;

 private:
  void EditZones();
  void ShowTimeValues();

  SettingData& record_;
  AiCh& ch_;
  int index_;
  WorkingCopy<ZoneBlock> zones_;
};

// The Input/Output menu's "Analog input (AI)": 128 rows, double-click edits.
ListScreenSetup AiListSetup(SettingData& record, UiPort& ui);
void RunAiList(QWidget* parent, SettingData& record, UiPort& ui);

}  // namespace tk48
