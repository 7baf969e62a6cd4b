#pragma once
// The GUI tests' fixture: an empty preferences store, a scripted UI port, the
// application object on both, and a way to act on a modal dialog once it is up.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <ostream>
#include <memory>

#include "app/CDlgSetMain.h"
#include "app/CTK48CFGApp.h"
#include "app/CTK48CFGDlg.h"
#include "app/preferences.h"
#include "editors/toolkit/list_screen.h"
#include "editors/toolkit/menu_screen.h"
#include "model/defaults.h"
#include "port/scripted_ui.h"

// Readable failures.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace tk48::test {

// Runs `act` on the next modal dialog of type T once it shows. A dialog that
// does not come within the wait fails the test, and the modal one is closed so
// that nothing hangs.
// Owns the watches of the running test; a watch still waiting when the test ends fails it.
inline QObject*& Watches() {
  static QObject* owner = nullptr;
  return owner;
}

template <typename T>
void WhenModal(std::function<void(T&)> act, int waitMs = 5000) {
  auto* timer = new QTimer(Watches() ? Watches() : qApp);
  auto clock = std::make_shared<QElapsedTimer>();
  clock->start();
  QObject::connect(timer, &QTimer::timeout, [timer, clock, act = std::move(act), waitMs] {
    if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget()); dialog && dialog->isVisible()) {
      timer->stop();
      timer->deleteLater();
      act(*dialog);
      return;
    }
    if (clock->elapsed() < waitMs) return;
    timer->stop();
    timer->deleteLater();
    ADD_FAILURE() << "no " << T::staticMetaObject.className() << " came up";
    if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) modal->done(QDialog::Rejected);
  });
  timer->start(5);
}

// A click near the left edge, where a radio button or check box has its mark.
inline void Click(QAbstractButton* button) {
  ASSERT_TRUE(button->isVisible() && button->isEnabled()) << button->text().toStdString();
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(std::min(8, button->width() / 2), button->height() / 2));
}

// A double-click on a list's row (scrolled into view) as the window system delivers it.
inline void DoubleClickRow(QTableView& table, int row) {
  const QModelIndex index = table.model()->index(row, 0);
  table.scrollTo(index);
  const QPoint at = table.visualRect(index).center();
  QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, at);
}

// Entry `index` of a drop-down list picked with the arrow keys, as a user would.
inline void PickEntry(QComboBox* list, int index) {
  list->setFocus();
  while (list->currentIndex() < index) QTest::keyClick(list, Qt::Key_Down);
  while (list->currentIndex() > index) QTest::keyClick(list, Qt::Key_Up);
}

// The entry that reads `text` (or, with `prefix`, the first that starts so:
// "005" for a channel list's "005 name"), picked as PickEntry does.
inline void PickText(QComboBox* list, const QString& text, bool prefix = false) {
  for (int i = 0; i < list->count(); ++i)
    if (prefix ? list->itemText(i).startsWith(text) : list->itemText(i) == text) return PickEntry(list, i);
  ADD_FAILURE() << "no entry \"" << text.toStdString() << "\" in " << list->accessibleName().toStdString();
}

// The push button of `parent` that reads `text`.
inline QPushButton* ButtonNamed(QWidget& parent, const QString& text) {
  for (auto* button : parent.findChildren<QPushButton*>())
    if (button->text() == text) return button;
  return nullptr;
}

// A keyboard pick, one step at a time, as guards see a user's.
inline void Pick(QComboBox* list, int index) {
  const int steps = std::abs(index - list->currentIndex());
  const auto key = index > list->currentIndex() ? Qt::Key_Down : Qt::Key_Up;
  for (int i = 0; i < steps; ++i) QTest::keyClick(list, key);
}

// A double-click on row `row` of a list, scrolled into view first.
inline void DoubleClickRow(QTableView* table, int row) {
  table->scrollTo(table->model()->index(row, 0));
  const QPoint at = table->visualRect(table->model()->index(row, 0)).center();
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
}

// Shows a dialog for driving without its own event loop.
inline void Show(QDialog& dialog) {
  dialog.show();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
}

// Opens the list screen that `opener` brings up, double-clicks row `row`,
// runs `act` on the item screen T that comes up, then Back closes the list.
template <class T>
void EditListRow(QAbstractButton* opener, int row, std::function<void(T&)> act) {
  WhenModal<ListScreen>([row, act = std::move(act)](ListScreen& list) {
    WhenModal<T>(act);
    DoubleClickRow(list.list(), row);
    Click(list.backButton());
  });
  Click(opener);
}

// Opens the menu behind a hub button, runs `inMenu` on it, then Back.
inline void InMenu(CDlgSetMain& hub, Screen section, const std::function<void(MenuScreen&)>& inMenu) {
  WhenModal<MenuScreen>([inMenu](MenuScreen& menu) {
    inMenu(menu);
    Click(menu.backButton());
  });
  Click(hub.ScreenButton(section));
}

// The scripted port that also keeps every file dialog it was asked for.
class RecordingUi : public ScriptedUi {
 public:
  std::vector<FileDialog> fileDialogs;
  std::optional<std::string> ChooseFile(const FileDialog& dialog) override {
    fileDialogs.push_back(dialog);
    return ScriptedUi::ChooseFile(dialog);
  }
};

class GuiTest : public ::testing::Test {
 protected:
  GuiTest() {
    Watches() = new QObject;
    QSettings(QString::fromUtf8(pref::kOrganisation.data(), pref::kOrganisation.size()),
              QString::fromUtf8(pref::kApplication.data(), pref::kApplication.size()))
        .clear();
    // The review before an upload stays out of the flows that do not test it.
    app.reviewUpload = [](CTK48CFGApp&, const SettingData&, QWidget*) { return true; };
  }
  ~GuiTest() override {
    for (auto* watch : Watches()->findChildren<QTimer*>())
      if (watch->isActive()) ADD_FAILURE() << "a dialog the test waited for never came up";
    delete Watches();
    Watches() = nullptr;
  }

  // The application object as start-up leaves it, over what the store holds now.
  void Start() { app.ReadPreferences(); }

  void Store(std::string_view name, int value) { prefs.WriteInt(pref::kMain, name, value); }
  void Store(std::string_view name, std::string_view value) { prefs.WriteText(pref::kMain, name, value); }
  void StoreEntry(int number, std::string_view name, std::string_view address) {
    prefs.WriteText(AddressSection(number), pref::kName, name);
    prefs.WriteText(AddressSection(number), pref::kAddr, address);
  }
  int StoredInt(std::string_view name) const { return prefs.ReadInt(pref::kMain, name, -12345); }
  std::string StoredText(std::string_view name) const { return prefs.ReadText(pref::kMain, name); }
  bool IsStored(std::string_view name) const { return Preferences::Lookup(pref::kMain, name).has_value(); }

  // Save file, then Read file, through the hub. `edit` works in the hub that
  // `open` brings up (New setting when there is none); Save file writes `file`
  // and Back closes the hub. The window's record is then reset to the
  // defaults, so that what `check` finds came from the file: Read file brings
  // the hub up again over what was read, `check` looks at it, and Back closes
  // it with nothing to ask.
  void SaveAndReadBack(CTK48CFGDlg& window, const std::string& file, const std::function<void(CDlgSetMain&)>& edit,
                       const std::function<void(CDlgSetMain&, const SettingData&)>& check,
                       const std::function<void()>& open = {}) {
    WhenModal<CDlgSetMain>([&](CDlgSetMain& hub) {
      edit(hub);
      ui.files = {file};
      Click(hub.SaveFileButton());
      EXPECT_EQ(ui.Last(), "File saved.");
      Click(hub.BackButton());
      EXPECT_FALSE(hub.isVisible()) << "saved: Back asks nothing";
    });
    if (open)
      open();
    else
      Click(window.NewSettingButton());
    ApplyDefaults(window.Record());
    bool checked = false;
    WhenModal<CDlgSetMain>([&](CDlgSetMain& hub) {
      checked = true;
      check(hub, window.Record());
      Click(hub.BackButton());
      EXPECT_FALSE(hub.isVisible()) << "just read: Back asks nothing";
    });
    ui.files = {file};
    Click(window.ReadFileButton());
    EXPECT_TRUE(checked) << "Read file brought up no hub";
  }

  // The texts of the messages shown so far.
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const auto& m : ui.messages) texts.push_back(m.text);
    return texts;
  }

  Preferences prefs;
  RecordingUi ui;
  CTK48CFGApp app{prefs, ui};
};

}  // namespace tk48::test
