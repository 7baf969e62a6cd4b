#pragma once
// "Scheduler": the menu of the pattern, unit and maintenance switch screens;
// the unit screens and the maintenance switch screen.
#include <QComboBox>
#include <QLineEdit>

#include "editors/toolkit/item_editor.h"
#include "editors/toolkit/list_screen.h"
#include "editors/toolkit/menu_screen.h"

namespace tk48 {

class CDlgSetSchMenu : public MenuScreen {
  Q_OBJECT

 public:
  CDlgSetSchMenu(QWidget* parent, SettingData& record, UiPort& ui);
};

// "Schedule unit %d": Mode, name and the pattern of each weekday.
class CDlgSetSchUnitReg : public ItemEditor {
  Q_OBJECT

 public:
  CDlgSetSchUnitReg(QWidget* parent, const SettingData& record, ScheduleUnit& unit, int index, UiPort& ui);

  QComboBox* mode;
  QLineEdit* name;
  QComboBox* days[7];

 protected:
  void UpdateEnables() override;
  bool Validate() override;
};

// The unit list over the record: double-click opens the unit screen, whose OK
// replaces the unit; Copy and Paste copy whole units.
ListScreenSetup UnitListSetup(SettingData& record, UiPort& ui);

// "Maintenance SW setting": the input reserved as the maintenance switch.
class CDlgSetSchInputConf : public ItemEditor {
  Q_OBJECT

 public:
  CDlgSetSchInputConf(QWidget* parent, SettingData& record, UiPort& ui);

  QComboBox* type;
  QComboBox* channel;

 protected:
  void UpdateEnables() override;
  bool Validate() override { return true; }
};

}  // namespace tk48
