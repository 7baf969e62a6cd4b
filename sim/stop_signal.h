#pragma once
// A stop request that the serving threads can poll() on alongside their own
// descriptors: SIGTERM/SIGINT in main() turn into Request().
#include <atomic>

namespace tk48::sim {

class StopSignal {
 public:
  StopSignal();
  ~StopSignal();
  StopSignal(const StopSignal&) = delete;
  StopSignal& operator=(const StopSignal&) = delete;

  void Request();
  bool Requested() const { return requested_.load(); }
  // Becomes readable once Request() was called; never read from it.
  int Fd() const { return fd_; }

 private:
  int fd_ = -1;
  std::atomic<bool> requested_{false};
};

}  // namespace tk48::sim
