// OpenPath, which editors/toolkit/screen_env.h declares: the registry's
// screens opened along a field's route (query/screen_paths.h).
#include "editors/screen_registry.h"

#include <QApplication>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <memory>
#include <string>

#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/item_editor.h"
#include "editors/toolkit/list_screen.h"
#include "model/field_path.h"
#include "query/screen_paths.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

// Shows the tab a field sits on. A stack of pages that a choice drives (the
// fields of one kind) keeps its page: the field is then not in use.
void ShowPageOf(QWidget* field) {
  for (QWidget* w = field; w && w->parentWidget(); w = w->parentWidget()) {
    auto* stack = qobject_cast<QStackedWidget*>(w->parentWidget());
    if (auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr) tabs->setCurrentWidget(w);
  }
}

// Walks a route's steps, one per newly shown screen, then focuses the field.
class RouteWalk : public std::enable_shared_from_this<RouteWalk> {
 public:
  RouteWalk(std::vector<RouteStep> steps, std::vector<int> numbers, const void* field)
      : steps_(std::move(steps)), numbers_(std::move(numbers)), field_(field) {}

  // Acts on `shown` once the event loop of the screen just opened runs.
  void When(QWidget* shown) {
    QTimer::singleShot(0, shown, [walk = shared_from_this(), shown] { walk->On(shown); });
  }

 private:
  void On(QWidget* shown) {
    if (QApplication::activeModalWidget() != shown) return;  // a message came first
    if (next_ == steps_.size()) return Focus(shown);
    const RouteStep& step = steps_[next_++];
    if (step.kind == RouteStep::Button) {
      for (auto* button : shown->findChildren<QPushButton*>()) {
        if (button->text() != Tx(step.textId) || !button->isEnabled()) continue;
        Next(shown);
        button->click();
        return;
      }
    } else if (auto* list = shown->findChild<ListView*>()) {
      const std::size_t which = static_cast<std::size_t>(step.number);
      const int row = which < numbers_.size() ? numbers_[which] - step.first : -1;
      if (row < 0 || row >= list->model()->rowCount()) return;
      list->SelectRow(row);
      list->scrollTo(list->model()->index(row, 0));
      Next(shown);
      list->Edit(row);
    }
  }

  // The screen a step opens is the modal one once its event loop runs; a
  // step that opened nothing ends the walk on `from`.
  void Next(QWidget* from) {
    QTimer::singleShot(0, [walk = shared_from_this(), from] {
      QWidget* opened = QApplication::activeModalWidget();
      if (opened && opened != from) walk->On(opened);
    });
  }

  void Focus(QWidget* shown) {
    auto* editor = qobject_cast<ItemEditor*>(shown);
    QWidget* field = editor ? editor->FieldOf(field_) : nullptr;
    if (!field) return;
    ShowPageOf(field);
    field->setFocus(Qt::OtherFocusReason);
  }

  std::vector<RouteStep> steps_;
  std::vector<int> numbers_;
  const void* field_;
  std::size_t next_ = 0;
};

}  // namespace

bool OpenPath(std::string_view path, const ScreenEnv& env) {
  const auto route = RouteOf(path);
  const ScreenEntry* entry = route ? FindScreen(route->screen) : nullptr;
  if (!entry || route->item < 0 || route->item >= entry->items) return false;
  const auto field = FindField(env.record, path);
  const auto screen = entry->make(env, route->item);
  std::make_shared<RouteWalk>(route->steps, route->numbers, field ? field->slot.value : nullptr)
      ->When(screen.get());
  screen->exec();
  return true;
}

}  // namespace tk48
