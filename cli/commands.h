#pragma once
#include <span>
#include <string_view>

#include "cli/args.h"

namespace tk48::cli {

using CommandFn = int (*)(const Args& args);

struct Command {
  std::string_view name;
  std::string_view usage;
  std::size_t minArgs, maxArgs;  // positional arguments
  CommandFn run;
};

// The file commands (new, defaults, check, normalize, access-doc, pack, unpack, diff).
std::span<const Command> FileCommands();
// The device commands (status, download, upload).
std::span<const Command> DeviceCommands();

}  // namespace tk48::cli
