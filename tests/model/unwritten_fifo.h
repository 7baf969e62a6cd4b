#pragma once
// A FIFO that nobody opens, for the tests that a read (or the creation of a
// file to write) refuses it unopened. Should the code open it after all (the
// fault under test), the open would wait for the other end for ever: after
// `patience` the other end comes (a writer that goes at once, so that a read
// ends at EOF; a reader that stays and takes what is written), and the test
// fails instead of hanging.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <utility>

namespace tk48::test {

class UnwrittenFifo {
 public:
  explicit UnwrittenFifo(std::string path, std::chrono::milliseconds patience = std::chrono::seconds(5))
      : path_(std::move(path)), made_(::mkfifo(path_.c_str(), 0600) == 0) {
    if (made_) watch_ = std::thread([this, patience] { Watch(patience); });
  }
  ~UnwrittenFifo() {
    stop_.store(true);
    if (watch_.joinable()) watch_.join();
  }
  UnwrittenFifo(const UnwrittenFifo&) = delete;
  UnwrittenFifo& operator=(const UnwrittenFifo&) = delete;

  bool Made() const { return made_; }
  const std::string& Path() const { return path_; }
  // Whether the code opened it: the fault the tests look for.
  bool WasOpened() const { return opened_.load(); }

 private:
  void Watch(std::chrono::milliseconds patience) {
    const auto deadline = std::chrono::steady_clock::now() + patience;
    while (!stop_.load()) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
      if (std::chrono::steady_clock::now() < deadline) continue;
      // A reader waiting in its open (a non-blocking open for writing succeeds
      // only then): a writer comes and goes, the read ends at EOF.
      if (const int fd = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC); fd >= 0) {
        opened_.store(true);
        ::close(fd);
        continue;
      }
      // A writer waiting in its open: a reader comes and takes what it writes until it goes.
      const int fd = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
      if (fd < 0) continue;
      char taken[4096];
      for (ssize_t n; !stop_.load() && (n = ::read(fd, taken, sizeof taken)) != 0;) {
        if (n > 0) {
          opened_.store(true);
        } else {
          std::this_thread::sleep_for(std::chrono::milliseconds(10));  // a writer that has not written yet
        }
      }
      ::close(fd);
    }
  }

  std::string path_;
  bool made_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> opened_{false};
  std::thread watch_;
};

}  // namespace tk48::test
