#include "app/screen_table.h"

#include <vector>

#include "app/CDlgCsvFileSelect.h"
#include "app/CTK48CFGApp.h"
#include "editors/com/CDlgSetCom.h"
#include "editors/com/CDlgSetComFtps.h"
#include "editors/com/CDlgSetComWebAuth.h"
#include "editors/display/CDlgSetDisp.h"
#include "editors/io/CDlgSetIo.h"
#include "editors/mail/CDlgSetRep.h"
#include "editors/network/direct_network.h"
#include "editors/opemon/CDlgSetOpemon.h"
#include "editors/record/CDlgSetRecord.h"
#include "editors/schedule/CDlgSetSchMenu.h"
#include "editors/system/CDlgSetSystem.h"
#include "maintenance/screens/maint_screens.h"

namespace tk48 {
namespace {

bool OpenSetSystem(const ScreenContext& c) { return RunSetSystem(c.parent, c.record, c.app.ui); }
bool OpenSetIo(const ScreenContext& c) { return RunSetIo(c.parent, c.record, c.app.ui); }
bool OpenSaveCsv(const ScreenContext& c) { return RunCsvExport(c.parent, c.record, c.app); }
bool OpenReadCsv(const ScreenContext& c) { return RunCsvImport(c.parent, c.record, c.app); }
bool OpenSetCom(const ScreenContext& c) { return RunSetCom(c.parent, c.record, c.app.ui); }
bool OpenSetComWebAuth(const ScreenContext& c) { return RunSetComWebAuth(c.parent, c.record, c.app.ui); }
bool OpenSetComFtps(const ScreenContext& c) { return RunSetComFtps(c.parent, c.record, c.app.ui); }
bool OpenSetRecord(const ScreenContext& c) { return RunSetRecord(c.parent, c.record, c.app.ui); }
bool OpenSetRep(const ScreenContext& c) { return RunSetRep(c.parent, c.record, c.app.ui); }
bool OpenSetSchMenu(const ScreenContext& c) { return RunSetSchMenu(c.parent, c.record, c.app.ui); }
bool OpenSetDisp(const ScreenContext& c) { return RunSetDisp(c.parent, c.record, c.app.ui); }
bool OpenSetOpemon(const ScreenContext& c) { return RunSetOpemon(c.parent, c.record, c.app.ui); }
bool OpenRemoteConfig(const ScreenContext& c) {
  DeviceContext ctx = c.app.DeviceCtx();
  return RunRemoteConfigSettings(c.parent, c.record, ctx);
}
bool OpenNetworkSettings(const ScreenContext& c) {
  DeviceContext ctx = c.app.DeviceCtx();
  return RunNetworkSettings(c.parent, c.record, ctx);
}

// The maintenance menu; remembered paths in the "TK48GCFG" section.
bool OpenMaintenance(const ScreenContext& c) {
  CTK48CFGApp& app = c.app;
  maint::MaintEnv env{app.ui, [&app] { return app.DeviceCtx(); }, *app.maintenanceRecord, app.device.download,
                      [&app](std::string_view key) { return app.prefs.ReadText(pref::kMain, key); },
                      [&app](std::string_view key, const std::string& path) { app.prefs.WriteText(pref::kMain, key, path); }};
  return maint::RunMenMain(c.parent, env);
}

struct ScreenRow {
  Screen screen;
  bool (*open)(const ScreenContext&);
};

// One row per screen that exists, for example
//   {Screen::System, &OpenSetSystem},  // editors/CDlgSetSystem.h
// with the opener's header included above and its library linked to tk48app
// (app/CMakeLists.txt).
const std::vector<ScreenRow>& Rows() {
  static const std::vector<ScreenRow> rows = {
      {Screen::System, &OpenSetSystem},
      {Screen::InputOutput, &OpenSetIo},
      {Screen::SaveCsv, &OpenSaveCsv},
      {Screen::ReadCsv, &OpenReadCsv},
      {Screen::Communication, &OpenSetCom},
      {Screen::WebAuth, &OpenSetComWebAuth},
      {Screen::FtpServer, &OpenSetComFtps},
      {Screen::Record, &OpenSetRecord},
      {Screen::Scheduler, &OpenSetSchMenu},
      {Screen::GraphDisplay, &OpenSetDisp},
      {Screen::ProcessMonitor, &OpenSetOpemon},
      {Screen::RemoteConfig, &OpenRemoteConfig},
      {Screen::NetworkSettings, &OpenNetworkSettings},
      {Screen::Maintenance, &OpenMaintenance},
      {Screen::Email, &OpenSetRep},
  };
  return rows;
}

}  // namespace

ScreenOpener RegisteredScreen(Screen screen) {
  for (const auto& row : Rows())
    if (row.screen == screen) return row.open;
  return {};
}

}  // namespace tk48
