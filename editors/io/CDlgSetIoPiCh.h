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

#include "editors/io/slmp_device_choice.h"
#include "editors/toolkit/item_editor.h"
#include "editors/toolkit/list_screen.h"
#include "editors/toolkit/working_copy.h"
#include "editors/toolkit/zone_block.h"
#include "model/setting_data.h"

namespace tk48 {

class CDlgSetIoPiCh : public ItemEditor {
  Q_OBJECT

 public:
  CDlgSetIoPiCh(QWidget* parent, SettingData& record, int index, UiPort& ui);

  // CH setting entries (the stored TYPE).
  enum Kind { kDisable, kIoModule, kModbusTcp, kSlmp, kDi, kControlInput, kAnalogSum, kBinarySum, kDemo };
  enum Mode { kAccumulation, kEngineeringValue, kFloat };
  enum Filter { kNoFilter, kMovingAverage, kDelayBuffer };

  QComboBox* kind;
  QLineEdit* moduleAddress;
  QLineEdit* chNo;
  QLineEdit* slaveNo;
  QComboBox* registerType;
  QLineEdit* registerAddress;
  QCheckBox* swap;
  SlmpDeviceChoice slmp;
  QCheckBox* slmpSwap;
  QComboBox* diCh;
  QLineEdit* name;
  QLineEdit* comment;
  QLineEdit* scale;
  QComboBox* point;
  QLineEdit* unit;
  QComboBox* mode;
  QCheckBox* range;
  QLineEdit* lower;
  QLineEdit* upper;
  QComboBox* modeTcp;
  QComboBox* modeDi;
  QComboBox* filter;
  QComboBox* samples;
  QLineEdit* timeConstant;
  QComboBox* analogCh;
  QLineEdit* rate;
  QComboBox* timeUnit;
  QLineEdit* dropout;
  QComboBox* binaryCh;
  QPushButton* zonesButton;
  QPushButton* okButton;
  QPushButton* cancelButton;

  const ZoneBlock& Zones() const { return zones_.get(); }

 protected:
  void UpdateEnables() override;
  bool Validate() override;
  bool CrossCheck() override;
  void Commit() override;

 private:
  // Whether the pulse range limits are in use.
  bool RangeInUse() const;
  void EditZones();

  SettingData& record_;
  PiCh& ch_;
  int index_;
  WorkingCopy<ZoneBlock> zones_;
};

// The Input/Output menu's "Pulse input (PI)": 128 rows, double-click edits.
ListScreenSetup PiListSetup(SettingData& record, UiPort& ui);
void RunPiList(QWidget* parent, SettingData& record, UiPort& ui);

}  // namespace tk48
