#pragma once
// "Graph/Display": the menu of the trend pages and the data view, and the data
// view screen ("Data view setting"): eight check-box pages over the DISP.DATA
// bit sets, a ticked row listing that channel in the device's data view. OK
// (or Enter) stores all eight pages; Cancel (or Esc) stores none.
#include "editors/toolkit/check_pages.h"
#include "editors/toolkit/menu_screen.h"
#include "model/setting_data.h"
#include "resources/text_ids.h"

namespace tk48 {

class UiPort;

class CDlgSetDisp : public MenuScreen {
  Q_OBJECT

 public:
  CDlgSetDisp(QWidget* parent, SettingData& record, UiPort& ui);
};

// One family's page: every channel, named while in use, over its bit set.
template <FamilyId Family, int LabelId, auto Words>
class DataViewPage : public CheckPage {
 public:
  DataViewPage(QWidget* parent, SettingData& record)
      : CheckPage(parent, Setup(record), record.DISP.DATA.*Words) {}

 private:
  // The data view's columns are wider than the toolkit's: "CH" 80, "CH name" 280.
  static ListSetup Setup(const SettingData& record) {
    ListSetup setup = FamilyCheckSetup(record, FamilyOf(Family), LabelId, text::kColumnChName);
    setup.columns[0].width = 80;
    setup.columns[1].width = 280;
    return setup;
  }
};
using CDlgSetDispDataAi = DataViewPage<FamilyId::Ai, text::kTwoDigits, &DataView::AI>;
using CDlgSetDispDataDi = DataViewPage<FamilyId::Di, text::kThreeDigits, &DataView::DI>;
using CDlgSetDispDataPi = DataViewPage<FamilyId::Pi, text::kTwoDigits, &DataView::PI>;
using CDlgSetDispDataMa = DataViewPage<FamilyId::Ma, text::kThreeDigits, &DataView::MA>;
using CDlgSetDispDataMd = DataViewPage<FamilyId::Md, text::kThreeDigits, &DataView::MD>;
using CDlgSetDispDataAo = DataViewPage<FamilyId::Ao, text::kTwoDigits, &DataView::AO>;
using CDlgSetDispDataDo = DataViewPage<FamilyId::Do, text::kThreeDigits, &DataView::DO>;
using CDlgSetDispDataGdo = DataViewPage<FamilyId::Gdo, text::kTwoDigits, &DataView::GDO>;

class CDlgSetDispData : public CheckPagesDialog {
  Q_OBJECT

 public:
  CDlgSetDispData(QWidget* parent, SettingData& record, UiPort& ui);
};

}  // namespace tk48
