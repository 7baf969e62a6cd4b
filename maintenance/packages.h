#pragma once
// The file packages the device serves as user pages and user images: a
// directory of 64-byte entries and a data file of the files' bytes, each
// wrapped with a 16-byte checksummed header before it is compressed and put.
// Everything is built in memory; nothing is written next to the files.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "maintenance/date_time.h"

namespace tk48 {
class UiPort;
}

namespace tk48::maint {

inline constexpr std::uint32_t kPackageMagic = 0x5A5A5A5A;
inline constexpr std::size_t kPackageHeaderSize = 16;
inline constexpr std::size_t kDirEntrySize = 64;
inline constexpr std::size_t kEntryNameSize = 32;     // "/" + name + NUL: at most 31 bytes of name
inline constexpr std::size_t kMaxViewFiles = 1024;
inline constexpr std::size_t kMaxViewNameChars = 24;
inline constexpr std::uint64_t kMaxViewFileSize = 1048576;
inline constexpr std::uint64_t kMaxViewData = 4063232;     // data file plus its header
inline constexpr std::uint64_t kMaxViewDirectory = 131072;  // wrapped directory file
inline constexpr std::uint64_t kImageDataLimit = 1966081;   // wrapped image data must stay below
inline constexpr int kImageSlots = 3;

struct DirEntry {
  std::string name;  // with the leading "/"
  DateTime time;     // the file's last-write time, UTC
  std::uint32_t offset = 0;
  std::uint32_t length = 0;
};

// The 64-byte entry; the name must fit in 31 bytes (callers check).
std::array<std::uint8_t, kDirEntrySize> EncodeEntry(const DirEntry& entry);

// The browser view wrapping: the length field holds the length rounded up to 4,
// the contents are padded with zeros to it, and every padded word is summed.
std::vector<std::uint8_t> WrapPadded(std::span<const std::uint8_t> contents);
// The image wrapping: the length field holds the length itself, nothing is
// padded, and only whole words are summed (trailing bytes are not).
std::vector<std::uint8_t> WrapUnpadded(std::span<const std::uint8_t> contents);
// Either wrapping, taken apart: the contents (the padded length for the padded
// form) when the magic, the zero word, the length (within `wrapped`) and the
// checksum hold; nullopt otherwise.
std::optional<std::span<const std::uint8_t>> Unwrap(std::span<const std::uint8_t> wrapped, bool padded);

// A package name as the device serves it: "/" and one plain component (not "."
// or "..", no "/", "\" or control byte), at most 31 bytes with the "/".
bool IsPackageName(std::string_view name);

// A directory taken apart (the device side): entries up to a zero entry or the
// end; nullopt when the directory is not whole entries, an entry's name is not a package name, two entries share
// a name, or an entry's bytes lie outside `dataLength`.
std::optional<std::vector<DirEntry>> DecodeDirectory(std::span<const std::uint8_t> directory,
                                                     std::size_t dataLength);

// ---- Packages ------------------------------------------------------------------
// Both files wrapped (not yet compressed), as they are put.
struct Packages {
  std::vector<std::uint8_t> directory;
  std::vector<std::uint8_t> data;
};
// Both files wrapped and compressed.
struct CompressedPackages {
  std::vector<std::uint8_t> directory;
  std::vector<std::uint8_t> data;
};

// User browser view: the folder's files in name byte order. Sizes and names
// are checked before any file is read, so an over-capacity folder stops at
// once. Every refusal shows its message (error icon) and returns nullopt.
std::optional<Packages> BuildViewPackages(const std::string& folder, UiPort& ui);
// Wraps then compresses, with "Failed to compress user defined browser view file.".
std::optional<CompressedPackages> CompressViewPackages(const Packages& packages, UiPort& ui);

// The package files on the computer (the command line's "view-pack"): both
// wrapped, not compressed, each written through a temporary file renamed when
// complete; "Failed to open user defined browser view file." when one fails.
inline constexpr std::string_view kViewDirectoryFile = "user_romfile.dir";
inline constexpr std::string_view kViewDataFile = "user_romfile.dat";
bool SaveViewPackages(const Packages& packages, const std::string& dir, UiPort& ui);

// User images: the chosen slots ("" = empty) in slot order, each "/fig%d.jpg".
// Shows "Select image file.", "Cannot open image %d.\n%s", "Failure to open
// image file %d", "Failure to create data." or "Image data size is over
// capacity." and returns nullopt.
std::optional<Packages> BuildImagePackages(const std::array<std::string, kImageSlots>& paths, UiPort& ui);
std::optional<CompressedPackages> CompressImagePackages(const Packages& packages, UiPort& ui);

// The device side: unwraps both files and lists the files with their bytes.
struct PackagedFile {
  DirEntry entry;
  std::span<const std::uint8_t> bytes;  // into the unwrapped data
};
std::optional<std::vector<PackagedFile>> ListPackage(std::span<const std::uint8_t> wrappedDirectory,
                                                     std::span<const std::uint8_t> wrappedData, bool padded);
// Writes every listed file into `dir` under its name without the "/", each
// through a temporary file; false at the first that fails.
bool WritePackagedFiles(std::span<const PackagedFile> files, const std::string& dir);

}  // namespace tk48::maint
