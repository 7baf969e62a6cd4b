#pragma once
// A umask for the length of a scope: a test shows rights that hold whatever
// the user's umask, and gives the old one back on every path.
#include <sys/stat.h>

namespace tk48::test {

class ScopedUmask {
 public:
  explicit ScopedUmask(mode_t mask) : saved_(::umask(mask)) {}
  ~ScopedUmask() { ::umask(saved_); }
  ScopedUmask(const ScopedUmask&) = delete;
  ScopedUmask& operator=(const ScopedUmask&) = delete;

 private:
  mode_t saved_;
};

// The permission bits of `path` (0 when it cannot be read).
inline mode_t ModeOf(const char* path) {
  struct stat st {};
  return ::stat(path, &st) == 0 ? st.st_mode & 07777 : 0;
}

}  // namespace tk48::test
