#pragma once
// Every setting screen by its id and, for a screen that edits one item of a
// family, the item index: the table that opens it. Tests walk it (an OK
// without edits leaves the record byte-identical; every input widget has an
// accessible name) and the search of the setting screens finds screens
// through it. A new screen adds one row to the table in
// editors/screen_registry.cpp.
#include <QDialog>
#include <memory>
#include <span>
#include <string_view>

#include "editors/toolkit/screen_env.h"

namespace tk48 {

struct ScreenEntry {
  std::string_view id;  // the screen's class name, or "list:AI" for a family list
  int items;            // 1, or the number of items the screen can edit one of
  // Builds the screen on item `item` (0-based), not yet shown.
  std::unique_ptr<QDialog> (*make)(const ScreenEnv& env, int item);
};

std::span<const ScreenEntry> ScreenRegistry();
// The entry of `id`, or nullptr.
const ScreenEntry* FindScreen(std::string_view id);
// Builds and runs screen `id` on item `item` modally; true when it closed with OK.
bool OpenScreen(std::string_view id, const ScreenEnv& env, int item = 0);

}  // namespace tk48
