#pragma once
// Which screen edits a field path, and the way there: a screen of the
// registry (by its id) on the item the path numbers, then the sub-screens
// below it (a zone, a pen, a recipient), each opened as the user would open
// it, so that its OK commits through its parent's OK as usual. Plain data,
// Qt-free: the hub opens a route (OpenPath), the command line and the tests
// read it. One table in query/screen_paths.cpp; a new screen adds its path
// rows there.
#include <optional>
#include <string_view>
#include <vector>

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
  std::vector<int> numbers;  // the path's numbers, which the Row steps pick from
};

// The way to the screen that edits `path` ("IO.AI[5].AREA[2].UPPER.VALUE");
// nullopt for a field no configuration screen edits (the device's direct
// network settings).
std::optional<ScreenRoute> RouteOf(std::string_view path);

}  // namespace tk48
