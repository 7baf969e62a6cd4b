#pragma once
// Runs a program of the build with arguments and captures its exit status,
// stdout and stderr (through temporary files, so large outputs cannot block).
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace tk48::testing {

struct CommandResult {
  int status = -1;
  std::string out, err;
};

inline std::string Slurp(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

inline CommandResult RunCommand(const std::string& program, const std::vector<std::string>& args) {
  char outPath[] = "/tmp/tk48-out-XXXXXX";
  char errPath[] = "/tmp/tk48-err-XXXXXX";
  const int outFd = mkstemp(outPath), errFd = mkstemp(errPath);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, outFd, 1);
  posix_spawn_file_actions_adddup2(&actions, errFd, 2);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", 0, 0);
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  CommandResult r;
  pid_t pid;
  if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) == 0) {
    int wstatus = 0;
    waitpid(pid, &wstatus, 0);
    r.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : 128 + WTERMSIG(wstatus);
  }
  posix_spawn_file_actions_destroy(&actions);
  close(outFd);
  close(errFd);
  r.out = Slurp(outPath);
  r.err = Slurp(errPath);
  unlink(outPath);
  unlink(errPath);
  return r;
}

}  // namespace tk48::testing
