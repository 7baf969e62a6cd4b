#pragma once
// "MD%03d": one digital function register (IO.MD[n]): its logic function
// over DI and MD inputs (one or two inputs, or a run of consecutive ones), or
// a plain register (K1, control on browser, memory at power loss for MD128 to
// MD159); its name and its ON and OFF states (StatusGroup). Also the MD
// list, "Digital function register (MD)", with its "Which functions
// assigned to MD?" button.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "editors/io/status_group.h"
#include "editors/toolkit/item_editor.h"
#include "editors/toolkit/list_screen.h"
#include "model/setting_data.h"

namespace tk48 {

class CDlgSetIoMdCh : public ItemEditor {
  Q_OBJECT

 public:
  CDlgSetIoMdCh(QWidget* parent, SettingData& record, int index, UiPort& ui);

  // Function entries (the stored TYPE).
  enum Function { kNone, kEqual, kAnd, kOr, kXor, kNot, kRun };

  QComboBox* function;
  QComboBox* input1Type;
  QComboBox* input1Ch;
  QComboBox* input2Type;
  QComboBox* input2Ch;
  QCheckBox* contEnable;
  QComboBox* contType;
  QComboBox* contStart;
  QComboBox* contCount;  // "-", "3" .. "16"
  QLineEdit* k1;
  QLineEdit* name;
  QLineEdit* comment;
  StatusGroup* on;
  StatusGroup* off;
  QComboBox* backup;
  QComboBox* web;
  QPushButton* okButton;
  QPushButton* cancelButton;

 protected:
  void UpdateEnables() override;
  bool Validate() override;
  void Commit() override;

 private:
  MdCh& ch_;
  int index_;
};

// The Input/Output menu's "Digital function register (MD)": 256 rows and
// "Which functions assigned to MD?" (CDlgSetIoMdUsed).
ListScreenSetup MdListSetup(SettingData& record, UiPort& ui);

}  // namespace tk48
