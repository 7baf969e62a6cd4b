#include "editors/toolkit/keys.h"

#include <QShortcut>

namespace tk48 {

void BindEnter(QDialog* dialog, std::function<void()> onEnter) {
  // Window shortcuts fire before the focus widget's key handling, so a focused
  // push button cannot turn Enter into its own click.
  for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
    auto* shortcut = new QShortcut(QKeySequence(key), dialog);  // owned by the dialog
    shortcut->setContext(Qt::WindowShortcut);
    shortcut->setAutoRepeat(false);
    QObject::connect(shortcut, &QShortcut::activated, dialog, [onEnter] {
      if (onEnter) onEnter();
    });
  }
}

}  // namespace tk48
