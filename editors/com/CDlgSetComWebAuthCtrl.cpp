#include "editors/com/CDlgSetComWebAuthCtrl.h"

#include "editors/toolkit/editor_text.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

constexpr int kUnits = 32;
constexpr std::int32_t kUse = 1;

ListSetup UnitSetup(const SettingData& record) {
  const SettingData* r = &record;
  ListSetup setup;
  setup.rows = kUnits;
  setup.columns = {
      {text::kColumnNo, 70, [](int row) { return QUtf8Text(FormatText(text::kTwoDigits, row + 1)); }},
      {text::kColumnChName, 220,
       [r](int row) {
         const ScheduleUnit& unit = r->SCHEDULE.UNIT[row];
         return unit.MODE == kUse ? FromRecord(unit.NAME) : QString();
       }},
  };
  return setup;
}

}  // namespace

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
  AddPage(text::kScheduleUnit, new CheckPage(this, UnitSetup(record), account.CTRL_SU));
}

}  // namespace tk48
