#pragma once
// The passwords of a fleet's network devices, all read before any device is
// touched: a row's password file, else the run's --password-file, else a line
// asked for each device (not echoed on a terminal). A password file must be a
// regular file that no one but its owner may read or write, as an ssh key
// must: the fleet reads it for many devices, unattended.
#include <optional>
#include <string>
#include <vector>

#include "cli/fleet_devices.h"

namespace tk48::cli {

// Fills target.credentials.password of every network device; false after the
// reason on stderr.
bool ReadPasswords(std::vector<FleetDevice>& devices, const std::optional<std::string>& runFile);

}  // namespace tk48::cli
