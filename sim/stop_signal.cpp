#include "sim/stop_signal.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdint>

namespace tk48::sim {

StopSignal::StopSignal() : fd_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

StopSignal::~StopSignal() {
  if (fd_ >= 0) close(fd_);
}

void StopSignal::Request() {
  requested_ = true;
  const std::uint64_t one = 1;
  [[maybe_unused]] auto n = write(fd_, &one, sizeof one);
}

}  // namespace tk48::sim
