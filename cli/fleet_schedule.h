#pragma once
// Runs one piece of work per device, each on its own thread: up to `jobs` at
// once, never two on the same serial port, started in the devices' order as
// far as that allows.
// Ctrl-C (SIGINT) stops the starting: the work in flight ends within its own
// bounds, and the devices not started by then end as not started. While the
// schedule runs, SIGINT reaches this process only through the schedule; no
// worker thread is ever interrupted by it.
#include <cstddef>
#include <functional>
#include <span>
#include <string>

namespace tk48::cli {

struct FleetHooks {
  // The device's work, on its own thread.
  std::function<void(std::size_t device)> work;
  // Called on the calling thread as each device ends, finished or (after a
  // SIGINT) not started; the report prints here.
  std::function<void(std::size_t device, bool started)> ended;
  // The device's progress line while it runs ("hall: downloading 40 kB"),
  // redrawn in place on stderr when stderr is a terminal; not asked otherwise.
  std::function<std::string(std::size_t device)> progress;
};

// `ports` holds a serial port's key for each USB device (its path resolved),
// empty for the others. True when it ran to the end without a SIGINT.
bool RunFleet(std::span<const std::string> ports, int jobs, const FleetHooks& hooks);

// The key two paths of one serial port share: the path with its links resolved.
std::string PortKey(const std::string& path);

}  // namespace tk48::cli
