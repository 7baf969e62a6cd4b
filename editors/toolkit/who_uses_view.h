#pragma once
// The one read-only view of who uses an output ("Which functions assigned to
// DO?", "... GDO?", "... MD?"): the rows the Qt-free scan gives, in the
// columns "CH", "Function" and "Detail". It changes nothing.
#include "editors/toolkit/list_screen.h"
#include "query/who_uses.h"

namespace tk48 {

class WhoUsesView : public ListScreen {
  Q_OBJECT

 public:
  WhoUsesView(QWidget* parent, const SettingData& record, OutputFamily family, int titleId);
};

// The view's list: the rows of `family` as the record stands now.
ListScreenSetup WhoUsesSetup(const SettingData& record, OutputFamily family, int titleId);

}  // namespace tk48
