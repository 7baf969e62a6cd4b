#pragma once
// Where the desktop application keeps its backups: the folder of "BACKUP_DIR"
// (by default "backups" in the user's application data folder) under the cap of
// "BACKUP_CAP_MB", each named by the connection it crossed; none at all with
// "BACKUP_ENABLE" 0.
#include <string>

#include "link/connection.h"
#include "link/transfers.h"
#include "model/backup_store.h"

namespace tk48 {

class Preferences;
class UiPort;

// "backups" in the application data folder of "VELTRA"/"TK48GCFG".
std::string DefaultBackupFolder();
BackupStore OpenBackupStore(const Preferences& prefs);
// USB: "COM%d"; network: the address of the selected address-book entry (its
// name when there is none).
BackupOrigin BackupOriginOf(const ConnectionSettings& connection);
// The hook that keeps every download and upload over `connection`; none when
// "BACKUP_ENABLE" is 0.
TransferBackup ApplicationBackups(const Preferences& prefs, const ConnectionSettings& connection, UiPort& ui);

}  // namespace tk48
