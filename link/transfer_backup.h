#pragma once
// The backup hook of a device operation, shared by the desktop application
// and the command line: "CONFIG_P" as it crossed the link, decompressed, kept
// in a backup store.
#include "link/transfers.h"
#include "model/backup_store.h"

namespace tk48 {

class UiPort;

// A backup that cannot be written shows one warning through `ui`; the
// transfer's outcome stays what it was.
TransferBackup BackupInto(BackupStore store, BackupOrigin origin, UiPort& ui);

}  // namespace tk48
