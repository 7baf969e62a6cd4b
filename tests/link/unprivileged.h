#pragma once
// Runs a piece of a test as a user that file permissions apply to: a child
// process that, when the tests run as root, drops to "nobody" first. What the
// child writes to stdout and stderr comes back with its exit status.
#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <pwd.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

namespace tk48::test {

struct ChildRun {
  int status = -1;  // exit status; -1 when it had to be killed or could not start
  std::string output;
};

// `work` returns the child's exit status; it may also exec another program.
inline ChildRun RunUnprivileged(const std::function<int()>& work,
                                std::chrono::seconds limit = std::chrono::seconds(30)) {
  ChildRun run;
  int pipeFds[2];
  if (pipe2(pipeFds, O_CLOEXEC) != 0) return run;
  std::fflush(nullptr);
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(pipeFds[1], STDOUT_FILENO);
    dup2(pipeFds[1], STDERR_FILENO);
    if (geteuid() == 0) {
      const passwd* nobody = getpwnam("nobody");
      const uid_t uid = nobody ? nobody->pw_uid : 65534;
      const gid_t gid = nobody ? nobody->pw_gid : 65534;
      if (setgroups(0, nullptr) != 0 || setgid(gid) != 0 || setuid(uid) != 0) _exit(125);
    }
    const int status = work();
    std::fflush(nullptr);
    _exit(status);
  }
  close(pipeFds[1]);
  if (pid < 0) {
    close(pipeFds[0]);
    return run;
  }
  const auto deadline = std::chrono::steady_clock::now() + limit;
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    pollfd p{pipeFds[0], POLLIN, 0};
    if (left.count() <= 0 || poll(&p, 1, static_cast<int>(left.count())) <= 0) {
      kill(pid, SIGKILL);
      break;
    }
    char chunk[4096];
    const ssize_t n = read(pipeFds[0], chunk, sizeof chunk);
    if (n <= 0) break;
    run.output.append(chunk, static_cast<std::size_t>(n));
  }
  close(pipeFds[0]);
  int wstatus = 0;
  waitpid(pid, &wstatus, 0);
  run.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
  return run;
}

// Makes `path` (a device node of ours) unreadable and unwritable for
// everybody; as root it also goes to the group "tty", so the group a message
// names is known. Returns that group's name.
inline std::string LockDevice(const std::string& path) {
  if (geteuid() == 0) {
    if (const group* tty = getgrnam("tty")) (void)chown(path.c_str(), static_cast<uid_t>(-1), tty->gr_gid);
  }
  chmod(path.c_str(), 0);
  struct stat info{};
  stat(path.c_str(), &info);
  const group* owner = getgrgid(info.st_gid);
  return owner ? owner->gr_name : std::to_string(info.st_gid);
}

}  // namespace tk48::test
