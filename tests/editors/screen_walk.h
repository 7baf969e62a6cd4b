#pragma once
// A walk over what a screen shows a user and over every screen it opens: its
// texts (title, labels, buttons, tabs, column headers, list entries) with the
// widget each belongs to, and a visit of each sub-screen that a button or a
// double-click on a list row brings up.
#include <QDialog>
#include <QString>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

namespace tk48::test {

// The screen's own class name, without the namespace: "CDlgSetIoAoMap"; a
// test's stand-in derived from a screen class reads as that class.
std::string ScreenClass(const QObject& screen);

// One text a user sees, and what shows it.
struct ShownText {
  QString text;
  QString kind;    // "title", "label", "button", "tab", "column", "entry", "group"
  QString widget;  // the widget's accessible name, else its label's text, else its class
  const QWidget* owner;
};

// Every text `screen` shows, the pages of its tabs included: a widget counts
// when it is shown on the screen or on one of its tab pages.
std::vector<ShownText> ShownTexts(QDialog& screen);

// The widgets `screen` shows, those on its tab pages included.
std::vector<QWidget*> ShownWidgets(QDialog& screen);

// What the screen's input widgets show, one text each, in the order they were
// made: the texts of edit fields, the entries lists show, ticks, colours, and
// the cells of lists inside the screen.
QStringList ShownValues(QDialog& screen);

// A screen met on the walk.
struct Visit {
  QDialog& screen;
  std::string path;  // "CDlgSetIoAoCh > CDlgSetIoAoMap"
  int depth;         // 0 for the screen the walk starts at
};

// Visits `screen` (shown and active), then presses each of its enabled push
// buttons other than the foot buttons and double-clicks the first row of each
// of its lists; every modal screen that comes up is walked the same way, down
// to `maxDepth`, and then closed without OK.
void WalkScreen(QDialog& screen, const std::function<void(const Visit&)>& visit, int maxDepth = 3);

}  // namespace tk48::test
