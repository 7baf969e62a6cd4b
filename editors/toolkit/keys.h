#pragma once
// Enter in an editor screen. In an item editor Enter runs the OK step wherever
// the focus is (it does not merely press the default button); in a menu or a
// list screen it closes the screen like Back; on the direct network screens it
// does nothing. Esc stays the dialog's own Cancel / Back.
#include <QDialog>
#include <functional>

namespace tk48 {

// Enter and keypad Enter anywhere in `dialog` run `onEnter` (no-op: swallowed)
// before a button or a field sees them. A multi-line field that takes Enter
// keeps it.
void BindEnter(QDialog* dialog, std::function<void()> onEnter);

}  // namespace tk48
