#pragma once
// The backup hook of a device operation, shared by the desktop application
// and the command line: "CONFIG_P" as it crossed the link, decompressed, kept
// in a backup store.
#include "link/transfers.h"
#include "model/backup_store.h"

namespace tk48 {

class UiPort;

// A backup that cannot be written shows one warning through `ui`; the
// transfer's outcome stays what it was. A folder that others may read or
// write is named once per folder in a run, and its rights are left alone.
TransferBackup BackupInto(BackupStore store, BackupOrigin origin, UiPort& ui);

}  // namespace tk48
