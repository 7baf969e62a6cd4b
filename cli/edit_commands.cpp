// get, set and apply: scripted edits of a configuration file.
#include "cli/commands.h"

namespace tk48::cli {

std::span<const Command> EditCommands() { return {}; }

}  // namespace tk48::cli
