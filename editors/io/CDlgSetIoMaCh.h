#pragma once
// "MA%03d": one analog function register (IO.MA[n]): its function with the
// function's inputs and constants (CDlgSetIoMaFunc on the editor's working
// copy), or a value of its own (initial value, control on browser, memory at
// power loss for MA128 to MA159); its name, places, unit and alarm zones.
// Also the MA list, "Analog function register (MA)".
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "editors/io/CDlgSetIoMaFunc.h"
#include "editors/io/channel_labels.h"
#include "editors/io/channel_zones.h"
#include "editors/toolkit/item_editor.h"
#include "editors/toolkit/list_screen.h"
#include "editors/toolkit/working_copy.h"
#include "model/setting_data.h"

namespace tk48 {

class CDlgSetIoMaCh : public ItemEditor, public ChannelLabels, public ChannelZones {
  Q_OBJECT

 public:
  CDlgSetIoMaCh(QWidget* parent, SettingData& record, int index, UiPort& ui);

  QComboBox* function;
  QPushButton* functionButton;
  QLineEdit* init;
  QComboBox* backup;
  QComboBox* web;
  QLineEdit* webLower;
  QLineEdit* webUpper;
  QPushButton* okButton;
  QPushButton* cancelButton;

  const MaFunctionBlock& Function() const { return function_.get(); }

 protected:
  void UpdateEnables() override;
  bool Validate() override;
  void Commit() override;

 private:
  void EditFunction();

  SettingData& record_;
  MaCh& ch_;
  int index_;
  WorkingCopy<MaFunctionBlock> function_;
};

// The Input/Output menu's "Analog function register (MA)": 256 rows.
ListScreenSetup MaListSetup(SettingData& record, UiPort& ui);

}  // namespace tk48
