#pragma once
// "Communication": the timing shared by all slaves (IO.NODE_CONF): pause
// period, Modbus/TCP and SLMP time-outs, Modbus/TCP transaction ids.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "editors/toolkit/item_editor.h"
#include "model/setting_data.h"

namespace tk48 {

class CDlgSetIoNodeCom : public ItemEditor {
  Q_OBJECT

 public:
  CDlgSetIoNodeCom(QWidget* parent, SettingData& record, UiPort& ui);

  QLineEdit* interval;
  QLineEdit* timeout;
  QLineEdit* slmpTimeout;
  QComboBox* transaction;
  QPushButton* okButton;
  QPushButton* cancelButton;

 protected:
  void UpdateEnables() override {}
  bool Validate() override;
};

}  // namespace tk48
