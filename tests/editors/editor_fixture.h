#pragma once
// What the editor tests share: a record at its defaults, a scripted UI port
// that answers the message boxes, a shown and active screen, user gestures on
// lists, and a way to act on a modal dialog or a popup menu once it is up.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QElapsedTimer>
#include <QMenu>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <cstdlib>
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

// A right-click on `row` of a list: the row is selected, then the context menu asked for.
inline void RightClickRow(QTableView* table, int row) {
  table->scrollTo(table->model()->index(row, 0));
  const QPoint at = table->visualRect(table->model()->index(row, 0)).center();
  QTest::mouseClick(table->viewport(), Qt::RightButton, {}, at);
  QContextMenuEvent event(QContextMenuEvent::Mouse, at, table->viewport()->mapToGlobal(at));
  QApplication::sendEvent(table->viewport(), &event);
}

// Right-clicks `row` and chooses `entry` ("Copy", "Paste") when it is enabled;
// reports whether Paste was enabled.
inline bool UseRowMenu(QTableView* table, int row, const char* entry) {
  bool pasteEnabled = false;
  WhenMenu([&](QMenu& menu) {
    for (QAction* action : menu.actions())
      if (action->text() == "Paste") pasteEnabled = action->isEnabled();
    if (QAction* chosen = Entry(menu, entry); chosen && chosen->isEnabled()) Choose(menu, chosen);
    else menu.close();
  });
  RightClickRow(table, row);
  return pasteEnabled;
}

// Double-clicks `row` as the user does, which opens its editor.
inline void DoubleClickRow(QTableView* table, int row) {
  table->scrollTo(table->model()->index(row, 0));
  const QPoint at = table->visualRect(table->model()->index(row, 0)).center();
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
}

inline QString CellText(const QTableView* table, int row, int column) {
  return table->model()->index(row, column).data().toString();
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
