#include "editors/display/CDlgSetDisp.h"

#include "editors/display/CDlgSetDispTrend.h"
#include "editors/toolkit/editor_text.h"

namespace tk48 {
namespace {

void OpenTrend(QWidget* p, SettingData& r, UiPort& ui) {
  ListScreen list(p, TrendPageListSetup(r, ui));
  list.exec();
}

void OpenData(QWidget* p, SettingData& r, UiPort& ui) {
  CDlgSetDispData dialog(p, r, ui);
  dialog.exec();
}

constexpr MenuEntry kDispMenu[] = {
    {text::kDispTrend, &OpenTrend},
    {text::kDispData, &OpenData},
};

}  // namespace

CDlgSetDisp::CDlgSetDisp(QWidget* parent, SettingData& record, UiPort& ui)
    : MenuScreen(parent, text::kGraphDisplay, kDispMenu, record, ui) {}

CDlgSetDispData::CDlgSetDispData(QWidget* parent, SettingData& record, UiPort&)
    : CheckPagesDialog(parent, Tx(text::kDataViewTitle)) {
  AddPage(text::kAi, new CDlgSetDispDataAi(this, record));
  AddPage(text::kDi, new CDlgSetDispDataDi(this, record));
  AddPage(text::kPi, new CDlgSetDispDataPi(this, record));
  AddPage(text::kPageMa, new CDlgSetDispDataMa(this, record));
  AddPage(text::kPageMd, new CDlgSetDispDataMd(this, record));
  AddPage(text::kPageAo, new CDlgSetDispDataAo(this, record));
  AddPage(text::kPageDo, new CDlgSetDispDataDo(this, record));
  AddPage(text::kPageGdo, new CDlgSetDispDataGdo(this, record));
}

}  // namespace tk48
