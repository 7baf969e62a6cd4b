// The GUI tests run on the offscreen platform with a private preferences store:
// they never touch the user's settings.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>

namespace {
QtMessageHandler previous = nullptr;
// The offscreen platform's note that it cannot pass size hints on is noise here.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.contains(QStringLiteral("propagateSizeHints"))) return;
  if (previous) previous(type, context, message);
  else std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}
}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QStandardPaths::setTestModeEnabled(true);
  QTemporaryDir store;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, store.path());
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, store.path());
  // Nor its data: the backups of the transfers go below this home.
  qputenv("HOME", QFile::encodeName(store.path()));
  previous = qInstallMessageHandler(QuietHandler);
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
