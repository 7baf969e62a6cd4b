#pragma once
// "E-mail": the menu of the mail screens, and the delivery failure output.
#include <QComboBox>
#include <span>

#include "editors/toolkit/channel_chooser.h"
#include "editors/toolkit/item_editor.h"
#include "editors/toolkit/menu_screen.h"
#include "model/setting_data.h"

namespace tk48 {

class CDlgSetRep : public MenuScreen {
  Q_OBJECT

 public:
  CDlgSetRep(QWidget* parent, SettingData& record, UiPort& ui);
};

// The outputs a mail switches (delivery success or failure): MD, DO, GDO.
std::span<const RefKind> MailOutputKinds();

// "Delivery failure output": Mode ("None", "ON", "OFF"), type and channel,
// the last two only with an output. No check.
class CDlgSetRepError : public ItemEditor {
  Q_OBJECT

 public:
  CDlgSetRepError(QWidget* parent, SettingData& record, UiPort& ui);

  QComboBox* mode;
  QComboBox* type;
  QComboBox* channel;

 protected:
  void UpdateEnables() override;
  bool Validate() override { return true; }
};

}  // namespace tk48
