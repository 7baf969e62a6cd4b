#pragma once
// "Which functions assigned to MD?": the who-uses view of the digital
// function registers, opened from the MD list.
#include "editors/toolkit/who_uses_view.h"

namespace tk48 {

class UiPort;

class CDlgSetIoMdUsed : public WhoUsesView {
  Q_OBJECT

 public:
  CDlgSetIoMdUsed(QWidget* parent, const SettingData& record, UiPort& ui);
};

}  // namespace tk48
