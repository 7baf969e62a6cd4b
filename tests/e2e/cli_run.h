#pragma once
// Runs tk48gcfg-cli for the command tests: stdout and stderr captured
// (stderr optionally on a pseudo-terminal, as a user's terminal), and a bounded
// wait after which the program is killed.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace tk48::test {

struct CliRun {
  int status = -1;  // exit status; -1 when it had to be killed
  std::string out, err;
};

inline std::string ReadAll(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

// `input`, when given, is the program's standard input (otherwise /dev/null).
inline CliRun RunCli(const std::vector<std::string>& args, bool stderrIsTerminal = false,
                     std::chrono::seconds limit = std::chrono::seconds(120), const std::string* input = nullptr) {
  const std::string program = std::string(TK48_BIN_DIR) + "/tk48gcfg-cli";
  char outPath[] = "/tmp/tk48-cli-out-XXXXXX";
  char errPath[] = "/tmp/tk48-cli-err-XXXXXX";
  const int outFd = mkstemp(outPath);
  const int errFd = mkstemp(errPath);
  int master = -1, slave = -1;
  if (stderrIsTerminal) {
    master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0)
      slave = ::open(ptsname(master), O_RDWR | O_NOCTTY | O_CLOEXEC);
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  char inPath[] = "/tmp/tk48-cli-in-XXXXXX";
  const int inFd = input ? mkstemp(inPath) : -1;
  if (inFd >= 0) {
    std::ofstream(inPath, std::ios::binary) << *input;
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, inPath, O_RDONLY, 0);
  } else {
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  }
  posix_spawn_file_actions_adddup2(&actions, outFd, STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, slave >= 0 ? slave : errFd, STDERR_FILENO);
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);

  CliRun run;
  std::string terminal;
  const auto drain = [&] {
    for (pollfd p{master, POLLIN, 0}; master >= 0 && ::poll(&p, 1, 0) == 1 && (p.revents & POLLIN);) {
      char chunk[4096];
      const ssize_t n = ::read(master, chunk, sizeof chunk);
      if (n <= 0) break;
      terminal.append(chunk, static_cast<std::size_t>(n));
    }
  };
  pid_t pid = -1;
  if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) == 0) {
    if (slave >= 0) ::close(slave), slave = -1;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    int wstatus = 0;
    while (::waitpid(pid, &wstatus, WNOHANG) == 0) {
      drain();
      if (std::chrono::steady_clock::now() > deadline) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &wstatus, 0);
        wstatus = -1;
        break;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    drain();
    run.status = wstatus == -1 ? -1 : (WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : 128 + WTERMSIG(wstatus));
  }
  posix_spawn_file_actions_destroy(&actions);
  for (int fd : {outFd, errFd, master, slave, inFd})
    if (fd >= 0) ::close(fd);
  if (inFd >= 0) ::unlink(inPath);
  run.out = ReadAll(outPath);
  run.err = stderrIsTerminal ? terminal : ReadAll(errPath);
  ::unlink(outPath);
  ::unlink(errPath);
  return run;
}

}  // namespace tk48::test
