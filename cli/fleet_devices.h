#pragma once
// The devices of a fleet run, as a devices file lists them:
//   name,transport,login,password_file
//   boiler,usb:/dev/ttyUSB0,,
//   hall,net:192.168.0.20:30341,admin,hall.pw
// Every row is checked before any device is touched.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"

namespace tk48::cli {

struct FleetDevice {
  std::string name;          // also a file name: DIR/<name>.xml
  DeviceTarget target;       // a network row's login in target.credentials; its password read later
  std::string passwordFile;  // a network row's; empty: the run's --password-file, else asked
  std::string origin;        // where the row stands, for messages: "line 4", "DST7"
};

// Why `name` cannot name a device (and its files), or nullopt when it can: it
// may not be empty, ".", "..", longer than 200 bytes, nor hold '/', '\\', ':'
// or a control character.
std::optional<std::string> NameFault(std::string_view name);

// The rows of a devices file; `label` names the file in the faults. '#'
// starts a comment line; blank lines are skipped; a cell may be quoted as in
// any CSV file. A relative password file is taken from `folder`, the devices
// file's own. The first fault stops the reading: "devices.csv:4: ...".
struct DevicesRead {
  std::vector<FleetDevice> devices;
  std::string fault;  // empty when every row passed
};
DevicesRead ParseDevices(std::string_view text, const std::string& label, const std::string& folder);

// The device already read under `name`, or nullptr.
const FleetDevice* Named(const std::vector<FleetDevice>& devices, std::string_view name);

}  // namespace tk48::cli
