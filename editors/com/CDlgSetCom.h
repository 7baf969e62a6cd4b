#pragma once
// "Communication": the menu of the network services' screens, on the working
// record. The menu writes nothing; Back, Enter and Esc close it.
#include "editors/toolkit/menu_screen.h"

namespace tk48 {

class CDlgSetCom : public MenuScreen {
  Q_OBJECT

 public:
  CDlgSetCom(QWidget* parent, SettingData& record, UiPort& ui);
};

}  // namespace tk48
