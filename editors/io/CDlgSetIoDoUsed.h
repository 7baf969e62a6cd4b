#pragma once
// "Which functions assigned to DO?" and "... GDO?": the who-uses view of the
// discrete and grouped outputs.
#include "editors/toolkit/who_uses_view.h"

namespace tk48 {

class UiPort;

class CDlgSetIoDoUsed : public WhoUsesView {
  Q_OBJECT

 public:
  CDlgSetIoDoUsed(QWidget* parent, const SettingData& record, UiPort& ui);
};

class CDlgSetIoGdoUsed : public WhoUsesView {
  Q_OBJECT

 public:
  CDlgSetIoGdoUsed(QWidget* parent, const SettingData& record, UiPort& ui);
};

}  // namespace tk48
