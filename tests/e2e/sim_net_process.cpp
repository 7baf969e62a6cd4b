#include "tests/e2e/sim_net_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <thread>

#include "tests/e2e/sim_waits.h"

extern char** environ;

namespace tk48::testing {
namespace {

constexpr std::chrono::seconds kStartWait{20};
constexpr std::chrono::seconds kStopWait{10};

}  // namespace

SimNetProcess::SimNetProcess(std::vector<std::string> options) {
  std::vector<std::string> args = {std::string(TK48_BIN_DIR) + "/tk48sim", "--tcp", "127.0.0.1:0"};
  args.insert(args.end(), test::kSimWaits.begin(), test::kSimWaits.end());  // `options` may set them again
  args.insert(args.end(), options.begin(), options.end());
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);

  int pipeFds[2];
  if (::pipe2(pipeFds, O_CLOEXEC) != 0) return;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
  const int spawned = posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(pipeFds[1]);
  out_ = pipeFds[0];
  if (spawned != 0) {
    pid_ = -1;
    output_ = std::string("cannot start tk48sim: ") + std::strerror(spawned);
    return;
  }

  const auto end = std::chrono::steady_clock::now() + kStartWait;
  while (output_.find("ready\n") == std::string::npos) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now()).count();
    pollfd p{out_, POLLIN, 0};
    if (left <= 0 || ::poll(&p, 1, static_cast<int>(left)) <= 0) return;
    char chunk[512];
    const ssize_t n = ::read(out_, chunk, sizeof chunk);
    if (n <= 0) return;
    output_.append(chunk, static_cast<std::size_t>(n));
  }
  const auto at = output_.find("tcp 127.0.0.1:");
  if (at != std::string::npos) port_ = static_cast<std::uint16_t>(std::stoi(output_.substr(at + 14)));
}

SimNetProcess::~SimNetProcess() {
  if (pid_ > 0) {
    ::kill(pid_, SIGTERM);
    const auto end = std::chrono::steady_clock::now() + kStopWait;
    int status = 0;
    while (::waitpid(pid_, &status, WNOHANG) == 0) {
      if (std::chrono::steady_clock::now() > end) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, &status, 0);
        break;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }
  if (out_ >= 0) ::close(out_);
}

}  // namespace tk48::testing
