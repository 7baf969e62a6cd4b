// fleet: one device command over many devices.
#include "cli/commands.h"

namespace tk48::cli {

std::span<const Command> FleetCommands() { return {}; }

}  // namespace tk48::cli
