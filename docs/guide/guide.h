#pragma once
// The user guide with pictures: every screen of the screen registry rendered
// on the default settings, grouped by the "Configuration" screen's buttons in
// their order, with the fields each screen holds as it labels them.
#include <filesystem>

namespace tk48 {

// Renders every registered screen into DIR/images and writes DIR/user-guide.md
// and DIR/user-guide.html. Needs a QApplication. False, after a message on
// stderr, when a file cannot be written.
bool WriteUserGuide(const std::filesystem::path& dir);

}  // namespace tk48
