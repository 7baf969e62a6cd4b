#include "app/screen_table.h"

#include <string_view>

#include "app/CDlgCsvFileSelect.h"
#include "app/CTK48CFGApp.h"
#include "editors/network/direct_network.h"
#include "editors/screen_registry.h"
#include "maintenance/screens/maint_screens.h"

namespace tk48 {
namespace {

bool OpenSaveCsv(const ScreenContext& c) { return RunCsvExport(c.parent, c.record, c.app); }
bool OpenReadCsv(const ScreenContext& c) { return RunCsvImport(c.parent, c.record, c.app); }
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

// The screen behind each button: a setting screen of the editors' registry
// by its id, or an opener of the application's own.
struct ScreenRow {
  Screen screen;
  std::string_view registered;
  bool (*open)(const ScreenContext&) = nullptr;
};

constexpr ScreenRow kRows[] = {
    {Screen::System, "CDlgSetSystem"},
    {Screen::InputOutput, "CDlgSetIo"},
    {Screen::Communication, "CDlgSetCom"},
    {Screen::Email, "CDlgSetRep"},
    {Screen::GraphDisplay, "CDlgSetDisp"},
    {Screen::Record, "CDlgSetRecord"},
    {Screen::Scheduler, "CDlgSetSchMenu"},
    {Screen::ProcessMonitor, "CDlgSetOpemon"},
    {Screen::WebAuth, "CDlgSetComWebAuth"},
    {Screen::FtpServer, "CDlgSetComFtps"},
    {Screen::SaveCsv, {}, &OpenSaveCsv},
    {Screen::ReadCsv, {}, &OpenReadCsv},
    {Screen::Maintenance, {}, &OpenMaintenance},
    {Screen::NetworkSettings, {}, &OpenNetworkSettings},
    {Screen::RemoteConfig, {}, &OpenRemoteConfig},
};

}  // namespace

ScreenOpener RegisteredScreen(Screen screen) {
  for (const ScreenRow& row : kRows) {
    if (row.screen != screen) continue;
    if (row.registered.empty()) return row.open;
    if (!FindScreen(row.registered)) return {};
    return [id = row.registered](const ScreenContext& c) {
      return OpenScreen(id, {.parent = c.parent, .record = c.record, .ui = c.app.ui});
    };
  }
  return {};
}

}  // namespace tk48
