#include "cli/fleet_schedule.h"

#include <pthread.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

#include "model/text_codec.h"

namespace tk48::cli {
namespace {

constexpr auto kRedraw = std::chrono::milliseconds(250);

// SIGINT taken on a thread of its own while this lives. It is blocked here and
// so in every thread started after (they inherit the mask): a worker blocked
// in a read is never cut short by it, and the watcher's sigwait() takes it.
class InterruptWatch {
 public:
  explicit InterruptWatch(std::function<void()> onInterrupt) {
    sigemptyset(&set_);
    sigaddset(&set_, SIGINT);
    pthread_sigmask(SIG_BLOCK, &set_, &saved_);
    thread_ = std::thread([this, on = std::move(onInterrupt)] {
      for (int signal = 0; sigwait(&set_, &signal) == 0 && !over_;) on();
    });
  }
  ~InterruptWatch() {
    over_ = true;
    pthread_kill(thread_.native_handle(), SIGINT);  // wakes the watcher, which sees `over_`
    thread_.join();
    pthread_sigmask(SIG_SETMASK, &saved_, nullptr);
  }
  InterruptWatch(const InterruptWatch&) = delete;
  InterruptWatch& operator=(const InterruptWatch&) = delete;

 private:
  sigset_t set_{};
  sigset_t saved_{};
  std::atomic<bool> over_{false};
  std::thread thread_;
};

// The lines of the devices in flight at the bottom of a terminal, redrawn in
// place; nothing at all when stderr is no terminal.
class ProgressBlock {
 public:
  bool active() const { return terminal_; }
  void Clear() {
    if (shown_ > 0) std::fprintf(stderr, "\x1b[%dA\r\x1b[J", shown_);
    shown_ = 0;
  }
  void Draw(const std::vector<std::string>& lines) {
    Clear();
    winsize size{};
    const std::size_t width = ::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 1 ? size.ws_col - 1 : 79;
    for (const auto& line : lines) {
      // A line that wrapped would take two rows and spoil the next redraw.
      const std::size_t cut = WholeCharacterCut(line, width);
      std::fprintf(stderr, "%.*s\n", static_cast<int>(cut), line.c_str());
    }
    shown_ = static_cast<int>(lines.size());
    std::fflush(stderr);
  }

 private:
  bool terminal_ = ::isatty(STDERR_FILENO) != 0;
  int shown_ = 0;
};

enum class State { Waiting, Running, Ended };

}  // namespace

std::string PortKey(const std::string& path) {
  std::error_code ec;
  const auto resolved = std::filesystem::canonical(path, ec);
  return ec ? path : resolved.string();
}

bool RunFleet(std::span<const std::string> ports, int jobs, const FleetHooks& hooks) {
  const std::size_t count = ports.size();
  std::mutex mutex;
  std::condition_variable changed;
  std::vector<std::size_t> finished;  // by the workers, under `mutex`
  bool interrupted = false;           // by the watcher, under `mutex`

  // The rest belongs to this thread alone.
  std::vector<State> state(count, State::Waiting);
  std::vector<std::thread> threads(count);
  std::set<std::string> busyPorts;
  std::size_t running = 0;
  bool noted = false;
  ProgressBlock block;
  InterruptWatch watch([&] {
    const std::lock_guard lock(mutex);
    interrupted = true;
    changed.notify_one();
  });

  const auto startWhatMay = [&] {
    for (std::size_t i = 0; i < count && running < static_cast<std::size_t>(jobs); ++i) {
      if (state[i] != State::Waiting || (!ports[i].empty() && busyPorts.count(ports[i]))) continue;
      state[i] = State::Running;
      ++running;
      if (!ports[i].empty()) busyPorts.insert(ports[i]);
      threads[i] = std::thread([&, i] {
        hooks.work(i);
        const std::lock_guard lock(mutex);
        finished.push_back(i);
        changed.notify_one();
      });
    }
  };
  const auto progressLines = [&] {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < count; ++i)
      if (state[i] == State::Running) lines.push_back(hooks.progress(i));
    return lines;
  };

  std::unique_lock lock(mutex);
  for (;;) {
    if (!interrupted) startWhatMay();
    // Nothing in flight: every device has ended, or the rest may not start.
    if (running == 0) break;
    const auto news = [&] { return !finished.empty() || (interrupted && !noted); };
    if (block.active())
      changed.wait_for(lock, kRedraw, news);
    else
      changed.wait(lock, news);
    const bool note = interrupted && !noted;
    noted = noted || note;
    const auto done = std::move(finished);
    finished.clear();
    lock.unlock();

    for (const std::size_t i : done) {
      threads[i].join();
      state[i] = State::Ended;
      --running;
      if (!ports[i].empty()) busyPorts.erase(ports[i]);
    }
    if (note || !done.empty()) block.Clear();
    if (note)
      std::fprintf(stderr,
                   "tk48gcfg-cli: interrupted: no further device starts; %zu in flight end within their bounds\n",
                   running);
    for (const std::size_t i : done) hooks.ended(i, true);
    if (block.active()) block.Draw(progressLines());
    lock.lock();
  }
  const bool complete = !interrupted;
  lock.unlock();
  block.Clear();
  for (std::size_t i = 0; i < count; ++i)
    if (state[i] == State::Waiting) hooks.ended(i, false);
  return complete;
}

}  // namespace tk48::cli
