#pragma once
// "I/O Slave setting": the 32 slaves of IO.NODE_CONF, their type, address and
// port; double-click edits a slave (CDlgSetIoNodeConf), "Communication" the
// shared timing (CDlgSetIoNodeCom); Copy and Paste carry a slave's ten fields.
#include "editors/toolkit/list_screen.h"
#include "model/setting_data.h"

namespace tk48 {

class UiPort;

ListScreenSetup SlaveListSetup(SettingData& record, UiPort& ui);

class CDlgSetIoNode : public ListScreen {
  Q_OBJECT

 public:
  CDlgSetIoNode(QWidget* parent, SettingData& record, UiPort& ui);
};

// The Input/Output menu's "I/O Slave setting".
void RunSlaveList(QWidget* parent, SettingData& record, UiPort& ui);

}  // namespace tk48
