#pragma once
#include <chrono>
#include <memory>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "cli/args.h"
#include "link/connection.h"
#include "model/setting_data.h"
#include "port/ui_port.h"

namespace tk48 {
struct DeviceContext;
struct DeviceStatus;
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
using DeviceCommand = std::function<bool(DeviceContext&)>;
// Runs a command on a device and gives its exit code.
using DeviceRunner = std::function<int(const DeviceCommand&)>;

// "maint COMMAND ...": the maintenance commands, on the device the transport
// options name, or on the one `onDevice` runs them on (its usage errors before
// it is called).
int Maintenance(const Args& args);
int Maintenance(const Args& args, const DeviceRunner& onDevice);
// Builds the connection the transport options describe and runs `command` on
// it; the exit code (usage errors 2).
int WithDevice(const Args& args, const DeviceCommand& command);

// Where a device command goes: a serial device (USB), or a network host with
// the login for it.
struct DeviceTarget {
  bool usb = true;
  std::string path;  // USB: the serial device
  std::string host;  // network
  int port = kDefaultNetPort;
  Credentials credentials;  // network
};
// The bounds of --timeout S and --poll-limit S, unset where not given.
struct DeviceBounds {
  std::optional<std::chrono::seconds> timeout;
  std::optional<std::chrono::seconds> pollLimit;
};
// nullopt after the usage message.
std::optional<DeviceBounds> ParseBounds(const Args& args);
// "HOST" or "HOST:PORT" (port 1 to 65535).
bool ParseHost(const std::string& text, std::string& host, int& port);
// Runs `command` on a context of its own for `target` (a login state of this
// run only), talking through `ui`, which answers the login prompt.
bool RunOnDevice(const DeviceTarget& target, const DeviceBounds& bounds, UiPort& ui, const DeviceCommand& command);
// With a folder: the context's downloads and uploads are kept there as the
// desktop application keeps them, the device named by its serial path without
// "/dev/" or by its host.
void KeepBackupsIn(const std::optional<std::string>& folder, DeviceContext& ctx);
// "model: 0x3E\nTK48-G Ver. 2.0.0\nSD card: none\nlogging: stopped\n".
std::string StatusText(const DeviceStatus& status);
// The device's configuration file, read as "Download from device" reads it;
// nullopt after the messages.
std::optional<std::string> DownloadText(DeviceContext& ctx);
// A line from standard input after `prompt` on stderr, not echoed on a
// terminal (no prompt elsewhere); nullopt at the end of the input.
std::optional<std::string> ReadSecretLine(std::string_view prompt);
// The first line of a password file, read within the bounds of any input
// file; nullopt after the reason on stderr.
std::optional<std::string> PasswordFromFile(const std::string& path);

}  // namespace tk48::cli
