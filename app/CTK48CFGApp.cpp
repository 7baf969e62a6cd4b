#include "app/CTK48CFGApp.h"

#include "app/CTK48CFGDlg.h"
#include "app/backups.h"
#include "model/transfer_container.h"

namespace tk48 {

static_assert(pref::kDefaultCompressLevel == kDefaultUploadLevel, "one default level for every upload");

void CTK48CFGApp::ReadPreferences() {
  ReadConnection();
  tagMessage = prefs.ReadInt(pref::kMain, pref::kTagMessage, pref::kDefaultTagMessage) == 1;
  confirmAccessMode = prefs.ReadInt(pref::kMain, pref::kConnectConfirm, pref::kDefaultConnectConfirm) != 0;
  csvDir = prefs.ReadText(pref::kMain, pref::kCsvDirPath);
  Logout();
}

void CTK48CFGApp::ReadConnection() {
  connection.usb = prefs.ReadInt(pref::kMain, pref::kComType, pref::kDefaultComType) != 0;
  connection.comPort = prefs.ReadInt(pref::kMain, pref::kCom, pref::kDefaultCom);
  connection.netPort = prefs.ReadInt(pref::kMain, pref::kNetPort, kDefaultNetPort);
  connection.entryName = prefs.ReadText(pref::kMain, pref::kNet);
}

void CTK48CFGApp::Logout() {
  login.loggedIn = false;
  login.login = kLoginPlaceholder;
  login.password = kLoginPlaceholder;
}

DeviceContext CTK48CFGApp::DeviceCtx() {
  connection.addressBook = prefs.ReadAddressBook();
  const PreferenceLookup lookup = Preferences::ComLookup();
  DeviceContext ctx{connection, login, ui, [lookup](int com) { return ComPortPath(com, lookup); }, tagMessage};
  // How long a device may stay "processing" after a USB put; a value that is
  // no positive number of seconds keeps the default.
  const int pollLimit = prefs.ReadInt(pref::kMain, pref::kResultPollLimit, 0);
  if (pollLimit > 0) ctx.transferTiming.pollLimit = std::chrono::seconds(pollLimit);
  // Every configuration downloaded or uploaded is kept as a backup, unless BACKUP_ENABLE is 0.
  ctx.keepBackup = ApplicationBackups(prefs, connection, ui);
  // A COMPRESS_LEVEL that zlib does not take (1 to 9) keeps the default.
  const int level = prefs.ReadInt(pref::kMain, pref::kCompressLevel, pref::kDefaultCompressLevel);
  ctx.compressLevel = UploadLevel(level).value_or(kDefaultUploadLevel);
  return ctx;
}

int CTK48CFGApp::Run() {
  CTK48CFGDlg window(*this);
  window.exec();
  return 0;
}

}  // namespace tk48
