#pragma once
// Whole-file reads and safe whole-file writes.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tk48 {

// Bounded reads. A path that is no regular file (a FIFO, a device, a folder)
// or a file larger than the bound is refused before a byte is read: a FIFO
// would block the read until a writer came, a device such as /dev/zero would
// never end, and a file larger than anything the program writes is no file of
// ours. A symbolic link is followed: a link to a regular file reads.
enum class ReadRefusal { None, CannotOpen, NotARegularFile, TooLarge };

struct FileRead {
  std::optional<std::string> bytes;  // nullopt when refused
  ReadRefusal refusal = ReadRefusal::None;
  std::size_t limit = 0;  // the bound it was read within
};

// At most `limit` bytes; a file that grows past it while it is read is refused too.
FileRead ReadFileWithin(const std::string& path, std::size_t limit);

// A configuration file: at most the text buffer's size (kTextBufferSize), the
// largest configuration text the program writes or uploads.
FileRead ReadConfigurationFile(const std::string& path);

// What the user is told about a refused read: "Failed to open file." when it
// could not be opened, else the refusal naming `path` (and the bound).
std::string RefusalText(const FileRead& read, const std::string& path);

// The bytes of ReadConfigurationFile; nullopt for any refusal.
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
