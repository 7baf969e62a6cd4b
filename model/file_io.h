#pragma once
// Whole-file reads and safe whole-file writes.
#include <optional>
#include <string>
#include <string_view>

namespace tk48 {

// The file's bytes; nullopt when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Writes to a temporary file beside `path`, flushes it to disk and renames it
// over `path` only then: a failed write never destroys the file that was there.
// A symbolic link is followed (the file it names is replaced, not the link), and
// a file that was there keeps its permissions. Where a rename cannot serve (a
// folder that takes no new file, a file with several hard links or another
// owner) the file is written over in place, flushed and synced: its links and
// owner stay.
// Who may read a file written fresh: as the user's umask says, or the owner
// alone (0600, whatever the umask: a file that holds passwords).
enum class FileAccess { Umask, OwnerOnly };
bool WriteFileAtomically(const std::string& path, std::string_view bytes, FileAccess access = FileAccess::Umask);

}  // namespace tk48
