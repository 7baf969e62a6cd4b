#pragma once
// Which screen edits a field path, and the way there: a screen of the
// registry on the item the path numbers, then the sub-screens below it (a
// zone, a pen, a recipient), each opened as the user would open it, so that
// its OK commits through its parent's OK as usual. One table in
// editors/screen_paths.cpp; a new screen adds its path rows there.
#include <optional>
#include <string_view>
#include <vector>

#include "editors/screen_registry.h"

namespace tk48 {

// One step from a shown screen to the next one.
struct RouteStep {
  enum Kind : unsigned char { Button, Row } kind;
  int textId;  // Button: the push button that reads this text
  int number;  // Row: which number of the path picks the row (0 = the first)
  int first;   // Row: the number of the first row (0 or 1)
};

struct ScreenRoute {
  std::string_view screen;  // the registry's id of the screen opened first
  int item = 0;
  std::vector<RouteStep> steps;
};

// The way to the screen that edits `path` ("IO.AI[5].AREA[2].UPPER.VALUE");
// nullopt for a field no configuration screen edits (the device's direct
// network settings).
std::optional<ScreenRoute> RouteOf(std::string_view path);

// Opens the route's screens modally, one inside the other, and puts the focus
// on the field when the last screen binds it. Returns when the first screen
// closes; false when no screen edits `path`.
bool OpenPath(std::string_view path, const ScreenEnv& env);

}  // namespace tk48
