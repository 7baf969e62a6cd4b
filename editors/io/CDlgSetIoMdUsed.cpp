#include "editors/io/CDlgSetIoMdUsed.h"

#include "resources/text_ids.h"

namespace tk48 {

CDlgSetIoMdUsed::CDlgSetIoMdUsed(QWidget* parent, const SettingData& record, UiPort&)
    : WhoUsesView(parent, record, OutputFamily::Md, text::kWhoUsesMd) {}

}  // namespace tk48
