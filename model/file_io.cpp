#include "model/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "model/writer.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48 {

namespace {
// Closes the descriptor on every path.
struct Fd {
  int fd = -1;
  ~Fd() {
    if (fd >= 0) ::close(fd);
  }
};

FileRead Refused(ReadRefusal why, std::size_t limit) { return {std::nullopt, why, limit}; }

// What a path names, as far as a read is concerned.
ReadRefusal Judge(const struct stat& st, std::size_t limit) {
  if (!S_ISREG(st.st_mode)) return ReadRefusal::NotARegularFile;
  if (static_cast<std::uintmax_t>(st.st_size) > limit) return ReadRefusal::TooLarge;
  return ReadRefusal::None;
}

}  // namespace

FileRead ReadFileWithin(const std::string& path, std::size_t limit) {
  // Judged by stat (which follows a link) before anything is opened.
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return Refused(ReadRefusal::CannotOpen, limit);
  if (const ReadRefusal why = Judge(st, limit); why != ReadRefusal::None) return Refused(why, limit);
  // Non-blocking, so that a FIFO put in the file's place since does not hold the open;
  // then judged again by what was opened.
  Fd f{::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK)};
  if (f.fd < 0 || ::fstat(f.fd, &st) != 0) return Refused(ReadRefusal::CannotOpen, limit);
  if (const ReadRefusal why = Judge(st, limit); why != ReadRefusal::None) return Refused(why, limit);
  const int flags = ::fcntl(f.fd, F_GETFL);
  if (flags < 0 || ::fcntl(f.fd, F_SETFL, flags & ~O_NONBLOCK) != 0) return Refused(ReadRefusal::CannotOpen, limit);
  std::string data;
  data.reserve(static_cast<std::size_t>(st.st_size));
  char buf[1 << 16];
  for (;;) {
    const ssize_t n = ::read(f.fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return Refused(ReadRefusal::CannotOpen, limit);
    if (n == 0) break;
    // A file still being written may have grown since it was judged.
    if (static_cast<std::size_t>(n) > limit - data.size()) return Refused(ReadRefusal::TooLarge, limit);
    data.append(buf, static_cast<std::size_t>(n));
  }
  return {std::move(data), ReadRefusal::None, limit};
}

FileRead ReadConfigurationFile(const std::string& path) { return ReadFileWithin(path, kTextBufferSize); }

std::string RefusalText(const FileRead& read, const std::string& path) {
  switch (read.refusal) {
    case ReadRefusal::NotARegularFile: return FormatText(text::kNotARegularFile, path.c_str());
    case ReadRefusal::TooLarge:
      return FormatText(text::kFileTooLarge, path.c_str(), std::to_string(read.limit).c_str());
    case ReadRefusal::None:
    case ReadRefusal::CannotOpen: break;
  }
  return std::string(LoadText(text::kFailedToOpenFile));
}

std::optional<std::string> ReadWholeFile(const std::string& path) { return ReadConfigurationFile(path).bytes; }

namespace {

bool WriteAll(int fd, std::string_view bytes) {
  for (std::size_t done = 0; done < bytes.size();) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Over the file itself: its links, owner and permissions stay as they are.
// Opened without truncating, so a file that cannot be opened is left whole.
bool WriteInPlace(const std::string& target, std::string_view bytes) {
  Fd f{::open(target.c_str(), O_WRONLY | O_CLOEXEC)};
  if (f.fd < 0) return false;
  bool ok = WriteAll(f.fd, bytes) && ::ftruncate(f.fd, static_cast<off_t>(bytes.size())) == 0;
  ok = ok && ::fsync(f.fd) == 0;
  ok = ::close(f.fd) == 0 && ok;
  f.fd = -1;
  return ok;
}

// A device or a pipe (/dev/null, /dev/stdout, a FIFO) takes the bytes as they
// come: a rename would put a regular file where it was.
bool WriteToStream(const std::string& target, std::string_view bytes) {
  Fd f{::open(target.c_str(), O_WRONLY | O_CLOEXEC)};
  if (f.fd < 0) return false;
  bool ok = WriteAll(f.fd, bytes);
  ok = ::close(f.fd) == 0 && ok;
  f.fd = -1;
  return ok;
}

bool NoRoomForATemporary(int error) { return error == EACCES || error == EPERM || error == EROFS; }

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes, FileAccess access) {
  namespace fs = std::filesystem;
  std::error_code ec;
  std::string target = path;
  if (fs::is_symlink(path, ec)) {
    const fs::path resolved = fs::weakly_canonical(path, ec);
    if (!ec) target = resolved.string();
  }
  struct stat before {};
  const bool existed = ::stat(target.c_str(), &before) == 0;
  if (existed && !S_ISREG(before.st_mode) && !S_ISDIR(before.st_mode)) return WriteToStream(target, bytes);
  // A rename would cut a hard link and hand the file to us: such a file, one
  // not ours, is written over in place.
  if (existed && S_ISREG(before.st_mode) && (before.st_nlink > 1 || before.st_uid != ::geteuid()))
    return WriteInPlace(target, bytes);

  // A fresh name beside the target; 0666 lets the user's umask decide as for any new file.
  const mode_t created = access == FileAccess::OwnerOnly ? 0600 : 0666;
  static std::atomic<unsigned> counter{0};
  std::string temp;
  Fd f;
  for (int attempt = 0; f.fd < 0 && attempt < 100; ++attempt) {
    temp = target + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    f.fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, created);
    if (f.fd >= 0 || errno == EEXIST) continue;
    // A folder that takes no new file, holding a file that can be written.
    if (existed && S_ISREG(before.st_mode) && NoRoomForATemporary(errno)) return WriteInPlace(target, bytes);
    return false;
  }
  if (f.fd < 0) return false;
  // The rights are set before a byte is written: a private file is never readable by others.
  bool ok = true;
  if (existed) {
    ok = ::fchmod(f.fd, access == FileAccess::OwnerOnly ? 0600 : before.st_mode & 07777) == 0;
  } else if (access == FileAccess::OwnerOnly) {
    ok = ::fchmod(f.fd, 0600) == 0;
  }
  ok = ok && WriteAll(f.fd, bytes);
  ok = ok && ::fsync(f.fd) == 0;
  ok = ::close(f.fd) == 0 && ok;
  f.fd = -1;
  if (ok && ::rename(temp.c_str(), target.c_str()) == 0) return true;
  ::unlink(temp.c_str());
  return false;
}

}  // namespace tk48
