#pragma once
// The browser rights of one web identity: which channels and function
// registers it may operate ("Channel control function setting", five pages)
// and which schedule units ("Schedule unit operation function setting").
// Both work on the identity screen's copy and write their bit sets into it
// only on OK; Cancel leaves it as it was.
#include "editors/check_pages.h"
#include "model/setting_data.h"

namespace tk48 {

class UiPort;

// The pages: every channel of the family with a check box, its name by the
// family's in-use rule.
class CDlgSetComWebAuthCtrlChMa : public CheckPage {
  Q_OBJECT
 public:
  CDlgSetComWebAuthCtrlChMa(QWidget* parent, const SettingData& record, WebAccount& account);
};
class CDlgSetComWebAuthCtrlChMd : public CheckPage {
  Q_OBJECT
 public:
  CDlgSetComWebAuthCtrlChMd(QWidget* parent, const SettingData& record, WebAccount& account);
};
class CDlgSetComWebAuthCtrlChAo : public CheckPage {
  Q_OBJECT
 public:
  CDlgSetComWebAuthCtrlChAo(QWidget* parent, const SettingData& record, WebAccount& account);
};
class CDlgSetComWebAuthCtrlChDo : public CheckPage {
  Q_OBJECT
 public:
  CDlgSetComWebAuthCtrlChDo(QWidget* parent, const SettingData& record, WebAccount& account);
};
class CDlgSetComWebAuthCtrlChGdo : public CheckPage {
  Q_OBJECT
 public:
  CDlgSetComWebAuthCtrlChGdo(QWidget* parent, const SettingData& record, WebAccount& account);
};

// "CH": the five pages "MA", "MD", "AO", "DO", "GDO" on tabs.
class CDlgSetComWebAuthCtrlCh : public CheckPagesDialog {
  Q_OBJECT
 public:
  CDlgSetComWebAuthCtrlCh(QWidget* parent, WebAccount& account, const SettingData& record, UiPort& ui);
};

// "Schedule unit": the 32 units, named while enabled.
class CDlgSetComWebAuthCtrlSu : public CheckPagesDialog {
  Q_OBJECT
 public:
  CDlgSetComWebAuthCtrlSu(QWidget* parent, WebAccount& account, const SettingData& record, UiPort& ui);
};

}  // namespace tk48
