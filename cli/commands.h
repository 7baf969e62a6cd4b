#pragma once
#include <functional>
#include <span>
#include <string_view>

#include "cli/args.h"

namespace tk48 {
struct DeviceContext;
}

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
// The device commands (status, download, upload, maint).
std::span<const Command> DeviceCommands();
// "maint COMMAND ...": the maintenance commands.
int Maintenance(const Args& args);
// Builds the connection the transport options describe and runs `command` on
// it; the exit code (usage errors 2).
int WithDevice(const Args& args, const std::function<bool(DeviceContext&)>& command);

}  // namespace tk48::cli
