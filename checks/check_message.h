#pragma once
// How a failing check reports: one error box, composed only when it is shown.
#include <string>

#include "checks/checks.h"
#include "port/ui_port.h"
#include "resources/strings.h"

namespace tk48::detail {

// Returns false, the verdict of a failed check, after showing the message.
template <class Compose>
bool Fail(int show, UiPort* ui, Compose compose) {
  if (show == kShowMessage && ui) ShowError(*ui, compose());
  return false;
}

inline std::string FieldMessage(int id) { return std::string(LoadText(id)); }

}  // namespace tk48::detail
