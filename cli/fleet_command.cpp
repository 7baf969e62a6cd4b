// fleet: one device command on many devices, several at a time, each on a
// thread of its own with its own connection, login and UI port. The link and
// the core keep nothing shared between devices (each has its own context,
// login state, session and port); the backups, which several devices may
// make under one name in one second, are written one at a time.
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <mutex>

#include "cli/cli_ui.h"
#include "cli/commands.h"
#include "cli/fleet_actions.h"
#include "cli/fleet_address_book.h"
#include "cli/fleet_devices.h"
#include "cli/fleet_passwords.h"
#include "cli/fleet_report.h"
#include "cli/fleet_schedule.h"
#include "cli/output.h"
#include "link/transfers.h"
#include "model/file_io.h"
#include "model/transfer_container.h"
#include "model/writer.h"

namespace tk48::cli {
namespace {

constexpr int kDefaultJobs = 4;
constexpr int kMostJobs = 64;
constexpr std::string_view kAddressBook = "address-book";
constexpr char kUsageLine[] = "usage: tk48gcfg-cli fleet COMMAND --devices FILE|address-book [-j N] [OPTIONS]\n";

// The options every fleet command takes; a command's own are in its row.
constexpr std::string_view kCommonOptions[] = {"--devices", "-j",           "--login",     "--password-file",
                                               "--timeout", "--poll-limit", "--backup-dir"};

// Everything refused before any device ends here: the reason is on stderr.
int NothingDone() {
  std::fputs(kUsageLine, stderr);
  return kExitUsage;
}

int UsageError(const std::string& what) {
  std::fprintf(stderr, "tk48gcfg-cli: %s\n", what.c_str());
  return NothingDone();
}

std::nullopt_t Refused(const std::string& what) {
  UsageError(what);
  return std::nullopt;
}

bool Takes(const FleetCommand* command, const std::string& option) {
  const auto among = [&](std::span<const std::string_view> list) {
    return std::find(list.begin(), list.end(), option) != list.end();
  };
  return among(kCommonOptions) || (command && among(command->options));
}

std::optional<int> Jobs(const Args& args) {
  const std::string text = args.Get("-j").value_or(std::to_string(kDefaultJobs));
  int jobs = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), jobs);
  if (ec != std::errc{} || end != text.data() + text.size() || jobs < 1 || jobs > kMostJobs) return std::nullopt;
  return jobs;
}

// The devices of --devices FILE or --devices address-book (whose devices take
// --login ID, unless they are only listed); nullopt after the reason.
std::optional<std::vector<FleetDevice>> ReadDevices(const Args& args, bool listOnly) {
  const auto source = args.Get("--devices");
  if (!source) return Refused("fleet needs --devices FILE or --devices address-book");
  const auto login = args.Get("--login");
  DevicesRead read;
  if (*source == kAddressBook) {
    if (!login && !listOnly) return Refused("--devices address-book needs --login ID for its devices");
    const std::string path = AddressBookPath();
    const FileRead file = ReadFileWithin(path, kTextBufferSize);
    if (!file.bytes) return Refused(RefusalText(file, path));
    read = AddressBookDevices(ParseQtIni(*file.bytes), login.value_or(""));
    if (read.fault.empty() && read.devices.empty()) read.fault = path + ": the address book holds no device";
  } else {
    if (login) return Refused("--login is for --devices address-book: a devices file names each login");
    const FileRead file = ReadFileWithin(*source, kTextBufferSize);
    if (!file.bytes) return Refused(RefusalText(file, *source));
    read = ParseDevices(*file.bytes, *source, std::filesystem::path(*source).parent_path().string());
    if (read.fault.empty() && read.devices.empty()) read.fault = *source + ": no device";
  }
  if (!read.fault.empty()) return Refused(read.fault);
  return std::move(read.devices);
}

// "fleet list": the devices as read, touching none.
int List(const std::vector<FleetDevice>& devices) {
  std::string out;
  for (const auto& d : devices) {
    out += d.name + ": ";
    out += d.target.usb
               ? "usb " + d.target.path
               : "net " + d.target.host + ":" + std::to_string(d.target.port) + " login " + d.target.credentials.login;
    out += "\n";
  }
  return PrintResult(out) ? kExitOk : kExitFailed;
}

// One backup at a time across the devices: two of them on one host (or on
// loopback) in one second would race for one backup's name.
void OneBackupAtATime(DeviceContext& ctx) {
  static std::mutex mutex;
  if (!ctx.keepBackup) return;
  ctx.keepBackup = [keep = std::move(ctx.keepBackup)](BackupKind kind, std::span<const std::uint8_t> file) {
    const std::lock_guard lock(mutex);
    keep(kind, file);
  };
}

// One device's run: its UI port, its step, and whether it succeeded.
struct DeviceRun {
  explicit DeviceRun(const FleetDevice& device)
      : ui(device.target.usb ? std::nullopt : std::optional(device.target.credentials)), step(device) {}
  DeviceUi ui;
  DeviceStep step;
  bool ok = false;
};

std::string ProgressLine(const DeviceRun& run) {
  const auto now = run.ui.Now();
  const Doing* doing = run.step.doing;
  std::string line = run.step.device.name + ": ";
  if (now.waiting || !doing) return line + "connecting";
  line += doing->what;
  if (!now.moving) return line;
  if (doing->ofLength && now.length > 0) return line + " " + std::to_string(now.done * 100 / now.length) + "%";
  return line + " " + std::to_string(now.done / 1024) + " kB";
}

DeviceOutcome OutcomeOf(DeviceRun& run, bool started) {
  DeviceOutcome outcome;
  if (!started) return outcome;
  outcome.end = run.ok ? DeviceOutcome::End::Ok : DeviceOutcome::End::Failed;
  outcome.summary = std::move(run.step.summary);
  outcome.details = std::move(run.step.details);
  outcome.messages = run.ui.Messages();
  return outcome;
}

int Fleet(const Args& args) {
  const std::string& name = args.positional[0];
  const std::span<const std::string> rest(args.positional.begin() + 1, args.positional.end());
  const auto table = FleetCommandTable();
  const auto row = std::find_if(table.begin(), table.end(), [&](const FleetCommand& c) { return c.name == name; });
  const FleetCommand* command = row == table.end() ? nullptr : &*row;
  if (!command && name != "list") return UsageError("no fleet command " + name);
  if (command && (rest.size() < command->minArgs || rest.size() > command->maxArgs))
    return UsageError("wrong number of arguments for fleet " + name);
  if (!command && !rest.empty()) return UsageError("fleet list takes no argument");
  for (const auto& [option, value] : args.options)
    if (!Takes(command, option)) return UsageError("fleet " + name + " does not take " + option);
  const auto jobs = Jobs(args);
  if (!jobs) return UsageError("-j takes 1 to 64 devices at a time");
  auto devices = ReadDevices(args, !command);
  if (!devices) return kExitUsage;
  if (!command) return List(*devices);

  const auto bounds = ParseBounds(args);
  if (!bounds) return NothingDone();
  const auto level = UploadLevel(args.Get("--level").value_or(std::to_string(kDefaultUploadLevel)));
  if (!level) return UsageError("--level takes a zlib level, 1 to 9");
  const auto action = command->prepare(rest, args);
  if (!action || !ReadPasswords(*devices, args.Get("--password-file"))) return NothingDone();

  std::deque<DeviceRun> runs;  // they stay where they are: threads hold them
  std::vector<std::string> ports, names;
  for (const auto& device : *devices) {
    runs.emplace_back(device);
    ports.push_back(device.target.usb ? PortKey(device.target.path) : std::string());
    names.push_back(device.name);
  }
  const auto backupDir = args.Get("--backup-dir");
  FleetReport report(std::move(names));
  FleetHooks hooks;
  hooks.work = [&](std::size_t i) {
    DeviceRun& run = runs[i];
    try {
      run.ok = RunOnDevice(run.step.device.target, *bounds, run.ui, [&](DeviceContext& ctx) {
        ctx.compressLevel = *level;
        KeepBackupsIn(backupDir, ctx);
        OneBackupAtATime(ctx);
        return (*action)(ctx, run.step);
      });
    } catch (const std::exception& e) {  // the device fails; the others go on
      run.ui.Message(e.what(), Icon::Error);
    }
  };
  hooks.ended = [&](std::size_t i, bool started) { report.Ended(i, OutcomeOf(runs[i], started)); };
  hooks.progress = [&](std::size_t i) { return ProgressLine(runs[i]); };
  RunFleet(ports, *jobs, hooks);
  return report.ExitStatus();
}

constexpr std::string_view kFlags[] = {"--force"};

constexpr Command kCommands[] = {
    {"fleet",
     "fleet COMMAND --devices FILE|address-book [-j N]  one device command on many devices, N at a time\n"
     "    (default 4, 1 to 64; never two at once on one serial port)\n"
     "    COMMAND: status | download DIR (each to DIR/<name>.xml) | upload FILE (the same to all)\n"
     "             | upload-each DIR (DIR/<name>.xml to each) | list (the devices as read; none is touched)\n"
     "             | apply CHANGES [--force] (download, apply as apply does, upload where something changed)\n"
     "             | maint COMMAND [ARGS] (maint log -o DIR: each log to DIR/<name>.log)\n"
     "    FILE: CSV, the header line name,transport,login,password_file, then a device a line;\n"
     "          transport usb:DEVICE or net:HOST[:PORT]; '#' starts a comment line; a name names files:\n"
     "          no '/', '\\', ':'; a relative password file is in FILE's folder\n"
     "    address-book: the desktop application's address book (~/.config/VELTRA/TK48GCFG.conf,\n"
     "          $XDG_CONFIG_HOME honoured) on its network port, each device with --login ID\n"
     "    PASSWORD: a row's password file, else --password-file FILE, else asked for each device;\n"
     "          a password file must be readable by you alone\n"
     "    --timeout S, --poll-limit S, --backup-dir DIR, --level N: as for one device\n"
     "    Prints a line per device, in FILE's order: \"NAME: ok ...\", \"NAME: failed: MESSAGE\", or\n"
     "    \"NAME: not started\" after Ctrl-C (which starts no further device; those in flight end).\n"
     "    Exit status: the devices that failed or did not start (at most 125). A fault found before any\n"
     "    device is touched (the command line, FILE, a file to read) exits 2 with \"usage:\" on stderr.",
     1, 6, Fleet, kFlags},
};

}  // namespace

std::span<const Command> FleetCommands() { return kCommands; }

}  // namespace tk48::cli
