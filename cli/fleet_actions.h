#pragma once
// What each fleet command does on one device, and what it checks and reads
// once, before any device is touched.
#include <atomic>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"
#include "cli/fleet_devices.h"

namespace tk48 {
struct DeviceContext;
}

namespace tk48::cli {

// What a device is doing, for its progress line: a transfer in progress shows
// its share of the length ("uploading 40%") or the bytes it moved ("downloading 38 kB").
struct Doing {
  std::string_view what;
  bool ofLength = false;
};

// One device's part of a fleet command.
struct DeviceStep {
  explicit DeviceStep(const FleetDevice& d) : device(d) {}
  const FleetDevice& device;
  std::atomic<const Doing*> doing{nullptr};  // read by the progress line from another thread
  std::string summary;                       // ok: on the device's line
  std::vector<std::string> details;          // ok: the lines under it
};

// Runs on the device's own context; false after the messages (through ctx.ui).
using FleetAction = std::function<bool(DeviceContext& ctx, DeviceStep& step)>;

struct FleetCommand {
  std::string_view name;
  std::size_t minArgs, maxArgs;               // after the name
  std::span<const std::string_view> options;  // beyond those every fleet command takes
  // The action for the command's arguments, all of them checked and its files
  // read; nullopt after the reason on stderr.
  std::optional<FleetAction> (*prepare)(std::span<const std::string> a, const Args& args);
};

// status, download, upload, upload-each, apply, maint.
std::span<const FleetCommand> FleetCommandTable();

}  // namespace tk48::cli
