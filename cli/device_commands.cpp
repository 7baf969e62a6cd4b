// Commands that talk to a device (added with the device transfers).
#include "cli/commands.h"

namespace tk48::cli {

std::span<const Command> DeviceCommands() { return {}; }

}  // namespace tk48::cli
