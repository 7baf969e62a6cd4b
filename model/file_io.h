#pragma once
// Whole-file reads and safe whole-file writes.
#include <optional>
#include <span>
#include <string>

namespace tk48 {

// The file's bytes; nullopt when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Writes to a temporary file beside `path`, flushes it to disk and renames it
// over `path` only then: a failed write never destroys the file that was there.
bool WriteFileAtomically(const std::string& path, std::span<const char> bytes);

}  // namespace tk48
