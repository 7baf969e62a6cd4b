#include "link/net_socket.h"

#include <fcntl.h>
#include <poll.h>
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

namespace {
bool SetTimeout(const Socket& socket, int option, std::chrono::milliseconds timeout) {
  timeval tv{};
  tv.tv_sec = static_cast<time_t>(timeout.count() / 1000);
  tv.tv_usec = static_cast<suseconds_t>((timeout.count() % 1000) * 1000);
  return ::setsockopt(socket.fd(), SOL_SOCKET, option, &tv, sizeof tv) == 0;
}
}  // namespace

bool SetReceiveTimeout(const Socket& socket, std::chrono::milliseconds timeout) {
  return SetTimeout(socket, SO_RCVTIMEO, timeout);
}

bool SetSendTimeout(const Socket& socket, std::chrono::milliseconds timeout) {
  return SetTimeout(socket, SO_SNDTIMEO, timeout);
}

bool ConnectWithin(const Socket& socket, const sockaddr* peer, socklen_t size, std::chrono::milliseconds timeout) {
  const int flags = ::fcntl(socket.fd(), F_GETFL);
  if (flags < 0 || ::fcntl(socket.fd(), F_SETFL, flags | O_NONBLOCK) != 0) return false;
  bool connected = ::connect(socket.fd(), peer, size) == 0;
  if (!connected && errno == EINPROGRESS) {
    pollfd p{socket.fd(), POLLOUT, 0};
    int ready = 0;
    do {
      ready = ::poll(&p, 1, timeout.count() > 0 ? static_cast<int>(timeout.count()) : -1);
    } while (ready < 0 && errno == EINTR);
    int error = 0;
    socklen_t length = sizeof error;
    connected = ready == 1 && ::getsockopt(socket.fd(), SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
  }
  return ::fcntl(socket.fd(), F_SETFL, flags) == 0 && connected;
}

}  // namespace tk48
