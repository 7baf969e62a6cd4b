#include "sim/paced_line.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <thread>

namespace tk48::sim {
namespace {

constexpr std::size_t kPacedChunk = 16;  // bytes handed to the pty at a time on a paced line
constexpr auto kNoPeerPause = std::chrono::milliseconds(10);

int PollTimeout(PacedLine::Clock::time_point deadline) {
  if (deadline == PacedLine::Clock::time_point::max()) return -1;
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - PacedLine::Clock::now()).count();
  return static_cast<int>(std::clamp<long long>(left, 0, 60000));
}

}  // namespace

PacedLine::PacedLine(int fd, long baud, int stopFd) : fd_(fd), stopFd_(stopFd) {
  if (baud > 0)
    byteTime_ = std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(10.0 / double(baud)));
}

void PacedLine::SleepUntil(Clock::time_point when) const {
  if (when > Clock::now()) std::this_thread::sleep_until(when);
}

// Waits until `fd_` is ready for `events`; false on time-out or stop. While no
// peer holds the pty's slave open the master reports a hang-up: wait in short
// pauses for one to open it.
bool PacedLine::WaitFd(short events, Clock::time_point deadline) {
  for (;;) {
    if (stopped_) return false;
    pollfd fds[2] = {{fd_, events, 0}, {stopFd_, POLLIN, 0}};
    const int n = poll(fds, 2, PollTimeout(deadline));
    if (n < 0 && errno != EINTR) return false;
    if (fds[1].revents) {
      stopped_ = true;
      return false;
    }
    if (fds[0].revents & events) return true;
    if (fds[0].revents & (POLLHUP | POLLERR)) std::this_thread::sleep_for(kNoPeerPause);
    if (Clock::now() >= deadline) return false;
  }
}

bool PacedLine::Fill(std::size_t count, Clock::time_point deadline) {
  while (pending_.size() < count) {
    if (!WaitFd(POLLIN, deadline)) return false;
    std::uint8_t buffer[4096];
    const auto n = read(fd_, buffer, sizeof buffer);
    if (n <= 0) {  // EIO: the peer closed the slave in between
      if (Clock::now() >= deadline) return false;
      std::this_thread::sleep_for(kNoPeerPause);
      continue;
    }
    const auto now = Clock::now();
    for (ssize_t i = 0; i < n; ++i) {
      rxLine_ = std::max(rxLine_, now) + byteTime_;
      pending_.push_back({buffer[i], rxLine_});
    }
  }
  return true;
}

std::optional<std::uint8_t> PacedLine::PeekByte(Clock::time_point deadline) {
  if (!Fill(1, deadline)) return std::nullopt;
  Seen(pending_.front().arrival);
  return pending_.front().byte;
}

// What is read may be acted upon at once: only the answer has to wait for the
// line, and Write() starts no earlier than the last byte read has arrived.
void PacedLine::Seen(Clock::time_point arrival) { lastArrival_ = std::max(lastArrival_, arrival); }

std::optional<std::uint8_t> PacedLine::ReadByte(Clock::time_point deadline) {
  auto byte = PeekByte(deadline);
  if (byte) pending_.pop_front();
  return byte;
}

bool PacedLine::Read(std::span<std::uint8_t> out, Clock::time_point deadline) {
  if (out.empty()) return true;
  if (!Fill(out.size(), deadline)) return false;
  Seen(pending_[out.size() - 1].arrival);
  for (auto& b : out) {
    b = pending_.front().byte;
    pending_.pop_front();
  }
  return true;
}

bool PacedLine::Write(std::span<const std::uint8_t> bytes) {
  // The line sends without gaps from the moment it is idle: a late wake-up is
  // made up by the next chunk rather than slowing the whole write down.
  txLine_ = std::max({txLine_, lastArrival_, Clock::now()});
  while (!bytes.empty()) {
    auto chunk = bytes;
    if (byteTime_ != Clock::duration::zero()) {
      // A chunk becomes visible when its last byte would have been received.
      chunk = bytes.first(std::min(bytes.size(), kPacedChunk));
      txLine_ += byteTime_ * static_cast<long>(chunk.size());
      SleepUntil(txLine_);
    }
    while (!chunk.empty()) {
      if (!WaitFd(POLLOUT, PacedLine::After(std::chrono::seconds(5)))) return false;
      const auto n = write(fd_, chunk.data(), chunk.size());
      if (n < 0) {
        if (errno == EAGAIN || errno == EINTR) continue;
        return false;
      }
      chunk = chunk.subspan(static_cast<std::size_t>(n));
      bytes = bytes.subspan(static_cast<std::size_t>(n));
    }
  }
  return true;
}

}  // namespace tk48::sim
