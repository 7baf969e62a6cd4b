// The GUI tests run on the offscreen platform with a private preferences store:
// they never touch the user's settings.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QStandardPaths::setTestModeEnabled(true);
  QTemporaryDir store;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, store.path());
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, store.path());
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
