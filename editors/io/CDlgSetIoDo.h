#pragma once
// "Discrete output (DO)": the list of the 128 DOs and "DO%03d", one DO
// (IO.DO[n]): where it writes (I/O module, Modbus/TCP coil, SLMP bit device),
// its texts and colours, "Invert", its I/O mapping and "Control on browser".
// A mapped DO may be neither a scheduler output nor a GDO member.
#include <QCheckBox>

#include "editors/io/channel_point.h"
#include "editors/io/output_editor.h"
#include "editors/toolkit/list_screen.h"

namespace tk48 {

class CDlgSetIoDoCh : public OutputEditor {
  Q_OBJECT

 public:
  CDlgSetIoDoCh(QWidget* parent, SettingData& record, int index, UiPort& ui);

  enum Kind { kDisable, kIoModule, kModbusTcp, kSlmp };

  ChannelPoint point;
  QCheckBox* invert;

 protected:
  void UpdateEnables() override;
  bool Validate() override;
  bool CrossCheck() override;
  void Commit() override;

 private:
  // Steps 1 and 2 of the OK step: they also guard "CH setting" and "SLMP device".
  bool PointAndMapping();
  bool MappingFree();

  SettingData& record_;
  DoCh& ch_;
  int index_;
};

// The list: 128 rows, double-click edits, Copy/Paste, the duplicate check on
// leaving, and "Which functions assigned to DO?".
ListScreenSetup DoListSetup(SettingData& record, UiPort& ui);

}  // namespace tk48
