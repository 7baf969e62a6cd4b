#pragma once
#include <memory>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "cli/args.h"
#include "model/setting_data.h"

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
  std::span<const std::string_view> flags = {};  // its options without a value ("--json")
};

// The file commands (new, defaults, check, normalize, access-doc, pack, unpack, diff).
std::span<const Command> FileCommands();
// The device commands (status, download, upload, maint).
std::span<const Command> DeviceCommands();
// The CSV commands (csv-export, csv-import).
std::span<const Command> CsvCommands();
// The scripted edits (get, set, apply).
std::span<const Command> EditCommands();
// One device command over many devices (fleet).
std::span<const Command> FleetCommands();

// Reads a configuration file as "Read file" does: defaults first, then the
// text; nullptr after the message on stderr.
std::unique_ptr<SettingData> ReadRecordFile(const std::string& path, bool tagMessage = true);
// "find FILE TEXT|--path PATTERN|--refs CHANNEL": the fields that match.
int Find(const Args& args);
// "maint COMMAND ...": the maintenance commands.
int Maintenance(const Args& args);
// Builds the connection the transport options describe and runs `command` on
// it; the exit code (usage errors 2).
int WithDevice(const Args& args, const std::function<bool(DeviceContext&)>& command);

}  // namespace tk48::cli
