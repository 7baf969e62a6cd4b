#pragma once
// CTK48CFGApp: the application object. It holds, for the whole run, the
// connection preferences, the two behaviour switches, the CSV folder and the
// login state, and the seams every screen reaches the rest of the program
// through: the UI port, the device operations and the screens of other parts.
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "app/preferences.h"
#include "app/screen_table.h"
#include "app/upload_baseline.h"
#include "app/upload_review.h"
#include "editors/network/direct_network.h"
#include "link/connection.h"
#include "link/net_session.h"
#include "link/transfers.h"
#include "model/setting_data.h"
#include "port/ui_port.h"

namespace tk48 {

// A fixed text standing for "no login ID yet". It is never sent: a network
// login always follows the login dialog, which replaces it.
inline constexpr std::string_view kLoginPlaceholder = "<not logged in>";

// The device sequences the screens run; tests replace them.
struct DeviceOps {
  std::function<bool(SettingData&, DeviceContext&)> download = DownloadSettings;
  // The download before the "TK48GCFG" and "Network" screens: refused when the
  // device's access and address blocks did not come with it.
  std::function<bool(SettingData&, DeviceContext&)> downloadAccess = DownloadForAccessScreens;
  std::function<bool(const SettingData&, DeviceContext&)> upload = UploadSettings;
  // The maintenance menu's connection check: status, and the login on a network.
  std::function<bool(DeviceContext&)> checkConnection = [](DeviceContext& ctx) {
    return ReadDeviceStatus(ctx).has_value();
  };
};

class CTK48CFGApp {
 public:
  CTK48CFGApp(Preferences& prefs, UiPort& ui) : prefs(prefs), ui(ui) {}

  // Start-up: the preferences into this object, then logged out with the placeholder.
  void ReadPreferences();
  // "COMTYPE", "COM", "NETPORT" and "NET" again (after the Connect dialog's OK).
  void ReadConnection();
  // Logged out, login ID and password back to the placeholder.
  void Logout();

  // Everything a device operation needs; the address book is read afresh.
  DeviceContext DeviceCtx();

  // Runs the main window modally; the program ends when it returns.
  int Run();

  Preferences& prefs;
  UiPort& ui;
  DeviceOps device;
  ScreenLookup screens = RegisteredScreen;

  ConnectionSettings connection;  // connection type, COM port, network port, entry name (+ address book)
  bool confirmAccessMode = true;
  bool tagMessage = true;
  std::string csvDir;
  LoginState login;
  // The maintenance menus download the setting data into this record, never
  // into the main window's.
  std::unique_ptr<SettingData> maintenanceRecord = NewSettingData();
  // What each device holds as far as this run knows: the upload's review compares against it.
  KnownConfigurations knownConfigurations;
  // The review before an upload (app/upload_review.h); tests replace it.
  std::function<bool(CTK48CFGApp&, const SettingData&, QWidget*)> reviewUpload = ReviewUpload;
};

}  // namespace tk48
