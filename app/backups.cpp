#include "app/backups.h"

#include <QStandardPaths>

#include "app/preferences.h"
#include "app/qt_text.h"
#include "link/transfer_backup.h"

namespace tk48 {

// The folder Qt names the application data location under this program's
// organisation and application (the names its preferences live under), which
// the program does not set as the toolkit's own.
std::string DefaultBackupFolder() {
  const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  return StdUtf8(data) + "/" + std::string(pref::kOrganisation) + "/" + std::string(pref::kApplication) +
         "/backups";
}

BackupStore OpenBackupStore(const Preferences& prefs) {
  std::string folder = prefs.ReadText(pref::kMain, pref::kBackupDir);
  if (folder.empty()) folder = DefaultBackupFolder();
  int capMb = prefs.ReadInt(pref::kMain, pref::kBackupCapMb, kDefaultBackupCapMb);
  if (capMb <= 0) capMb = kDefaultBackupCapMb;
  return BackupStore(std::move(folder), static_cast<std::uintmax_t>(capMb) * kBytesPerMb);
}

BackupOrigin BackupOriginOf(const ConnectionSettings& connection) {
  if (connection.usb) return {BackupTransport::Usb, "COM" + std::to_string(connection.comPort)};
  const AddressEntry* entry = FindAddressEntry(connection.addressBook, connection.entryName);
  return {BackupTransport::Network, entry ? entry->address : connection.entryName};
}

TransferBackup ApplicationBackups(const Preferences& prefs, const ConnectionSettings& connection, UiPort& ui) {
  if (prefs.ReadInt(pref::kMain, pref::kBackupEnable, pref::kDefaultBackupEnable) == 0) return {};
  return BackupInto(OpenBackupStore(prefs), BackupOriginOf(connection), ui);
}

}  // namespace tk48
