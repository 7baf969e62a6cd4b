#include "link/transfer_backup.h"

#include <cerrno>
#include <mutex>
#include <set>
#include <system_error>

#include "model/gzlib.h"
#include "port/ui_port.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

// A folder open to others is named once per folder in a run of the program:
// every backup after the first would only repeat it.
bool FirstWarningFor(const std::string& folder) {
  static std::mutex mutex;
  static std::set<std::string> warned;
  const std::lock_guard lock(mutex);
  return warned.insert(folder).second;
}

}  // namespace

TransferBackup BackupInto(BackupStore store, BackupOrigin origin, UiPort& ui) {
  return [store = std::move(store), origin = std::move(origin), &ui](BackupKind kind,
                                                                     std::span<const std::uint8_t> file) {
    std::string error;
    CGzlib zip;
    if (!zip.Decompress(file)) {
      error = std::generic_category().message(EILSEQ);
    } else {
      const auto text = zip.Decompressed();
      if (store.Keep(kind, origin, {reinterpret_cast<const char*>(text.data()), text.size()}, &error)) {
        if (store.OpenToOthers() && FirstWarningFor(store.folder()))
          ui.Message(FormatText(text::kBackupFolderOpen, store.folder().c_str()), Icon::Warning);
        return;
      }
    }
    ui.Message(FormatText(text::kBackupNotWritten, store.folder().c_str(), error.c_str()), Icon::Warning);
  };
}

}  // namespace tk48
