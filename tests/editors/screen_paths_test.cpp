// The path table: every field of the record has a way to the screen that
// edits it, on an item that screen has, except the device's direct network
// settings, which no configuration screen edits.
#include <gtest/gtest.h>

#include <map>

#include "editors/screen_registry.h"
#include "model/field_path.h"
#include "query/screen_paths.h"

namespace tk48 {
namespace {

TEST(ScreenPathsTest, EveryFieldReachesARegisteredScreenOnAnItemItHas) {
  auto record = NewSettingData();
  std::map<std::string, int> unreached;  // by the path's first two names
  int fields = 0;
  ForEachField(*record, [&](const std::string& path, const FieldRef&) {
    ++fields;
    const auto route = RouteOf(path);
    if (!route) {
      ++unreached[path.substr(0, path.find_first_of(".[", path.find('.') + 1))];
      return;
    }
    const ScreenEntry* screen = FindScreen(route->screen);
    ASSERT_NE(screen, nullptr) << path << ": " << route->screen;
    ASSERT_TRUE(route->item >= 0 && route->item < screen->items) << path << ": item " << route->item;
  });
  EXPECT_GT(fields, 180000);
  const std::map<std::string, int> direct = {
      {"COM.TCP_IP", 6}, {"TK48GCFG.AUTH", 24}, {"TK48GCFG.NET", 1}, {"TK48GCFG.PORT", 1}};
  EXPECT_EQ(unreached, direct);
}

TEST(ScreenPathsTest, ASubScreenIsReachedThroughItsParent) {
  struct Case {
    const char* path;
    const char* screen;
    int item;
    std::vector<RouteStep::Kind> steps;
  } cases[] = {
      {"IO.AI[5].NAME", "CDlgSetIoAiCh", 4, {}},
      {"IO.AI[5].AREA[3].UPPER.MESSAGE", "CDlgSetIoAiCh", 4, {RouteStep::Button}},
      {"IO.NODE_CONF.PORT[0]", "CDlgSetIoNodeConf", 0, {}},
      {"IO.NODE_CONF.INTERVAL", "CDlgSetIoNodeCom", 0, {}},
      {"COM.FTP.MODE", "CDlgSetComFtps", 0, {}},
      {"COM.FTPC.MODE", "CDlgSetComFtpc", 0, {}},
      {"COM.WEB.AUTH[31].CTRL_SU[1]", "CDlgSetComWebAuth", 0, {RouteStep::Row, RouteStep::Button}},
      {"RECORD.LOGGING.PEN[128].CH", "CDlgSetRecordLogging", 0, {RouteStep::Button, RouteStep::Row}},
      {"SCHEDULE.PATTERN[64].OUT[8].STOP.MIN", "CDlgSetSchPattern", 63, {RouteStep::Row}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    const auto route = RouteOf(c.path);
    ASSERT_TRUE(route);
    EXPECT_EQ(route->screen, c.screen);
    EXPECT_EQ(route->item, c.item);
    std::vector<RouteStep::Kind> kinds;
    for (const RouteStep& step : route->steps) kinds.push_back(step.kind);
    EXPECT_EQ(kinds, c.steps);
  }
}

}  // namespace
}  // namespace tk48
