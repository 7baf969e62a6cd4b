#pragma once
// Runs tk48sim for a test: a private temp folder, the tests' short waits, a
// bounded wait for its "ready" line, and SIGTERM (then SIGKILL) when the test
// is done.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "tests/e2e/sim_waits.h"

namespace tk48::test {

class TempDir {
 public:
  TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "tk48sim_XXXXXX").string();
    if (mkdtemp(tmpl.data())) path_ = tmpl;
  }
  ~TempDir() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// tk48sim of this build: TK48_BIN_DIR where the tests define it, else next to
// the running program.
inline std::string DefaultSimPath() {
#ifdef TK48_BIN_DIR
  return std::string(TK48_BIN_DIR) + "/tk48sim";
#else
  std::error_code ec;
  return (std::filesystem::read_symlink("/proc/self/exe", ec).parent_path() / "tk48sim").string();
#endif
}

class SimProcess {
 public:
  explicit SimProcess(std::string exe = DefaultSimPath()) : exe_(std::move(exe)) {}
  ~SimProcess() { Stop(); }
  SimProcess(const SimProcess&) = delete;
  SimProcess& operator=(const SimProcess&) = delete;

  // Starts tk48sim with `args`; true once it said "ready".
  bool Start(const std::vector<std::string>& args, std::chrono::milliseconds wait = std::chrono::seconds(15)) {
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) return false;
    std::vector<char*> argv{exe_.data()};
    for (const auto& a : kSimWaits) argv.push_back(const_cast<char*>(a.c_str()));  // `args` may set them again
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_ = fork();
    if (pid_ == 0) {
      dup2(out[1], STDOUT_FILENO);
      execv(exe_.c_str(), argv.data());
      _exit(127);
    }
    close(out[1]);
    out_ = out[0];
    if (pid_ < 0) return false;
    return WaitForLine("ready\n", wait);
  }

  // SIGTERM and a bounded wait; the exit status, or -1 when it had to be killed.
  int Stop(std::chrono::milliseconds wait = std::chrono::seconds(10)) {
    if (pid_ <= 0) return status_;
    kill(pid_, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + wait;
    int status = 0;
    while (waitpid(pid_, &status, WNOHANG) == 0) {
      if (std::chrono::steady_clock::now() > deadline) {
        kill(pid_, SIGKILL);
        waitpid(pid_, &status, 0);
        status = -1;
        break;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    status_ = status == -1 ? -1 : (WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
    pid_ = -1;
    if (out_ >= 0) close(out_), out_ = -1;
    return status_;
  }

 private:
  bool WaitForLine(const std::string& line, std::chrono::milliseconds wait) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    std::string seen;
    while (seen.find(line) == std::string::npos) {
      const auto left =
          std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
      if (left.count() <= 0) return false;
      pollfd pfd{out_, POLLIN, 0};
      if (poll(&pfd, 1, static_cast<int>(left.count())) <= 0) continue;
      char buffer[256];
      const auto n = read(out_, buffer, sizeof buffer);
      if (n <= 0) return false;  // it exited
      seen.append(buffer, static_cast<std::size_t>(n));
    }
    return true;
  }

  std::string exe_;
  pid_t pid_ = -1;
  int out_ = -1;
  int status_ = -1;
};

}  // namespace tk48::test
