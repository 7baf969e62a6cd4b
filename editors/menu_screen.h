#pragma once
// A section menu: one button per screen it opens, then "Back". Back, Enter and
// Esc close it; the menu itself writes nothing.
#include <QDialog>
#include <functional>
#include <vector>

class QPushButton;

namespace tk48 {

struct MenuItem {
  int textId;
  std::function<void(QWidget* parent)> open;
};

class MenuScreen : public QDialog {
  Q_OBJECT

 public:
  MenuScreen(QWidget* parent, int titleId, std::vector<MenuItem> items);
  QPushButton* button(int index) const { return buttons_[static_cast<std::size_t>(index)]; }
  QPushButton* backButton() const { return back_; }

 private:
  std::vector<QPushButton*> buttons_;
  QPushButton* back_;
};

}  // namespace tk48
