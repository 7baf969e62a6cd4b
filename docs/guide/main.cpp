// tk48guide DIR: writes the user guide with pictures into DIR (a build step).
#include <QApplication>
#include <cstdio>

namespace {
QtMessageHandler qtDefault = nullptr;

// The offscreen platform says this of every window it lays out; it means nothing here.
void Quieter(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message != QLatin1String("This plugin does not support propagateSizeHints()")) qtDefault(type, context, message);
}
}  // namespace

#include "docs/guide/guide.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: tk48guide DIR\n", stderr);
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qtDefault = qInstallMessageHandler(Quieter);
  QApplication application(argc, argv);
  return tk48::WriteUserGuide(argv[1]) ? 0 : 1;
}
