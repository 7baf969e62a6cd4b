#pragma once
// How the maintenance checks refuse: one message box, then false.
#include <string_view>

#include "port/ui_port.h"
#include "resources/strings.h"

namespace tk48::maint {

inline bool Refuse(UiPort& ui, std::string_view text, Icon icon) {
  ui.Message(text, icon);
  return false;
}
inline bool Refuse(UiPort& ui, int textId, Icon icon) { return Refuse(ui, LoadText(textId), icon); }

}  // namespace tk48::maint
