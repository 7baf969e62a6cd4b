// tk48gcfg: the TK48-G configurator.
#include <QApplication>

#include "app/CTK48CFGApp.h"
#include "app/qt_ui.h"

int main(int argc, char** argv) {
  // The widget toolkit with every control class. Sockets need no start-up on
  // this platform, nor does the serial port discovery.
  QApplication application(argc, argv);
  tk48::QtUi ui;
  tk48::Preferences prefs;  // "VELTRA" / "TK48GCFG"
  tk48::CTK48CFGApp app(prefs, ui);
  app.ReadPreferences();
  return app.Run();
}
