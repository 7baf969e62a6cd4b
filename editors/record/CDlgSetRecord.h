#pragma once
// "Record": the menu of the logging, event and report screens, and the event
// screen.
#include <QComboBox>

#include "editors/toolkit/item_editor.h"
#include "editors/toolkit/menu_screen.h"
#include "model/setting_data.h"

namespace tk48 {

class CDlgSetRecord : public MenuScreen {
  Q_OBJECT

 public:
  CDlgSetRecord(QWidget* parent, SettingData& record, UiPort& ui);
};

// "Event": the four event logs. No check.
class CDlgSetRecordEvent : public ItemEditor {
  Q_OBJECT

 public:
  CDlgSetRecordEvent(QWidget* parent, SettingData& record, UiPort& ui);

  QComboBox* autoDelete;
  QComboBox* eventMode;
  QComboBox* eventCode;
  QComboBox* systemMode;
  QComboBox* comMode;
  QComboBox* scheduleMode;
  QComboBox* scheduleCode;

 protected:
  void UpdateEnables() override;
  bool Validate() override { return true; }
};

}  // namespace tk48
