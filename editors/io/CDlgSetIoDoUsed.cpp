#include "editors/io/CDlgSetIoDoUsed.h"

#include "resources/text_ids.h"

namespace tk48 {

CDlgSetIoDoUsed::CDlgSetIoDoUsed(QWidget* parent, const SettingData& record, UiPort&)
    : WhoUsesView(parent, record, OutputFamily::Do, text::kDoUsedTitle) {}

CDlgSetIoGdoUsed::CDlgSetIoGdoUsed(QWidget* parent, const SettingData& record, UiPort&)
    : WhoUsesView(parent, record, OutputFamily::Gdo, text::kGdoUsedTitle) {}

}  // namespace tk48
