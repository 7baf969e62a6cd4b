#include "editors/toolkit/who_uses_view.h"

#include <memory>

#include "editors/toolkit/editor_text.h"
#include "resources/text_ids.h"

namespace tk48 {

ListScreenSetup WhoUsesSetup(const SettingData& record, OutputFamily family, int titleId) {
  // Computed once: the view shows the record as it was when opened.
  auto rows = std::make_shared<const std::vector<WhoUsesRow>>(WhoUsesRows(record, family));
  auto column = [rows](std::string WhoUsesRow::*cell) {
    return [rows, cell](int row) { return QUtf8Text((*rows)[static_cast<std::size_t>(row)].*cell); };
  };
  ListScreenSetup setup;
  setup.title = Tx(titleId);
  setup.list.rows = static_cast<int>(rows->size());
  setup.list.columns = {
      {text::kColumnCh, 80, column(&WhoUsesRow::channel)},
      {text::kFunction, 100, column(&WhoUsesRow::function)},
      {text::kColumnDetail, 200, column(&WhoUsesRow::detail)},
  };
  return setup;
}

WhoUsesView::WhoUsesView(QWidget* parent, const SettingData& record, OutputFamily family, int titleId)
    : ListScreen(parent, WhoUsesSetup(record, family, titleId)) {}

}  // namespace tk48
