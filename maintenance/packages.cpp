#include "maintenance/packages.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <set>

#include "maintenance/device_files.h"
#include "maintenance/refusal.h"
#include "maintenance/utf8.h"
#include "model/file_io.h"
#include "model/gzlib.h"
#include "port/ui_port.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48::maint {

// ---- Entries and wrapping ----------------------------------------------------------

std::array<std::uint8_t, kDirEntrySize> EncodeEntry(const DirEntry& e) {
  std::array<std::uint8_t, kDirEntrySize> out{};
  std::memcpy(out.data(), e.name.data(), std::min(e.name.size(), kEntryNameSize - 1));
  const std::uint16_t t[6] = {
      static_cast<std::uint16_t>(e.time.year), static_cast<std::uint16_t>(e.time.month),
      static_cast<std::uint16_t>(e.time.day),  static_cast<std::uint16_t>(e.time.hour),
      static_cast<std::uint16_t>(e.time.minute), static_cast<std::uint16_t>(e.time.second)};
  for (int i = 0; i < 6; ++i) PutLe16(out.data() + 32 + 2 * i, t[i]);
  PutLe32(out.data() + 44, e.offset);
  PutLe32(out.data() + 48, e.length);
  return out;
}

namespace {
// The sum of the first `words` little-endian words, modulo 2^32.
std::uint32_t WordSum(const std::uint8_t* p, std::size_t words) {
  std::uint32_t sum = 0;
  for (std::size_t i = 0; i < words; ++i) sum += Le32(p + 4 * i);
  return sum;
}

std::vector<std::uint8_t> Wrap(std::span<const std::uint8_t> contents, bool padded) {
  const std::size_t length = padded ? (contents.size() + 3) / 4 * 4 : contents.size();
  std::vector<std::uint8_t> out(kPackageHeaderSize + length, 0);
  std::copy(contents.begin(), contents.end(), out.begin() + kPackageHeaderSize);
  PutLe32(out.data(), kPackageMagic);
  PutLe32(out.data() + 4, static_cast<std::uint32_t>(length));
  PutLe32(out.data() + 8, WordSum(out.data() + kPackageHeaderSize, length / 4));
  return out;
}
}  // namespace

std::vector<std::uint8_t> WrapPadded(std::span<const std::uint8_t> contents) { return Wrap(contents, true); }
std::vector<std::uint8_t> WrapUnpadded(std::span<const std::uint8_t> contents) { return Wrap(contents, false); }

std::optional<std::span<const std::uint8_t>> Unwrap(std::span<const std::uint8_t> wrapped, bool padded) {
  if (wrapped.size() < kPackageHeaderSize) return std::nullopt;
  const std::uint8_t* p = wrapped.data();
  const std::uint64_t length = Le32(p + 4);
  if (Le32(p) != kPackageMagic || Le32(p + 12) != 0 || length != wrapped.size() - kPackageHeaderSize ||
      (padded && length % 4 != 0))
    return std::nullopt;
  if (WordSum(p + kPackageHeaderSize, length / 4) != Le32(p + 8)) return std::nullopt;
  return wrapped.subspan(kPackageHeaderSize);
}

namespace {
// Characters of well-formed UTF-8 text.
std::size_t Utf8Chars(std::string_view s) {
  return static_cast<std::size_t>(std::count_if(s.begin(), s.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

// One plain path component: not "." or "..", no separator or control byte.
bool IsPlainComponent(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  return std::none_of(name.begin(), name.end(), [](char ch) {
    const auto c = static_cast<unsigned char>(ch);
    return c < 0x20 || c == 0x7F || c == '/' || c == '\\';
  });
}
}  // namespace

bool IsPackageName(std::string_view name) {
  return name.size() >= 2 && name.size() <= kEntryNameSize - 1 && name[0] == '/' &&
         IsPlainComponent(name.substr(1)) && IsUtf8(name);
}

std::optional<std::vector<DirEntry>> DecodeDirectory(std::span<const std::uint8_t> directory,
                                                     std::size_t dataLength) {
  if (directory.size() % kDirEntrySize != 0) return std::nullopt;
  std::vector<DirEntry> entries;
  std::set<std::string, std::less<>> names;
  for (std::size_t at = 0; at + kDirEntrySize <= directory.size(); at += kDirEntrySize) {
    const std::uint8_t* p = directory.data() + at;
    if (p[0] == 0) break;  // the terminating entry
    const auto* nul = static_cast<const std::uint8_t*>(std::memchr(p, 0, kEntryNameSize));
    if (!nul) return std::nullopt;
    DirEntry e;
    e.name.assign(reinterpret_cast<const char*>(p), static_cast<std::size_t>(nul - p));
    e.time = {Le16(p + 32), Le16(p + 34), Le16(p + 36), Le16(p + 38), Le16(p + 40), Le16(p + 42)};
    e.offset = Le32(p + 44);
    e.length = Le32(p + 48);
    if (!IsPackageName(e.name) || !names.insert(e.name).second ||
        static_cast<std::uint64_t>(e.offset) + e.length > dataLength)
      return std::nullopt;
    entries.push_back(std::move(e));
  }
  return entries;
}

std::optional<std::vector<PackagedFile>> ListPackage(std::span<const std::uint8_t> wrappedDirectory,
                                                     std::span<const std::uint8_t> wrappedData, bool padded) {
  const auto directory = Unwrap(wrappedDirectory, padded);
  const auto data = Unwrap(wrappedData, padded);
  if (!directory || !data) return std::nullopt;
  auto entries = DecodeDirectory(*directory, data->size());
  if (!entries) return std::nullopt;
  std::vector<PackagedFile> files;
  files.reserve(entries->size());
  for (DirEntry& e : *entries) {
    const auto bytes = data->subspan(e.offset, e.length);
    files.push_back({std::move(e), bytes});
  }
  return files;
}

bool WritePackagedFiles(std::span<const PackagedFile> files, const std::string& dir) {
  for (const PackagedFile& f : files) {
    // The names were checked when the directory was decoded: "/" and one plain component.
    const std::string_view bytes(reinterpret_cast<const char*>(f.bytes.data()), f.bytes.size());
    if (!WriteFileAtomically(dir + f.entry.name, bytes)) return false;
  }
  return true;
}

// ---- Reading files -------------------------------------------------------------

namespace {
struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

enum class ReadStatus { Ok, CannotOpen, ShortRead };

// Appends exactly `size` bytes of the file to `out`; a file that has grown or
// shrunk since it was measured is a short read.
ReadStatus AppendFile(const std::string& path, std::uint64_t size, std::vector<std::uint8_t>& out) {
  FilePtr f(std::fopen(path.c_str(), "rb"));
  if (!f) return ReadStatus::CannotOpen;
  const std::size_t at = out.size();
  out.resize(at + size);
  const bool whole = std::fread(out.data() + at, 1, size, f.get()) == size && std::fgetc(f.get()) == EOF;
  if (!whole) out.resize(at);
  return whole ? ReadStatus::Ok : ReadStatus::ShortRead;
}

struct Stat {
  bool regular = false;
  bool directory = false;
  std::uint64_t size = 0;
  std::time_t mtime = 0;
};
// Follows symbolic links, as opening the file does.
std::optional<Stat> StatPath(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  return Stat{S_ISREG(st.st_mode), S_ISDIR(st.st_mode), static_cast<std::uint64_t>(st.st_size), st.st_mtime};
}

std::optional<CompressedPackages> CompressBoth(const Packages& p, int failureText, UiPort& ui) {
  auto dir = Compress(p.directory);
  auto data = dir ? Compress(p.data) : std::nullopt;
  if (!data) {
    Refuse(ui, failureText, Icon::Error);
    return std::nullopt;
  }
  return CompressedPackages{std::move(*dir), std::move(*data)};
}

struct DirCloser {
  void operator()(DIR* d) const { ::closedir(d); }
};

struct Listed {
  std::string name;
  Stat stat;
};

// The folder's files, in name byte order, with the listing's own refusals.
std::optional<std::vector<Listed>> ListFolder(const std::string& folder, UiPort& ui) {
  std::unique_ptr<DIR, DirCloser> dir(::opendir(folder.c_str()));
  if (!dir) {
    Refuse(ui, text::kCannotFindFolder, Icon::Error);
    return std::nullopt;
  }
  std::vector<Listed> files;
  while (const dirent* d = ::readdir(dir.get())) {
    const std::string name = d->d_name;
    if (name == "." || name == "..") continue;
    const auto st = StatPath(folder + "/" + name);
    if (st && st->directory) {
      // Hidden folders are left out; any other subfolder stops the conversion.
      if (name[0] == '.') continue;
      Refuse(ui, text::kSubfolderFound, Icon::Error);
      return std::nullopt;
    }
    if (files.size() == kMaxViewFiles) {
      Refuse(ui, text::kTooManyFiles, Icon::Error);
      return std::nullopt;
    }
    // A file that vanished or cannot be read shows when its size is checked.
    files.push_back({name, st.value_or(Stat{})});
  }
  std::sort(files.begin(), files.end(), [](const Listed& a, const Listed& b) { return a.name < b.name; });
  return files;
}

// The name and size rules of one file, before anything is read.
bool CheckViewFile(const Listed& f, std::uint64_t dataSoFar, UiPort& ui) {
  const std::string entryName = "/" + f.name;
  if (IsUtf8(f.name) && (Utf8Chars(f.name) > kMaxViewNameChars || entryName.size() > kEntryNameSize - 1))
    return Refuse(ui, FormatText(text::kFileNameTooLong, f.name.c_str()), Icon::Error);
  if (!IsPackageName(entryName)) return Refuse(ui, FormatText(text::kFileNameNotUsable, f.name.c_str()), Icon::Error);
  if (!f.stat.regular || f.stat.size > kMaxViewFileSize)
    return Refuse(ui, text::kViewFileOpenFailed, Icon::Error);
  if (dataSoFar + f.stat.size + kPackageHeaderSize > kMaxViewData)
    return Refuse(ui, text::kViewOverCapacity, Icon::Error);
  return true;
}
}  // namespace

// ---- Browser view --------------------------------------------------------------

std::optional<Packages> BuildViewPackages(const std::string& folder, UiPort& ui) {
  if (folder.empty()) {
    Refuse(ui, text::kSpecifyFolder, Icon::Error);
    return std::nullopt;
  }
  const auto files = ListFolder(folder, ui);
  if (!files) return std::nullopt;
  if (files->empty()) {
    Refuse(ui, text::kNoFileInFolder, Icon::Error);
    return std::nullopt;
  }
  std::uint64_t total = 0;
  for (const Listed& f : *files) {
    if (!CheckViewFile(f, total, ui)) return std::nullopt;
    total += f.stat.size;
  }

  std::vector<std::uint8_t> directory;
  directory.reserve((files->size() + 1) * kDirEntrySize);
  std::vector<std::uint8_t> data;
  data.reserve(total);
  for (const Listed& f : *files) {
    const DirEntry entry{"/" + f.name, UtcFields(f.stat.mtime), static_cast<std::uint32_t>(data.size()),
                         static_cast<std::uint32_t>(f.stat.size)};
    switch (AppendFile(folder + "/" + f.name, f.stat.size, data)) {
      case ReadStatus::Ok: break;
      case ReadStatus::CannotOpen: Refuse(ui, text::kViewFileOpenFailed, Icon::Error); return std::nullopt;
      case ReadStatus::ShortRead: Refuse(ui, text::kViewFileReadFailed, Icon::Error); return std::nullopt;
    }
    const auto bytes = EncodeEntry(entry);
    directory.insert(directory.end(), bytes.begin(), bytes.end());
  }
  directory.resize(directory.size() + kDirEntrySize, 0);  // the terminating entry

  Packages out{WrapPadded(directory), WrapPadded(data)};
  if (out.directory.size() > kMaxViewDirectory || out.data.size() > kMaxViewData) {
    Refuse(ui, text::kViewOverCapacity, Icon::Error);
    return std::nullopt;
  }
  return out;
}

std::optional<CompressedPackages> CompressViewPackages(const Packages& packages, UiPort& ui) {
  return CompressBoth(packages, text::kViewCompressFailed, ui);
}

bool SaveViewPackages(const Packages& packages, const std::string& dir, UiPort& ui) {
  const auto save = [&](std::string_view name, const std::vector<std::uint8_t>& bytes) {
    return WriteFileAtomically(dir + "/" + std::string(name),
                               {reinterpret_cast<const char*>(bytes.data()), bytes.size()});
  };
  if (save(kViewDirectoryFile, packages.directory) && save(kViewDataFile, packages.data)) return true;
  return Refuse(ui, text::kViewFileOpenFailed, Icon::Error);
}

// ---- User images ---------------------------------------------------------------

std::optional<Packages> BuildImagePackages(const std::array<std::string, kImageSlots>& paths, UiPort& ui) {
  if (std::all_of(paths.begin(), paths.end(), [](const std::string& p) { return p.empty(); })) {
    Refuse(ui, text::kSelectImageFile, Icon::Error);
    return std::nullopt;
  }
  std::array<std::optional<Stat>, kImageSlots> stats;
  std::uint64_t total = 0;
  for (int slot = 1; slot <= kImageSlots; ++slot) {
    const std::string& path = paths[slot - 1];
    if (path.empty()) continue;
    stats[slot - 1] = StatPath(path);
    if (!stats[slot - 1]) {
      Refuse(ui, FormatText(text::kCannotOpenImage, slot, path.c_str()), Icon::Error);
      return std::nullopt;
    }
    total += stats[slot - 1]->size;
  }
  // Measured before anything is read.
  if (total + kPackageHeaderSize >= kImageDataLimit) {
    Refuse(ui, text::kImageDataOverCapacity, Icon::Error);
    return std::nullopt;
  }
  std::vector<std::uint8_t> directory;
  std::vector<std::uint8_t> data;
  data.reserve(total);
  for (int slot = 1; slot <= kImageSlots; ++slot) {
    const auto& st = stats[slot - 1];
    if (!st) continue;
    const DirEntry entry{"/fig" + std::to_string(slot) + ".jpg", UtcFields(st->mtime),
                         static_cast<std::uint32_t>(data.size()), static_cast<std::uint32_t>(st->size)};
    const ReadStatus read = st->regular ? AppendFile(paths[slot - 1], st->size, data) : ReadStatus::CannotOpen;
    if (read == ReadStatus::CannotOpen) {
      Refuse(ui, FormatText(text::kFailedToOpenImage, slot), Icon::Error);
      return std::nullopt;
    }
    if (read == ReadStatus::ShortRead) {
      Refuse(ui, text::kFailedToCreateData, Icon::Error);
      return std::nullopt;
    }
    const auto bytes = EncodeEntry(entry);
    directory.insert(directory.end(), bytes.begin(), bytes.end());
  }
  return Packages{WrapUnpadded(directory), WrapUnpadded(data)};
}

std::optional<CompressedPackages> CompressImagePackages(const Packages& packages, UiPort& ui) {
  return CompressBoth(packages, text::kFailedToCompressImages, ui);
}

}  // namespace tk48::maint
