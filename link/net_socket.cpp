#include "link/net_socket.h"

#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

namespace tk48 {

void Socket::Reset(int fd) {
  if (fd_ >= 0) ::close(fd_);
  fd_ = fd;
}

bool SendAll(const Socket& socket, std::span<const std::uint8_t> data, const ChunkCounter& counted) {
  std::size_t done = 0;
  while (done < data.size()) {
    const ssize_t n = ::send(socket.fd(), data.data() + done, data.size() - done, MSG_NOSIGNAL);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
    if (counted) counted(static_cast<std::size_t>(n));
  }
  return true;
}

bool ReceiveAll(const Socket& socket, std::span<std::uint8_t> data, const ChunkCounter& counted,
                std::chrono::milliseconds pause) {
  std::size_t done = 0;
  while (done < data.size()) {
    const ssize_t n = ::recv(socket.fd(), data.data() + done, data.size() - done, 0);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
    if (counted) counted(static_cast<std::size_t>(n));
    if (pause.count() > 0) std::this_thread::sleep_for(pause);
  }
  return true;
}

bool SetReceiveTimeout(const Socket& socket, std::chrono::milliseconds timeout) {
  timeval tv{};
  tv.tv_sec = static_cast<time_t>(timeout.count() / 1000);
  tv.tv_usec = static_cast<suseconds_t>((timeout.count() % 1000) * 1000);
  return ::setsockopt(socket.fd(), SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv) == 0;
}

}  // namespace tk48
