#pragma once
// "Input/Output": the menu of the input/output sections. One button per
// section opens its list screen on the working record; a button is enabled
// once its list screen exists. Back, Enter and Esc close it; it writes nothing.
#include <QDialog>

#include "model/setting_data.h"

class QPushButton;

namespace tk48 {

class UiPort;

// Opens one section's list screen modally.
using ListOpener = void (*)(QWidget* parent, SettingData& record, UiPort& ui);

struct IoMenuEntry {
  int textId;       // the button's text
  ListOpener open;  // nullptr until the section's list exists
};

// The nine sections in menu order.
const IoMenuEntry (&IoMenuEntries())[9];

class CDlgSetIo : public QDialog {
  Q_OBJECT

 public:
  CDlgSetIo(QWidget* parent, SettingData& record, UiPort& ui);
  QPushButton* button(int index) const { return buttons_[index]; }

 private:
  QPushButton* buttons_[9] = {};
};

// The hub's "Input/Output" button.
bool RunSetIo(QWidget* parent, SettingData& record, UiPort& ui);

}  // namespace tk48
