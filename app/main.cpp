// tk48gcfg: the TK48-G configurator.
#include <QApplication>

#include <clocale>

#include "app/CTK48CFGApp.h"
#include "app/qt_ui.h"

int main(int argc, char** argv) {
  // The widget toolkit with every control class. Sockets need no start-up on
  // this platform, nor does the serial port discovery.
  QApplication application(argc, argv);
  // The toolkit takes the user's locale; numbers in files and messages keep the
  // C form ("1.000", never "1,000").
  std::setlocale(LC_NUMERIC, "C");
  tk48::QtUi ui;
  tk48::Preferences prefs;  // "VELTRA" / "TK48GCFG"
  tk48::CTK48CFGApp app(prefs, ui);
  app.ReadPreferences();
  return app.Run();
}
