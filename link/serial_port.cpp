#include "link/serial_port.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <thread>

namespace tk48 {
namespace {

constexpr auto kHangupPause = std::chrono::milliseconds(10);
constexpr auto kOutputSample = std::chrono::milliseconds(2);

int PollMs(SerialPort::Clock::time_point deadline) {
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - SerialPort::Clock::now()).count();
  return static_cast<int>(std::clamp<long long>(left, 0, 60000));
}

// Starting from the port's current settings: binary (raw) mode, no parity
// checking, no hardware or software flow control, 38400 bit/s 8N1, and reads
// that return at once with what is queued.
bool ApplyLineSettings(int fd) {
  termios tio{};
  if (tcgetattr(fd, &tio) != 0) return false;
  cfmakeraw(&tio);
  tio.c_iflag &= ~(INPCK | IXON | IXOFF | IXANY);
  tio.c_cflag &= ~(PARENB | CSTOPB | CSIZE | CRTSCTS);
  tio.c_cflag |= CS8 | CLOCAL | CREAD;
  tio.c_cc[VMIN] = 0;
  tio.c_cc[VTIME] = 0;
  if (cfsetispeed(&tio, B38400) != 0 || cfsetospeed(&tio, B38400) != 0) return false;
  if (tcsetattr(fd, TCSANOW, &tio) != 0) return false;
  // tcsetattr succeeds when any change took: check the ones that matter.
  termios now{};
  return tcgetattr(fd, &now) == 0 && cfgetospeed(&now) == B38400 && (now.c_cflag & CSIZE) == CS8 &&
         (now.c_cflag & (PARENB | CSTOPB | CRTSCTS)) == 0 && (now.c_lflag & ICANON) == 0;
}

// DTR and RTS off. A port without modem lines (a pseudo-terminal) refuses the
// request, which is harmless.
bool ClearModemLines(int fd) {
  int bits = TIOCM_DTR | TIOCM_RTS;
  return ioctl(fd, TIOCMBIC, &bits) == 0 || errno == ENOTTY || errno == EINVAL;
}

}  // namespace

bool SerialPort::Open(const std::string& path) {
  Close();
  openError_ = 0;
  if (path.empty()) return false;
  // Non-blocking, so that neither the open (carrier) nor a read ever waits.
  const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    openError_ = errno;
    return false;
  }
  fd_ = fd;
  if (flock(fd_, LOCK_EX | LOCK_NB) != 0 || ioctl(fd_, TIOCEXCL) != 0 || !ApplyLineSettings(fd_) ||
      !ClearModemLines(fd_)) {
    Close();
    return false;
  }
  held_.clear();
  tcflush(fd_, TCIOFLUSH);
  return true;
}

void SerialPort::Close() {
  if (fd_ < 0) return;
  ioctl(fd_, TIOCNXCL);
  close(fd_);
  fd_ = -1;
  held_.clear();
}

bool SerialPort::Write(std::span<const std::uint8_t> bytes) {
  if (fd_ < 0) return false;
  const auto deadline = Clock::now() + writeWait_;
  while (!bytes.empty()) {
    const auto n = write(fd_, bytes.data(), bytes.size());
    if (n > 0) {
      bytes = bytes.subspan(static_cast<std::size_t>(n));
      continue;
    }
    if (n < 0 && errno != EAGAIN && errno != EINTR) return false;
    pollfd pfd{fd_, POLLOUT, 0};
    if (Clock::now() >= deadline || (poll(&pfd, 1, PollMs(deadline)) < 0 && errno != EINTR)) return false;
    if (pfd.revents & (POLLERR | POLLHUP | POLLNVAL)) return false;
  }
  // The next put or get starts with a purge: nothing may still sit in the
  // output queue then. tcdrain() would wait for ever on a line that does not
  // move, so the queue is sampled until it is empty or the time is up.
  for (;;) {
    int queued = 0;
    if (ioctl(fd_, TIOCOUTQ, &queued) != 0) return tcdrain(fd_) == 0;
    if (queued <= 0) return true;
    if (Clock::now() >= deadline) return false;
    std::this_thread::sleep_for(kOutputSample);
  }
}

std::size_t SerialPort::DriverQueued() const {
  int n = 0;
  if (fd_ < 0 || ioctl(fd_, FIONREAD, &n) != 0 || n < 0) return 0;
  return static_cast<std::size_t>(n);
}

std::size_t SerialPort::Queued() { return held_.size() + DriverQueued(); }

// Moves up to `count` bytes from the driver into the look-aside buffer.
void SerialPort::Absorb(std::size_t count) {
  std::uint8_t buffer[4096];
  count = std::min({count, DriverQueued(), sizeof buffer});
  if (count == 0) return;
  const auto n = read(fd_, buffer, count);
  if (n > 0) held_.insert(held_.end(), buffer, buffer + n);
}

// Blocks until the driver has input or `deadline` passes.
bool SerialPort::WaitForInput(Clock::time_point deadline) {
  if (fd_ < 0) return false;
  if (DriverQueued() > 0) return true;
  if (Clock::now() >= deadline) return false;
  pollfd pfd{fd_, POLLIN, 0};
  const int n = poll(&pfd, 1, PollMs(deadline));
  if (n > 0 && (pfd.revents & POLLIN)) return true;
  // A hung-up line reports itself at once and forever: wait in short steps instead.
  if (n > 0) std::this_thread::sleep_for(std::min<Clock::duration>(kHangupPause, deadline - Clock::now()));
  return false;
}

bool SerialPort::ReadExact(std::span<std::uint8_t> out, std::chrono::milliseconds wait) {
  if (fd_ < 0) return false;
  const auto deadline = Clock::now() + wait;
  while (held_.size() < out.size()) {
    Absorb(out.size() - held_.size());
    if (held_.size() >= out.size()) break;
    if (!WaitForInput(deadline) && Clock::now() >= deadline) return false;
  }
  std::copy_n(held_.begin(), out.size(), out.begin());
  held_.erase(held_.begin(), held_.begin() + static_cast<std::ptrdiff_t>(out.size()));
  return true;
}

bool SerialPort::SkipTo(std::uint8_t marker, std::chrono::milliseconds wait) {
  if (fd_ < 0) return false;
  const auto deadline = Clock::now() + wait;
  for (;;) {
    while (!held_.empty()) {
      const auto byte = held_.front();
      held_.pop_front();
      if (byte == marker) return true;
    }
    Absorb(SIZE_MAX);
    if (!held_.empty()) continue;
    if (!WaitForInput(deadline) && Clock::now() >= deadline) return false;
  }
}

// Every write has been drained, so the output queue is already empty: only
// the input needs clearing. (An output flush on a pseudo-terminal would also
// throw away what the other end has not read yet: the last ACK and EOT.)
void SerialPort::Purge() { ClearInput(); }

void SerialPort::ClearInput() {
  held_.clear();
  if (fd_ >= 0) tcflush(fd_, TCIFLUSH);
}

}  // namespace tk48
