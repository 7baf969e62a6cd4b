#include "app/screen_table.h"

#include <vector>

namespace tk48 {
namespace {

struct ScreenRow {
  Screen screen;
  bool (*open)(const ScreenContext&);
};

// One row per screen that exists, for example
//   {Screen::System, &OpenSetSystem},  // editors/CDlgSetSystem.h
// with the opener's header included above and its library linked to tk48app
// (app/CMakeLists.txt).
const std::vector<ScreenRow>& Rows() {
  static const std::vector<ScreenRow> rows = {};
  return rows;
}

}  // namespace

ScreenOpener RegisteredScreen(Screen screen) {
  for (const auto& row : Rows())
    if (row.screen == screen) return row.open;
  return {};
}

}  // namespace tk48
