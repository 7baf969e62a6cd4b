#pragma once
// "Input/Output": the menu of the input/output sections. One button per
// section opens its list screen on the working record; a button is enabled
// once its list screen exists. Back, Enter and Esc close it; it writes nothing.
#include "editors/toolkit/menu_screen.h"

namespace tk48 {

// Opens one section's list screen modally.
using ListOpener = MenuOpener;
// A section: its button's text and its list's opener (nullptr until the list exists).
using IoMenuEntry = MenuEntry;

// The nine sections in menu order.
const IoMenuEntry (&IoMenuEntries())[9];

class CDlgSetIo : public MenuScreen {
  Q_OBJECT

 public:
  CDlgSetIo(QWidget* parent, SettingData& record, UiPort& ui);
};

}  // namespace tk48
