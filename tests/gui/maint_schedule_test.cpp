// The schedule maintenance screens offscreen against tk48sim over USB: the
// unit list without a unit not in use, a one-time assignment that a second
// read shows, a day that is a permanent date, the permanent screen's date
// checks, and the output types with a DO behind a GDO not in use unlisted.
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <cstring>
#include <fstream>

#include "editors/toolkit/editor_text.h"
#include "gui_fixture.h"
#include "maintenance/device_files.h"
#include "maintenance/schedule_files.h"
#include "maintenance/screens/maint_screens.h"
#include "maintenance/screens/schedule_screens.h"
#include "model/defaults.h"
#include "model/writer.h"
#include "resources/strings.h"
#include "resources/text_ids.h"
#include "tests/e2e/cli_run.h"
#include "tests/e2e/transfer_sim.h"

namespace tk48::test {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;
using namespace maint;

// Unit 1 in use with pattern 2 on Sunday, unit 2 not in use. Pattern 2 drives
// MD5 and DO4 directly and DO3 only through GDO1, which is not in use.
void PrepareDevice(const fs::path& state) {
  auto record = NewSettingData();
  ApplyDefaults(*record);
  auto& schedule = record->SCHEDULE;
  schedule.UNIT[0].MODE = 1;
  std::strcpy(schedule.UNIT[0].NAME, "Hall");
  schedule.UNIT[0].BASIC[0].PTN = 2;
  schedule.UNIT[1].MODE = 0;
  std::strcpy(schedule.PATTERN[1].PTN_NAME, "Pattern two");
  schedule.PATTERN[1].OUT[0].CH = {3, 5};  // MD5
  schedule.PATTERN[1].OUT[1].CH = {1, 4};  // DO4
  schedule.PATTERN[1].OUT[2].CH = {2, 1};  // GDO1
  record->IO.GDO[0].MODE = 0;
  record->IO.GDO[0].CH[0] = {1, 3};  // DO3
  record->IO.DO[2].TYPE = 1;
  record->IO.DO[3].TYPE = 1;
  record->IO.DO[3].CARD_CH = 2;
  const std::string text = ConfigurationText(*record);
  const auto packed = Compress({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
  std::ofstream(state / "CONFIG_P", std::ios::binary)
      .write(reinterpret_cast<const char*>(packed->data()), static_cast<std::streamsize>(packed->size()));
}

std::string Text(int id) { return std::string(LoadText(id)); }
QString Cell(ListView* view, int row, int column) { return view->model()->index(row, column).data().toString(); }

std::vector<std::uint8_t> StateBytes(const TransferSim& sim, const char* name) {
  const std::string s = ReadAll((sim.StateDir() / name).string());
  return {s.begin(), s.end()};
}

TEST_F(GuiTest, ScheduleMaintenanceOverUsb) {
  TransferSim sim({}, PrepareDevice);
  ASSERT_TRUE(sim.ready()) << sim.output();
  ConnectionSettings settings;
  LoginState login;
  auto record = NewSettingData();
  MaintEnv env{ui, [&] {
                 DeviceContext ctx{settings, login, ui, [&sim](int) { return std::optional(sim.PtyPath()); }};
                 ctx.serialTiming = {1000ms, 3000ms, 100ms, 50ms, 3};
                 ctx.transferTiming = {10ms, 10ms};
                 return ctx;
               },
               *record};
  // The device clock on 2030-01-06 (a Sunday), unit 1's first permanent entry on 2030-01-09.
  ASSERT_TRUE(PutFile(env, File::Time, TimePayload({2030, 1, 6, 8, 0, 0})));
  ASSERT_TRUE(PutFile(env, File::Schper, Payload(PermanentPut{{2030, 1, 9}, 1, 1, 1})));

  WhenModal<CDlgMenSchUnitList>([&](CDlgMenSchUnitList& units) {
    ASSERT_EQ(units.list()->model()->rowCount(), 1);  // unit 2 is not in use
    EXPECT_EQ(Cell(units.list(), 0, 0), "SU1");
    EXPECT_EQ(Cell(units.list(), 0, 1), "Hall");
    WhenModal<CDlgMenPatternList>([&](CDlgMenPatternList& days) {
      EXPECT_EQ(Cell(days.list(), 0, 0), "1/6 (Sunday)");
      WhenModal<CDlgMenPatternConf>([&](CDlgMenPatternConf& conf) {
        conf.pattern->setCurrentIndex(2);
        Click(ButtonNamed(conf, Tx(text::kOk)));
      });
      days.list()->Edit(1);
      EXPECT_EQ(Cell(days.list(), 1, 1), "2");
      // 1/9 is a permanent date: no change screen.
      const auto shown = ui.messages.size();
      days.list()->Edit(3);
      ASSERT_EQ(ui.messages.size(), shown + 1);
      EXPECT_EQ(ui.Last(), Text(text::kAssignedToPermanent));
      days.reject();
    });
    units.list()->Edit(0);
    // A second read shows the day's new pattern.
    WhenModal<CDlgMenPatternList>([&](CDlgMenPatternList& days) {
      EXPECT_EQ(Cell(days.list(), 1, 0), "1/7 (Monday)");
      EXPECT_EQ(Cell(days.list(), 1, 1), "2");
      EXPECT_EQ(Cell(days.list(), 1, 2), "Pattern two");
      days.reject();
    });
    units.list()->Edit(0);
    units.reject();
  });
  RunOneTimeAssignment(nullptr, env);
  const auto oneTime = ParseOneTime(StateBytes(sim, "PATTERN_P"));
  ASSERT_TRUE(oneTime);
  EXPECT_EQ(oneTime->units[0][1].pattern, 2);

  WhenModal<CDlgMenSchUnitList>([&](CDlgMenSchUnitList& units) {
    WhenModal<CDlgMenSchPerList>([&](CDlgMenSchPerList& entries) {
      EXPECT_EQ(Cell(entries.list(), 0, 1), "2030/1/9 (Wednesday)");
      WhenModal<CDlgMenSchPerConf>([&](CDlgMenSchPerConf& conf) {
        const auto set = [&](int y, int m, int d) {
          conf.year->setCurrentIndex(y - kFirstYear);
          conf.month->setCurrentIndex(m - 1);
          conf.day->setCurrentIndex(d - 1);
          Click(ButtonNamed(conf, Tx(text::kOk)));
        };
        set(2021, 2, 29);
        EXPECT_EQ(ui.Last(), Text(text::kInvalidDate));
        set(2030, 1, 9);
        EXPECT_EQ(ui.Last(), Text(text::kDuplicateDate));
        conf.pattern->setCurrentIndex(2);
        set(2030, 2, 1);
        EXPECT_EQ(ui.Last(), Text(text::kConfirmSetPattern));
      });
      entries.list()->Edit(1);
      EXPECT_EQ(Cell(entries.list(), 1, 1), "2030/2/1 (Friday)");
      entries.reject();
    });
    units.list()->Edit(0);
    units.reject();
  });
  RunPermanentAssignment(nullptr, env);
  const auto permanent = ParsePermanent(StateBytes(sim, "SCHPER_P"));
  ASSERT_TRUE(permanent);
  EXPECT_EQ(permanent->units[0][1], (ScheduleDay{2030, 2, 1, 5, 2}));

  WhenModal<CDlgMenSchMainte>([&](CDlgMenSchMainte& screen) {
    ASSERT_EQ(screen.md->model()->rowCount(), 1);
    ASSERT_EQ(screen.dout->model()->rowCount(), 1);  // DO4; DO3 only behind a GDO not in use
    EXPECT_EQ(Cell(screen.dout, 0, 0), "DO4");
    WhenModal<CDlgMenSchMainteConf>([&](CDlgMenSchMainteConf& conf) {
      conf.type->setCurrentIndex(kOutputOn);
      Click(ButtonNamed(conf, Tx(text::kOk)));
    });
    screen.md->Edit(0);
    EXPECT_EQ(Cell(screen.md, 0, 2), "ON");
    screen.reject();
  });
  RunOutputTypes(nullptr, env);
  const auto types = ParseOutputTypes(StateBytes(sim, "SCHMNT_P"));
  ASSERT_TRUE(types);
  EXPECT_EQ(types->Type(kFamilyMd, 5), kOutputOn);
}

// The tabs of "Schedule output type maintenance" without a device: "MD"
// lists the MDs and "DO" the DOs that a unit in use drives, directly or
// through a GDO in use, each once and in channel order, with the name, the
// comment and the type the file holds.
TEST_F(GuiTest, OutputTypeTabsListTheDrivenOutputsInChannelOrder) {
  auto record = NewSettingData();
  ApplyDefaults(*record);
  auto& schedule = record->SCHEDULE;
  schedule.UNIT[0].MODE = 1;
  schedule.UNIT[0].BASIC[3].PTN = 4;
  schedule.UNIT[1].MODE = 0;
  schedule.UNIT[1].BASIC[0].PTN = 5;  // a unit not in use drives nothing
  schedule.PATTERN[3].OUT[0].CH = {3, 9};  // MD9
  schedule.PATTERN[3].OUT[1].CH = {1, 7};  // DO7
  schedule.PATTERN[3].OUT[2].CH = {2, 2};  // GDO2: DO3 and MD9 again, MD2
  schedule.PATTERN[4].OUT[0].CH = {3, 100};
  IoSection& io = record->IO;
  io.GDO[1].MODE = 1;
  io.GDO[1].CH[0] = {1, 3};
  io.GDO[1].CH[1] = {2, 9};
  io.GDO[1].CH[2] = {2, 2};
  io.DO[2].TYPE = 1;
  io.DO[6].TYPE = 1;
  const auto name = [](auto& ch, const char* name, const char* comment) {
    std::strcpy(ch.NAME, name);
    std::strcpy(ch.COMMENT, comment);
  };
  name(io.DO[2], "valve", "");
  name(io.DO[6], "pump", "hall 2");
  name(io.MD[1], "night", "shift");
  name(io.MD[8], "", "spare");
  OutputTypesFile types;
  types.SetType(kFamilyMd, 9, kOutputOff);
  types.SetType(kFamilyDo, 7, kOutputOn);
  ConnectionSettings settings;
  LoginState login;
  MaintEnv env{ui, [&] { return DeviceContext{settings, login, ui, {}}; }, *record};
  CDlgMenSchMainte screen(nullptr, env, *record, types);

  ASSERT_EQ(screen.tabs->count(), 2);
  EXPECT_EQ(screen.tabs->tabText(0), "MD");
  EXPECT_EQ(screen.tabs->tabText(1), "DO");
  auto* md = qobject_cast<CDlgMenSchMainteMd*>(screen.tabs->widget(0));
  auto* dout = qobject_cast<CDlgMenSchMainteDo*>(screen.tabs->widget(1));
  ASSERT_TRUE(md && dout);
  const struct {
    ListView* tab;
    std::vector<std::vector<QString>> rows;  // name, comment, type
  } tabs[] = {
      {md, {{"night", "shift", "SCH"}, {"", "spare", "OFF"}}},
      {dout, {{"valve", "", "SCH"}, {"pump", "hall 2", "ON"}}},
  };
  for (const auto& t : tabs) {
    SCOPED_TRACE(t.tab->metaObject()->className());
    ASSERT_EQ(t.tab->model()->rowCount(), static_cast<int>(t.rows.size()));
    for (int r = 0; r < static_cast<int>(t.rows.size()); ++r)
      for (int c = 0; c < 3; ++c) EXPECT_EQ(Cell(t.tab, r, c), t.rows[r][c]) << "row " << r << " column " << c;
  }
}

}  // namespace
}  // namespace tk48::test

namespace tk48::test {
namespace {

bool InsideList(const QWidget* w) {
  for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
    if (qobject_cast<const QComboBox*>(p)) return true;
  return false;
}

// Every input widget of every maintenance screen is named for screen readers.
TEST_F(GuiTest, MaintenanceScreensNameEveryField) {
  auto record = NewSettingData();
  ApplyDefaults(*record);
  ConnectionSettings settings;
  LoginState login;
  MaintEnv env{ui, [&] { return DeviceContext{settings, login, ui, {}}; }, *record};
  ScheduleDay day{2030, 1, 6, 0, 0};
  PermanentUnit entries{};
  OutputTypesFile types;
  std::vector<std::unique_ptr<QDialog>> screens;
  screens.push_back(std::make_unique<CDlgMenMain>(nullptr, env));
  screens.push_back(std::make_unique<CDlgMenTime>(nullptr, env));
  screens.push_back(std::make_unique<CDlgMenMac>(nullptr, env, "00-00-00-00-00-00"));
  screens.push_back(std::make_unique<CDlgMenVer>(nullptr, env, "TK48-G Ver. 2.0.0"));
  screens.push_back(std::make_unique<CDlgMenSysLog>(nullptr, env, "log"));
  screens.push_back(std::make_unique<CDlgMenSdUse>(nullptr, env, "1.00KB (1024byte)"));
  screens.push_back(std::make_unique<CDlgMenInit>(nullptr, env));
  screens.push_back(std::make_unique<CDlgMenOpe>(nullptr, env));
  screens.push_back(std::make_unique<CDlgMenLogging>(nullptr, env));
  screens.push_back(std::make_unique<CDlgMenTrend>(nullptr, env));
  screens.push_back(std::make_unique<CDlgMenMailTest>(nullptr, env));
  screens.push_back(std::make_unique<CDlgMenPriSum>(nullptr, env));
  screens.push_back(std::make_unique<CDlgMenUserJpg>(nullptr, env));
  screens.push_back(std::make_unique<CDlgMenUserView>(nullptr, env));
  screens.push_back(std::make_unique<CDlgMenPatternConf>(nullptr, env, 1, day));
  screens.push_back(std::make_unique<CDlgMenSchPerConf>(nullptr, env, 1, 1, entries));
  screens.push_back(std::make_unique<CDlgMenSchMainte>(nullptr, env, *record, types));
  screens.push_back(std::make_unique<CDlgMenSchMainteConf>(nullptr, env, kFamilyMd, 1, types));
  for (const auto& screen : screens) {
    for (const QWidget* w : screen->findChildren<QWidget*>()) {
      const bool input = qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
                         qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QAbstractItemView*>(w);
      if (!input || InsideList(w) || qobject_cast<const QHeaderView*>(w)) continue;
      EXPECT_FALSE(w->accessibleName().isEmpty())
          << screen->metaObject()->className() << ": a " << w->metaObject()->className() << " without a name";
    }
  }
}

}  // namespace
}  // namespace tk48::test
