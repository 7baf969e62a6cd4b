#pragma once
// A TCP socket owned by one object, and the send/receive loops that both the
// configurator's session and the device simulator use.
#include <sys/socket.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

namespace tk48 {

class Socket {
 public:
  Socket() = default;
  explicit Socket(int fd) : fd_(fd) {}
  ~Socket() { Reset(); }
  Socket(Socket&& other) noexcept : fd_(other.Release()) {}
  Socket& operator=(Socket&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  Socket(const Socket&) = delete;
  Socket& operator=(const Socket&) = delete;

  int fd() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  int Release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
  }
  void Reset(int fd = -1);

 private:
  int fd_ = -1;
};

// Called with the size of every chunk that went through.
using ChunkCounter = std::function<void(std::size_t)>;

// Writes every byte, repeating the send call; false on a failed call. Never
// raises SIGPIPE.
bool SendAll(const Socket& socket, std::span<const std::uint8_t> data, const ChunkCounter& counted = {});

// Reads exactly data.size() bytes; false on a failed call, a time-out or a
// closed connection. `pause` is slept after every received chunk.
bool ReceiveAll(const Socket& socket, std::span<std::uint8_t> data, const ChunkCounter& counted = {},
                std::chrono::milliseconds pause = {});

// Bounds every later receive (send) call on the socket (0: no bound).
bool SetReceiveTimeout(const Socket& socket, std::chrono::milliseconds timeout);
bool SetSendTimeout(const Socket& socket, std::chrono::milliseconds timeout);

// connect() that gives up after `timeout` (0: the system's own bound); the
// socket is left blocking as it was.
bool ConnectWithin(const Socket& socket, const sockaddr* peer, socklen_t size, std::chrono::milliseconds timeout);

}  // namespace tk48
