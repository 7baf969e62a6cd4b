#pragma once
// The report of a fleet run: one line per device on stdout, in the devices'
// order, each printed as soon as it and every device before it have ended:
//   boiler: ok wrote configs/boiler.xml
//   hall: failed: Error: Login / Failed
//   roof: not started
// A reading of several lines (a maintenance table) follows its device's line,
// each line indented by four spaces. The messages of a device that succeeded
// (a warning) go to stderr, each line after the device's name.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tk48::cli {

struct DeviceOutcome {
  enum class End { NotStarted, Ok, Failed };
  End end = End::NotStarted;
  std::string summary;                // ok: what was done, on the device's line
  std::vector<std::string> details;   // ok: the lines under it
  std::vector<std::string> messages;  // the configurator's messages, in order
};

// The lines of `text` without their line ends (a last line end ends the last line).
std::vector<std::string> SplitLines(std::string_view text);

// The device's line: a failure carries its messages, their lines joined by " / ".
std::string ResultLine(const std::string& name, const DeviceOutcome& outcome);

class FleetReport {
 public:
  explicit FleetReport(std::vector<std::string> names);
  // Keeps device `i`'s outcome and prints every line now due.
  void Ended(std::size_t i, DeviceOutcome outcome);
  // The devices that did not succeed (failed or not started), at most 125.
  int ExitStatus() const;

 private:
  std::vector<std::string> names_;
  std::vector<DeviceOutcome> outcomes_;
  std::vector<bool> ended_;
  std::size_t printed_ = 0;
};

}  // namespace tk48::cli
