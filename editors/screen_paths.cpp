#include "editors/screen_paths.h"

#include <QApplication>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <memory>
#include <string>

#include "editors/editor_text.h"
#include "editors/item_editor.h"
#include "editors/list_screen.h"
#include "model/field_path.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

constexpr RouteStep Press(int textId) { return {RouteStep::Button, textId, 0, 0}; }
constexpr RouteStep Row(int number, int first) { return {RouteStep::Row, 0, number, first}; }

// A path shape ("IO.AI[#].AREA[#].*": every number written [#], a final '*'
// for any rest), the screen opened first, the item it is opened on (the
// path's first number less `first`; -1: the screen edits no item of a list),
// and the steps to the sub-screen. The first row whose shape matches wins, so
// a sub-screen's rows stand above its parent's.
struct PathRow {
  std::string_view shape;
  std::string_view screen;
  int first;
  RouteStep steps[2];
  int stepCount;
};

const PathRow kPathRows[] = {
    {"SYSTEM.*", "CDlgSetSystem", -1, {}, 0},
    // input/output
    {"IO.NODE_CONF.*[#]", "CDlgSetIoNodeConf", 0, {}, 0},
    {"IO.NODE_CONF.*", "CDlgSetIoNodeCom", -1, {}, 0},
    {"IO.AI[#].AREA[#].*", "CDlgSetIoAiCh", 1, {Press(text::kAlarmZoneSetting)}, 1},
    {"IO.AI[#].*", "CDlgSetIoAiCh", 1, {}, 0},
    {"IO.DI[#].*", "CDlgSetIoDiCh", 1, {}, 0},
    {"IO.PI[#].AREA[#].*", "CDlgSetIoPiCh", 1, {Press(text::kAlarmZoneSetting)}, 1},
    {"IO.PI[#].*", "CDlgSetIoPiCh", 1, {}, 0},
    {"IO.MA[#].AREA[#].*", "CDlgSetIoMaCh", 1, {Press(text::kAlarmZoneSetting)}, 1},
    {"IO.MA[#].CONST.*", "CDlgSetIoMaCh", 1, {Press(text::kFunctionSetting)}, 1},
    {"IO.MA[#].INPUT.*", "CDlgSetIoMaCh", 1, {Press(text::kFunctionSetting)}, 1},
    {"IO.MA[#].*", "CDlgSetIoMaCh", 1, {}, 0},
    {"IO.MD[#].*", "CDlgSetIoMdCh", 1, {}, 0},
    {"IO.AO[#].IO_MAPPING.*", "CDlgSetIoAoCh", 1, {Press(text::kIoMapping)}, 1},
    {"IO.AO[#].*", "CDlgSetIoAoCh", 1, {}, 0},
    {"IO.DO[#].*", "CDlgSetIoDoCh", 1, {}, 0},
    {"IO.GDO[#].CH[#]", "CDlgSetIoGdoCh", 1, {Row(1, 1)}, 1},
    {"IO.GDO[#].*", "CDlgSetIoGdoCh", 1, {}, 0},
    // communication (the address book lives in COM but is an e-mail screen)
    {"COM.WEB.AUTH[#].CTRL_SU[#]", "CDlgSetComWebAuth", -1, {Row(0, 0), Press(text::kScheduleUnit)}, 2},
    {"COM.WEB.AUTH[#].CTRL_*", "CDlgSetComWebAuth", -1, {Row(0, 0), Press(text::kColumnCh)}, 2},
    {"COM.WEB.AUTH[#].*", "CDlgSetComWebAuth", -1, {Row(0, 0)}, 1},
    {"COM.WEB.*", "CDlgSetComWebAuth", -1, {}, 0},
    {"COM.FTP.*", "CDlgSetComFtps", -1, {}, 0},
    {"COM.SNTP.*", "CDlgSetComSntp", -1, {}, 0},
    {"COM.MODBUS_TCP.*", "CDlgSetComModbus", -1, {}, 0},
    {"COM.SMTP_POP3.MAIL_*[#]", "CDlgSetRepAddr", -1, {Row(0, 1)}, 1},
    {"COM.SMTP_POP3.*", "CDlgSetComSmtp", -1, {}, 0},
    {"COM.FTPC.*", "CDlgSetComFtpc", -1, {}, 0},
    // e-mail
    {"MAIL_REPORT.FORM[#].DST[#]", "CDlgSetRepFormConf", 1, {Press(text::kAddressList), Row(1, 1)}, 2},
    {"MAIL_REPORT.FORM[#].CH[#]", "CDlgSetRepFormConf", 1, {Press(text::kChooseChannels), Row(1, 1)}, 2},
    {"MAIL_REPORT.FORM[#].*", "CDlgSetRepFormConf", 1, {}, 0},
    {"MAIL_REPORT.TIME.MAIL[#]", "CDlgSetRepTime", -1, {Press(text::kChooseTemplate)}, 1},
    {"MAIL_REPORT.TIME.REPORT_TIME[#].*", "CDlgSetRepTime", -1, {Press(text::kSetTimeToSend), Row(0, 0)}, 2},
    {"MAIL_REPORT.TIME.*", "CDlgSetRepTime", -1, {}, 0},
    {"MAIL_REPORT.ERROR.*", "CDlgSetRepError", -1, {}, 0},
    {"MAIL_REPORT.CALENDAR.*", "CDlgSetRepCalendar", -1, {}, 0},
    // graph/display
    {"DISP.TREND.TREND_PAGE[#].*", "CDlgSetDispTrendPage", 1, {}, 0},
    {"DISP.DATA.*", "CDlgSetDispData", -1, {}, 0},
    // record
    {"RECORD.LOGGING.PEN[#].*", "CDlgSetRecordLogging", -1, {Press(text::kPenInformation), Row(0, 1)}, 2},
    {"RECORD.LOGGING.OFFSET[#].*", "CDlgSetRecordLogging", -1, {Press(text::kChooseHourAndOffset), Row(0, 0)}, 2},
    {"RECORD.LOGGING.*", "CDlgSetRecordLogging", -1, {}, 0},
    {"RECORD.EVENT.*", "CDlgSetRecordEvent", -1, {}, 0},
    {"RECORD.REPORT.PEN[#].*", "CDlgSetRecordReport", -1, {Press(text::kPenInformation), Row(0, 1)}, 2},
    {"RECORD.REPORT.MAIL[#]", "CDlgSetRecordReport", -1, {Press(text::kChooseTemplate)}, 1},
    {"RECORD.REPORT.*", "CDlgSetRecordReport", -1, {}, 0},
    // scheduler
    {"SCHEDULE.PATTERN[#].OUT[#].*", "CDlgSetSchPattern", 1, {Row(1, 1)}, 1},
    {"SCHEDULE.PATTERN[#].*", "CDlgSetSchPattern", 1, {}, 0},
    {"SCHEDULE.UNIT[#].*", "CDlgSetSchUnitReg", 1, {}, 0},
    {"SCHEDULE.MENTE.*", "CDlgSetSchInputConf", -1, {}, 0},
    // process operation monitor
    {"OPEMON.PROC[#].*", "CDlgSetOpemonProc", 1, {}, 0},
};

// The path with each number written "#", and the numbers.
std::string ShapeOf(std::string_view path, std::vector<int>& numbers) {
  std::string shape;
  for (std::size_t i = 0; i < path.size(); ++i) {
    shape += path[i];
    if (path[i] != '[') continue;
    int n = 0;
    while (i + 1 < path.size() && path[i + 1] >= '0' && path[i + 1] <= '9') n = n * 10 + (path[++i] - '0');
    numbers.push_back(n);
    shape += '#';
  }
  return shape;
}

// '*' stands for any run of characters.
bool Matches(std::string_view text, std::string_view shape) {
  const auto star = shape.find('*');
  if (star == std::string_view::npos) return text == shape;
  if (!text.starts_with(shape.substr(0, star))) return false;
  const std::string_view rest = shape.substr(star + 1);
  for (std::size_t from = star; from <= text.size(); ++from)
    if (Matches(text.substr(from), rest)) return true;
  return false;
}

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

std::optional<ScreenRoute> RouteOf(std::string_view path) {
  std::vector<int> numbers;
  const std::string shape = ShapeOf(path, numbers);
  for (const PathRow& row : kPathRows) {
    if (!Matches(shape, row.shape)) continue;
    ScreenRoute route{row.screen, 0, std::vector<RouteStep>(row.steps, row.steps + row.stepCount)};
    if (row.first >= 0) route.item = numbers.empty() ? -1 : numbers.front() - row.first;
    return route;
  }
  return std::nullopt;
}

bool OpenPath(std::string_view path, const ScreenEnv& env) {
  const auto route = RouteOf(path);
  const ScreenEntry* entry = route ? FindScreen(route->screen) : nullptr;
  if (!entry || route->item < 0 || route->item >= entry->items) return false;
  const auto field = FindField(env.record, path);
  std::vector<int> numbers;
  ShapeOf(path, numbers);
  const auto screen = entry->make(env, route->item);
  std::make_shared<RouteWalk>(route->steps, std::move(numbers), field ? field->slot.value : nullptr)
      ->When(screen.get());
  screen->exec();
  return true;
}

}  // namespace tk48
