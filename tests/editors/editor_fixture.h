#pragma once
// What the editor tests share: a record at its defaults, a scripted UI port
// that answers the message boxes, a shown and active screen, user gestures on
// lists, and a way to act on a modal dialog or a popup menu once it is up.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QTableView>
#include <QDialog>
#include <QElapsedTimer>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/defaults.h"
#include "model/setting_data.h"
#include "port/scripted_ui.h"

namespace tk48::test {

// Shows `dialog` and makes it the active window, so that keyboard shortcuts reach it.
inline void ShowActive(QWidget& dialog) {
  dialog.show();
  QApplication::setActiveWindow(&dialog);
  if (!QTest::qWaitForWindowActive(&dialog)) ADD_FAILURE() << "the screen did not become active";
}

// Picks entry `index` as a user does with the keyboard: one step at a time,
// each step a user's choice that a guard may refuse.
inline void Pick(QComboBox* list, int index) {
  const int steps = std::abs(index - list->currentIndex());
  const auto key = index > list->currentIndex() ? Qt::Key_Down : Qt::Key_Up;
  for (int i = 0; i < steps; ++i) QTest::keyClick(list, key);
}

inline void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

// Runs `act` on the first widget `find` returns while a nested event loop
// (a modal dialog, a popup menu) is running; fails the test, and closes what
// is open, when nothing comes within the wait.
template <class W>
void WhenUp(std::function<W*()> find, std::function<void(W&)> act, int waitMs = 5000) {
  auto* timer = new QTimer(qApp);
  auto clock = std::make_shared<QElapsedTimer>();
  clock->start();
  QObject::connect(timer, &QTimer::timeout, [=] {
    if (W* widget = find(); widget && widget->isVisible()) {
      timer->stop();
      timer->deleteLater();
      act(*widget);
      return;
    }
    if (clock->elapsed() < waitMs) return;
    timer->stop();
    timer->deleteLater();
    ADD_FAILURE() << "nothing came up";
    if (auto* popup = QApplication::activePopupWidget()) popup->close();
    if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) modal->done(QDialog::Rejected);
  });
  timer->start(5);
}

template <class D>
void WhenModal(std::function<void(D&)> act) {
  WhenUp<D>([] { return dynamic_cast<D*>(QApplication::activeModalWidget()); }, std::move(act));
}

inline void WhenMenu(std::function<void(QMenu&)> act) {
  WhenUp<QMenu>([] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }, std::move(act));
}

// A menu's entry by its text.
inline QAction* Entry(QMenu& menu, const QString& text) {
  for (QAction* action : menu.actions())
    if (action->text() == text) return action;
  ADD_FAILURE() << "no menu entry " << text.toStdString();
  return nullptr;
}

// Chooses `action` as the keyboard does, which ends the menu's exec().
inline void Choose(QMenu& menu, QAction* action) {
  menu.setActiveAction(action);
  QTest::keyClick(&menu, Qt::Key_Return);
}

// A record text field set to `text` (cut to fit), the rest zero.
template <std::size_t N>
void Put(char (&field)[N], const std::string& text) {
  std::memset(field, 0, N);
  std::memcpy(field, text.data(), std::min(text.size(), N - 1));
}

// A list screen's cell text.
inline QString Cell(const QTableView& table, int row, int column) {
  return table.model()->index(row, column).data().toString();
}

// A right-click on `row` of a list: the row is selected, then the context menu asked for.
inline void RightClick(QTableView& table, int row) {
  table.scrollTo(table.model()->index(row, 0));
  const QPoint at = table.visualRect(table.model()->index(row, 0)).center();
  QTest::mouseClick(table.viewport(), Qt::RightButton, {}, at);
  QContextMenuEvent event(QContextMenuEvent::Mouse, at, table.viewport()->mapToGlobal(at));
  QApplication::sendEvent(table.viewport(), &event);
}

// Right-clicks `row` and chooses `entry` ("Copy", "Paste") when it is there and
// enabled; true when a menu came up. A row that offers no menu returns false
// without waiting for one.
inline bool UseListMenu(QTableView& table, int row, const char* entry) {
  bool shown = false;
  auto* timer = new QTimer(qApp);
  QObject::connect(timer, &QTimer::timeout, [&shown, entry, timer] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu || !menu->isVisible()) return;
    timer->stop();
    shown = true;
    QAction* chosen = nullptr;
    for (QAction* action : menu->actions())
      if (action->text() == entry && action->isEnabled()) chosen = action;
    if (chosen) {
      Choose(*menu, chosen);
    } else {
      menu->close();
    }
  });
  timer->start(5);
  // The popup takes the activation; the window's shortcuts (Enter) only work
  // once it has come back.
  const bool wasActive = table.window()->isActiveWindow();
  RightClick(table, row);
  timer->stop();
  timer->deleteLater();
  if (wasActive && !table.window()->isActiveWindow()) {
    table.window()->activateWindow();
    if (!QTest::qWaitForWindowActive(table.window(), 2000)) ADD_FAILURE() << "the list did not become active again";
  }
  return shown;
}

// A double-click on `row` as the window system delivers it.
inline void DoubleClick(QTableView& table, int row) {
  table.scrollTo(table.model()->index(row, 0));
  const QPoint at = table.visualRect(table.model()->index(row, 0)).center();
  QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, at);
}

class EditorTest : public ::testing::Test {
 protected:
  EditorTest() { ApplyDefaults(*record); }

  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const auto& m : ui.messages) texts.push_back(m.text);
    return texts;
  }
  // A byte copy to compare the record with after a step that must not write.
  std::unique_ptr<SettingData> Snapshot() const {
    auto copy = NewSettingData();
    *copy = *record;
    return copy;
  }

  std::unique_ptr<SettingData> record = NewSettingData();
  ScriptedUi ui;
};

}  // namespace tk48::test
