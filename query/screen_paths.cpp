#include "query/screen_paths.h"

#include <string>

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

}  // namespace

std::optional<ScreenRoute> RouteOf(std::string_view path) {
  std::vector<int> numbers;
  const std::string shape = ShapeOf(path, numbers);
  for (const PathRow& row : kPathRows) {
    if (!Matches(shape, row.shape)) continue;
    ScreenRoute route{row.screen, 0, std::vector<RouteStep>(row.steps, row.steps + row.stepCount), numbers};
    if (row.first >= 0) route.item = numbers.empty() ? -1 : numbers.front() - row.first;
    return route;
  }
  return std::nullopt;
}

}  // namespace tk48
