#include "tests/editors/screen_walk.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <algorithm>
#include <memory>

#include "editors/toolkit/colour_swatch.h"
#include "editors/toolkit/editor_text.h"
#include "resources/text_ids.h"
#include "tests/editors/editor_fixture.h"

namespace tk48::test {
namespace {

QString Plain(const char* name) { return QString::fromLatin1(name); }

// The label whose buddy is `w`, if any.
const QLabel* LabelOf(const QWidget& w) {
  for (const QLabel* label : w.window()->findChildren<QLabel*>())
    if (label->buddy() == &w) return label;
  return nullptr;
}

QString WidgetName(const QWidget& w) {
  if (!w.accessibleName().isEmpty()) return w.accessibleName();
  if (const QLabel* label = LabelOf(w)) return label->text();
  return Plain(w.metaObject()->className());
}

// Shown on the screen, or on a tab page that is not the current one.
bool Shown(const QWidget& w, const QDialog& screen) {
  for (const QWidget* at = &w; at && at != &screen; at = at->parentWidget()) {
    if (!at->isHidden()) continue;
    const QWidget* stack = at->parentWidget();
    const QTabWidget* tabs = stack ? qobject_cast<const QTabWidget*>(stack->parentWidget()) : nullptr;
    if (!tabs || tabs->indexOf(const_cast<QWidget*>(at)) < 0) return false;
  }
  return true;
}

// The header texts of a list's columns.
QStringList Columns(const QAbstractItemView& view) {
  QStringList texts;
  const QHeaderView* header = nullptr;
  if (const auto* table = qobject_cast<const QTableView*>(&view)) header = table->horizontalHeader();
  if (const auto* tree = qobject_cast<const QTreeView*>(&view)) header = tree->header();
  if (!header || header->isHidden() || !view.model()) return texts;
  for (int c = 0; c < view.model()->columnCount(); ++c)
    if (!header->isSectionHidden(c)) texts << view.model()->headerData(c, Qt::Horizontal).toString();
  return texts;
}

// Brings the tab pages that hold `w` to the front, as a user does before pressing it.
void Reveal(QWidget& w) {
  for (QWidget* at = &w; at; at = at->parentWidget()) {
    QWidget* stack = at->parentWidget();
    if (auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr; tabs && tabs->indexOf(at) >= 0)
      tabs->setCurrentWidget(at);
  }
}

// The buttons that close a screen: those of a button box, and the "OK",
// "Cancel" and "Back" that list and menu screens set apart.
bool IsFootButton(const QAbstractButton& button) {
  for (const QObject* at = button.parent(); at; at = at->parent())
    if (qobject_cast<const QDialogButtonBox*>(at)) return true;
  for (const int id : {text::kOk, text::kCancel, text::kBack})
    if (button.text() == Tx(id)) return true;
  return false;
}

// Runs `act` and, while it runs, looks for a modal screen other than `current`
// coming up; `inside` gets it, then it is closed without OK.
void CatchModal(QDialog& current, const std::function<void()>& act, const std::function<void(QDialog&)>& inside) {
  auto* timer = new QTimer(qApp);
  QObject::connect(timer, &QTimer::timeout, [timer, &current, inside] {
    if (QWidget* popup = QApplication::activePopupWidget()) {
      popup->close();  // a menu is no screen
      return;
    }
    auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!modal || modal == &current || !modal->isVisible()) return;
    timer->stop();
    QPointer<QDialog> guard(modal);
    inside(*modal);
    if (guard && guard->isVisible()) guard->done(QDialog::Rejected);
  });
  timer->start(5);
  act();
  timer->stop();
  timer->deleteLater();
}

void Walk(QDialog& screen, const std::string& path, int depth, const std::function<void(const Visit&)>& visit,
          int maxDepth) {
  visit({screen, path, depth});
  if (depth >= maxDepth) return;
  const auto into = [&](QDialog& sub) { Walk(sub, path + " > " + ScreenClass(sub), depth + 1, visit, maxDepth); };
  // The first row of each list, then the buttons in the order they were made;
  // a button may close the screen.
  for (QTableView* view : screen.findChildren<QTableView*>()) {
    if (!screen.isVisible()) return;
    if (!view->isVisible() || !view->isEnabled() || !view->model() || view->model()->rowCount() == 0) continue;
    CatchModal(
        screen, [&] { DoubleClick(*view, 0); }, into);
  }
  std::vector<QPointer<QPushButton>> buttons;
  for (QPushButton* b : screen.findChildren<QPushButton*>())
    if (!IsFootButton(*b)) buttons.emplace_back(b);
  for (const QPointer<QPushButton>& b : buttons) {
    if (!screen.isVisible()) return;
    if (!b || !b->isEnabled() || !Shown(*b, screen)) continue;
    Reveal(*b);
    CatchModal(
        screen, [&] { b->click(); }, into);
  }
}

}  // namespace

std::string ScreenClass(const QObject& screen) {
  const QMetaObject* meta = screen.metaObject();
  // A stand-in declared in a test (or in an unnamed namespace) reads as the screen class it derives from.
  while (meta->superClass() && std::string_view(meta->className()).find("anonymous") != std::string_view::npos)
    meta = meta->superClass();
  std::string name = meta->className();
  const std::size_t colon = name.rfind("::");
  return colon == std::string::npos ? name : name.substr(colon + 2);
}

std::vector<QWidget*> ShownWidgets(QDialog& screen) {
  std::vector<QWidget*> shown;
  for (QWidget* w : screen.findChildren<QWidget*>())
    if (Shown(*w, screen)) shown.push_back(w);
  return shown;
}

std::vector<ShownText> ShownTexts(QDialog& screen) {
  std::vector<ShownText> texts;
  texts.push_back({screen.windowTitle(), "title", Plain("window"), &screen});
  for (QWidget* w : ShownWidgets(screen)) {
    if (const auto* label = qobject_cast<QLabel*>(w)) {
      // A picture (a formula) is no text.
      if (!label->pixmap().isNull() || label->picture().isNull() == false) continue;
      texts.push_back({label->text(), "label", label->buddy() ? WidgetName(*label->buddy()) : label->objectName(), w});
    } else if (const auto* button = qobject_cast<QAbstractButton*>(w)) {
      // A table's corner button belongs to the table; it never carries a text.
      if (std::string_view(button->metaObject()->className()) == "QTableCornerButton") continue;
      texts.push_back({button->text(), "button", WidgetName(*button), w});
    } else if (const auto* group = qobject_cast<QGroupBox*>(w)) {
      if (!group->title().isEmpty()) texts.push_back({group->title(), "group", WidgetName(*group), w});
    } else if (const auto* tabs = qobject_cast<QTabWidget*>(w)) {
      for (int i = 0; i < tabs->count(); ++i) texts.push_back({tabs->tabText(i), "tab", WidgetName(*tabs), w});
    } else if (const auto* view = qobject_cast<QAbstractItemView*>(w)) {
      if (qobject_cast<const QComboBox*>(view->parentWidget())) continue;
      for (const QString& column : Columns(*view)) texts.push_back({column, "column", WidgetName(*view), w});
    } else if (const auto* list = qobject_cast<QComboBox*>(w)) {
      for (int i = 0; i < list->count(); ++i) texts.push_back({list->itemText(i), "entry", WidgetName(*list), w});
    }
  }
  return texts;
}

QStringList ShownValues(QDialog& screen) {
  QStringList values;
  for (QWidget* w : ShownWidgets(screen)) {
    const QString name = WidgetName(*w) + QStringLiteral(": ");
    if (const auto* edit = qobject_cast<QLineEdit*>(w)) {
      if (!qobject_cast<const QComboBox*>(edit->parentWidget())) values << name + edit->text();
    } else if (const auto* text = qobject_cast<QPlainTextEdit*>(w)) {
      values << name + text->toPlainText();
    } else if (const auto* list = qobject_cast<QComboBox*>(w)) {
      values << name + QString::number(list->currentIndex()) + u' ' + list->currentText();
    } else if (const auto* swatch = qobject_cast<ColourSwatch*>(w)) {
      values << name + QString::number(swatch->Colour(), 16);
    } else if (const auto* box = qobject_cast<QAbstractButton*>(w); box && box->isCheckable()) {
      values << name + (box->isChecked() ? u'1' : u'0');
    } else if (const auto* view = qobject_cast<QTableView*>(w); view && view->model()) {
      for (int r = 0; r < view->model()->rowCount(); ++r)
        for (int c = 0; c < view->model()->columnCount(); ++c)
          values << name + view->model()->index(r, c).data().toString() + u'/' +
                        view->model()->index(r, c).data(Qt::CheckStateRole).toString();
    }
  }
  return values;
}

void WalkScreen(QDialog& screen, const std::function<void(const Visit&)>& visit, int maxDepth) {
  Walk(screen, ScreenClass(screen), 0, visit, maxDepth);
}

}  // namespace tk48::test
