#pragma once
// A menu screen: a column of buttons that each open a screen on the working
// record, and "Back". The menu itself writes nothing; Back, Enter and Esc
// close it. A button whose screen is not there yet is disabled.
#include <QDialog>
#include <span>
#include <vector>

#include "model/setting_data.h"

class QPushButton;

namespace tk48 {

class UiPort;

// Opens one screen modally on the working record.
using MenuOpener = void (*)(QWidget* parent, SettingData& record, UiPort& ui);

struct MenuEntry {
  int textId;       // the button's text
  MenuOpener open;  // nullptr until the screen exists: the button is disabled
};

class MenuScreen : public QDialog {
  Q_OBJECT

 public:
  MenuScreen(QWidget* parent, int titleId, std::span<const MenuEntry> entries, SettingData& record, UiPort& ui);

  QPushButton* button(int index) const { return buttons_[static_cast<std::size_t>(index)]; }
  QPushButton* backButton() const { return back_; }

 private:
  std::vector<QPushButton*> buttons_;
  QPushButton* back_;
};

}  // namespace tk48
