#pragma once
// The screens other parts of the program supply to the main window and the
// configuration hub. A button whose screen is not registered here is disabled,
// so nothing pretends to work before its screen exists. To add a screen, put a
// row into the table in app/screen_table.cpp; the dialogs need no change.
#include <QWidget>
#include <cstdint>
#include <functional>

#include "model/setting_data.h"

namespace tk48 {

class CTK48CFGApp;

enum class Screen : std::uint8_t {
  // the hub's section buttons
  System,          // CDlgSetSystem
  InputOutput,     // CDlgSetIo
  Communication,   // CDlgSetCom
  Email,           // CDlgSetRep
  GraphDisplay,    // CDlgSetDisp
  Record,          // CDlgSetRecord
  Scheduler,       // CDlgSetSchMenu
  ProcessMonitor,  // CDlgSetOpemon
  // the hub's other screens
  SaveCsv,  // CDlgCsvFileSelect, export
  WebAuth,  // CDlgSetComWebAuth ("ID, Password": "Web server")
  FtpServer,  // CDlgSetComFtps ("ID, Password": "FTP server")
  // the main window's screens
  ReadCsv,          // CDlgCsvFileSelect, import; true when the hub should open
  Maintenance,      // the maintenance menu, after the connection check
  NetworkSettings,  // "Network", on the downloaded record
  RemoteConfig,     // "TK48GCFG via network", on the downloaded record
};

// What an opened screen works on: the working record, edited in place.
struct ScreenContext {
  QWidget* parent;
  SettingData& record;
  CTK48CFGApp& app;
};

// Runs the screen modally; true when it ended with OK (or, for an import, success).
using ScreenOpener = std::function<bool(const ScreenContext&)>;
// The opener of a screen; empty when that screen is not there yet.
using ScreenLookup = std::function<ScreenOpener(Screen)>;

// The table in app/screen_table.cpp.
ScreenOpener RegisteredScreen(Screen screen);

}  // namespace tk48
