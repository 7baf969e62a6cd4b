#pragma once
// The browser rights of one web identity: which channels and function
// registers it may operate ("Channel control function setting", five pages)
// and which schedule units ("Schedule unit operation function setting").
// Both work on the identity screen's copy and write their bit sets into it
// only on OK; Cancel leaves it as it was.
#include "editors/toolkit/check_pages.h"
#include "model/setting_data.h"
#include "resources/text_ids.h"

namespace tk48 {

class UiPort;

// The pages: every channel of the family with a check box, its name by the
// family's in-use rule, over the identity's bit set of that family.
template <FamilyId Family, int LabelId, auto Words>
class RightsPage : public CheckPage {
 public:
  RightsPage(QWidget* parent, const SettingData& record, WebAccount& account)
      : CheckPage(parent, FamilyCheckSetup(record, FamilyOf(Family), LabelId, text::kColumnNameJa), account.*Words) {}
};
using CDlgSetComWebAuthCtrlChMa = RightsPage<FamilyId::Ma, text::kThreeDigits, &WebAccount::CTRL_MA>;
using CDlgSetComWebAuthCtrlChMd = RightsPage<FamilyId::Md, text::kThreeDigits, &WebAccount::CTRL_MD>;
using CDlgSetComWebAuthCtrlChAo = RightsPage<FamilyId::Ao, text::kTwoDigits, &WebAccount::CTRL_AO>;
using CDlgSetComWebAuthCtrlChDo = RightsPage<FamilyId::Do, text::kThreeDigits, &WebAccount::CTRL_DO>;
using CDlgSetComWebAuthCtrlChGdo = RightsPage<FamilyId::Gdo, text::kTwoDigits, &WebAccount::CTRL_GDO>;

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
