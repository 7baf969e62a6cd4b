#include "editors/CDlgSetComWebAuthCtrl.h"

#include "editors/editor_text.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

constexpr int kUnits = 32;
constexpr std::int32_t kUse = 1;

ListSpec Page(const SettingData& record, FamilyId family, int labelId) {
  return FamilyCheckSpec(record, FamilyOf(family), labelId, text::kColumnNameJa);
}

ListSpec UnitSpec(const SettingData& record) {
  const SettingData* r = &record;
  ListSpec spec;
  spec.rows = kUnits;
  spec.columns = {
      {text::kColumnNo, 70, [](int row) { return QUtf8Text(FormatText(text::kTwoDigits, row + 1)); }},
      {text::kColumnChName, 220,
       [r](int row) {
         const ScheduleUnit& unit = r->SCHEDULE.UNIT[row];
         return unit.MODE == kUse ? FromRecord(unit.NAME) : QString();
       }},
  };
  return spec;
}

}  // namespace

CDlgSetComWebAuthCtrlChMa::CDlgSetComWebAuthCtrlChMa(QWidget* parent, const SettingData& record, WebAccount& account)
    : CheckPage(parent, Page(record, FamilyId::Ma, text::kThreeDigits), account.CTRL_MA) {}
CDlgSetComWebAuthCtrlChMd::CDlgSetComWebAuthCtrlChMd(QWidget* parent, const SettingData& record, WebAccount& account)
    : CheckPage(parent, Page(record, FamilyId::Md, text::kThreeDigits), account.CTRL_MD) {}
CDlgSetComWebAuthCtrlChAo::CDlgSetComWebAuthCtrlChAo(QWidget* parent, const SettingData& record, WebAccount& account)
    : CheckPage(parent, Page(record, FamilyId::Ao, text::kTwoDigits), account.CTRL_AO) {}
CDlgSetComWebAuthCtrlChDo::CDlgSetComWebAuthCtrlChDo(QWidget* parent, const SettingData& record, WebAccount& account)
    : CheckPage(parent, Page(record, FamilyId::Do, text::kThreeDigits), account.CTRL_DO) {}
CDlgSetComWebAuthCtrlChGdo::CDlgSetComWebAuthCtrlChGdo(QWidget* parent, const SettingData& record,
                                                       WebAccount& account)
    : CheckPage(parent, Page(record, FamilyId::Gdo, text::kTwoDigits), account.CTRL_GDO) {}

CDlgSetComWebAuthCtrlCh::CDlgSetComWebAuthCtrlCh(QWidget* parent, WebAccount& account, const SettingData& record,
                                                 UiPort&)
    : CheckPagesDialog(parent, Tx(text::kChannelControlTitle)) {
  AddPage(text::kPageMa, new CDlgSetComWebAuthCtrlChMa(this, record, account));
  AddPage(text::kPageMd, new CDlgSetComWebAuthCtrlChMd(this, record, account));
  AddPage(text::kPageAo, new CDlgSetComWebAuthCtrlChAo(this, record, account));
  AddPage(text::kPageDo, new CDlgSetComWebAuthCtrlChDo(this, record, account));
  AddPage(text::kPageGdo, new CDlgSetComWebAuthCtrlChGdo(this, record, account));
}

CDlgSetComWebAuthCtrlSu::CDlgSetComWebAuthCtrlSu(QWidget* parent, WebAccount& account, const SettingData& record,
                                                 UiPort&)
    : CheckPagesDialog(parent, Tx(text::kScheduleUnitControlTitle)) {
  AddPage(text::kScheduleUnit, new CheckPage(this, UnitSpec(record), account.CTRL_SU));
}

}  // namespace tk48
