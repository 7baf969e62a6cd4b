// Commands that talk to a device: over USB (--usb DEVICE, a serial device
// path) or the network (--net HOST[:PORT] with --login ID and a password from
// --password-file FILE, --password - (standard input) or --password PW).
// Each runs the configurator's own sequence and shows its messages on stderr.
#include <termios.h>
#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

#include "cli/cli_ui.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "link/transfer_backup.h"
#include "link/transfers.h"
#include "model/defaults.h"
#include "model/transfer_container.h"
#include "model/writer.h"

namespace tk48::cli {
namespace {

int UsageError(const char* what) {
  std::fprintf(stderr, "tk48gcfg-cli: %s\n", what);
  return kExitUsage;
}

std::string WithoutLineEnd(std::string line) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

// One line without its line end; nullopt at the end of the input.
std::optional<std::string> ReadLine(std::FILE* in) {
  std::string line;
  int c = 0;
  while ((c = std::fgetc(in)) != EOF && c != '\n') line += static_cast<char>(c);
  if (c == EOF && line.empty()) return std::nullopt;
  return WithoutLineEnd(std::move(line));
}

// The password of --password-file FILE (its first line), --password - or
// --password PW; exactly one of them. nullopt after its message: `usage` tells
// a usage error from a file that could not be read.
std::optional<std::string> Password(const Args& args, bool& usage) {
  const auto given = args.Get("--password");
  const auto file = args.Get("--password-file");
  usage = true;
  if (given.has_value() == file.has_value()) {
    UsageError("--net needs one of --password-file FILE, --password - or --password PW");
    return std::nullopt;
  }
  if (given && *given != "-") return given;
  if (given) {
    auto line = ReadSecretLine("Password: ");
    if (!line) UsageError("--password - found no line on standard input");
    return line;
  }
  usage = false;
  return PasswordFromFile(*file);
}

// A bound given as "--name S" (whole seconds, 1 to 86400); nullopt when not
// given, false after the usage message when it is no such number.
bool Seconds(const Args& args, const char* name, std::optional<std::chrono::seconds>& bound) {
  const auto text = args.Get(name);
  if (!text) return true;
  int seconds = 0;
  const auto [end, ec] = std::from_chars(text->data(), text->data() + text->size(), seconds);
  if (ec != std::errc{} || end != text->data() + text->size() || seconds < 1 || seconds > 86400) {
    std::fprintf(stderr, "tk48gcfg-cli: %s takes whole seconds, 1 to 86400\n", name);
    return false;
  }
  bound = std::chrono::seconds(seconds);
  return true;
}

// The target the transport options name; nullopt with the exit code in `exit`.
std::optional<DeviceTarget> TargetFromArgs(const Args& args, int& exit) {
  exit = kExitUsage;
  const auto usb = args.Get("--usb");
  const auto net = args.Get("--net");
  const auto refuse = [](const char* what) {
    UsageError(what);
    return std::nullopt;
  };
  if (usb.has_value() == net.has_value()) return refuse("give either --usb DEVICE or --net HOST[:PORT]");
  DeviceTarget target;
  target.usb = usb.has_value();
  if (usb) {
    target.path = *usb;
    return target;
  }
  if (!ParseHost(*net, target.host, target.port)) return refuse("--net takes HOST or HOST:PORT");
  const auto login = args.Get("--login");
  if (!login) return refuse("--net needs --login ID");
  bool usage = false;
  const auto password = Password(args, usage);
  if (!password) {
    exit = usage ? kExitUsage : kExitFailed;
    return std::nullopt;
  }
  target.credentials = Credentials{*login, *password};
  return target;
}

}  // namespace

bool ParseHost(const std::string& text, std::string& host, int& port) {
  const auto colon = text.rfind(':');
  host = text.substr(0, colon);
  port = kDefaultNetPort;
  if (colon != std::string::npos) {
    const char* first = text.data() + colon + 1;
    const char* last = text.data() + text.size();
    const auto [end, ec] = std::from_chars(first, last, port);
    if (ec != std::errc{} || end != last || port < 1 || port > 65535) return false;
  }
  return !host.empty();
}

std::optional<std::string> ReadSecretLine(std::string_view prompt) {
  termios saved{};
  const bool terminal = ::isatty(STDIN_FILENO) && ::tcgetattr(STDIN_FILENO, &saved) == 0;
  if (terminal) {
    termios quiet = saved;
    quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    std::fwrite(prompt.data(), 1, prompt.size(), stderr);
  }
  auto line = ReadLine(stdin);
  if (terminal) {
    ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
    std::fputc('\n', stderr);
  }
  return line;
}

std::optional<std::string> PasswordFromFile(const std::string& path) {
  const auto text = LoadInput(path);
  if (!text) return std::nullopt;
  return WithoutLineEnd(text->substr(0, text->find('\n')));
}

std::optional<DeviceBounds> ParseBounds(const Args& args) {
  DeviceBounds bounds;
  if (!Seconds(args, "--timeout", bounds.timeout) || !Seconds(args, "--poll-limit", bounds.pollLimit))
    return std::nullopt;
  return bounds;
}

bool RunOnDevice(const DeviceTarget& target, const DeviceBounds& bounds, UiPort& ui, const DeviceCommand& command) {
  ConnectionSettings settings;
  ComPathResolver comPath;
  settings.usb = target.usb;
  if (target.usb) {
    comPath = [path = target.path](int) { return std::optional<std::string>(path); };
  } else {
    settings.netPort = target.port;
    settings.entryName = target.host;
    settings.addressBook[0] = {target.host, target.host};
  }
  LoginState login;  // this run only; the password is never written anywhere
  DeviceContext ctx{settings, login, ui, std::move(comPath)};
  ctx.tagMessage = true;
  ctx.transferTiming.workerPause = {};  // no progress dialog waits to show the end
  if (bounds.timeout) {
    ctx.netOptions.connectTimeout = *bounds.timeout;
    ctx.netOptions.receiveTimeout = *bounds.timeout;
  }
  if (bounds.pollLimit) ctx.transferTiming.pollLimit = *bounds.pollLimit;
  return command(ctx);
}

int WithDevice(const Args& args, const DeviceCommand& command) {
  int exit = kExitUsage;
  const auto target = TargetFromArgs(args, exit);
  if (!target) return exit;
  const auto bounds = ParseBounds(args);
  if (!bounds) return kExitUsage;
  CliUi ui(target->usb ? std::nullopt : std::optional(target->credentials));
  return RunOnDevice(*target, *bounds, ui, command) ? kExitOk : kExitFailed;
}

std::string StatusText(const DeviceStatus& status) {
  char head[32];
  std::snprintf(head, sizeof head, "model: 0x%02X\n", status.model);
  return head + VersionText(status) + "\nSD card: " + (status.sdCard() ? "inserted" : "none") +
         "\nlogging: " + (status.logging() ? "running" : "stopped") + "\n";
}

// The backup is kept under the same cap as the desktop application's and as
// privately (a folder others may read is named through the UI port).
void KeepBackupsIn(const std::optional<std::string>& folder, DeviceContext& ctx) {
  if (!folder) return;
  BackupOrigin origin{BackupTransport::Network, ctx.settings.entryName};
  if (ctx.settings.usb) {
    constexpr std::string_view kDevFolder = "/dev/";
    const std::string path = ctx.comPath ? ctx.comPath(ctx.settings.comPort).value_or("") : "";
    const std::string_view name = path;
    origin = {BackupTransport::Usb, std::string(name.starts_with(kDevFolder) ? name.substr(kDevFolder.size()) : name)};
  }
  ctx.keepBackup = BackupInto(BackupStore(*folder, kDefaultBackupCapMb * kBytesPerMb), std::move(origin), ctx.ui);
}

std::optional<std::string> DownloadText(DeviceContext& ctx) {
  auto record = NewSettingData();
  ApplyDefaults(*record);
  if (!DownloadSettings(*record, ctx)) return std::nullopt;
  return ConfigurationText(*record, ctx.ui);
}

namespace {

int Status(const Args& args) {
  return WithDevice(args, [](DeviceContext& ctx) {
    const auto status = ReadDeviceStatus(ctx);
    return status && PrintResult(StatusText(*status));
  });
}

int Download(const Args& args) {
  return WithDevice(args, [&](DeviceContext& ctx) {
    KeepBackupsIn(args.Get("--backup-dir"), ctx);
    const auto text = DownloadText(ctx);
    return text && EmitDocument(args.Get("-o"), *text);
  });
}

int Upload(const Args& args) {
  const auto level = UploadLevel(args.Get("--level").value_or(std::to_string(kDefaultUploadLevel)));
  if (!level) return UsageError("--level takes a zlib level, 1 to 9");
  const auto text = LoadInput(args.positional[0]);
  if (!text) return kExitFailed;
  return WithDevice(args, [&](DeviceContext& ctx) {
    KeepBackupsIn(args.Get("--backup-dir"), ctx);
    ctx.compressLevel = *level;
    auto record = NewSettingData();
    return LoadSettingsText(*record, *text, ctx.ui, ctx.tagMessage) && UploadSettings(*record, ctx);
  });
}

constexpr Command kCommands[] = {
    {"status",
     "status TRANSPORT               the device's model, firmware version, SD card and logging flags\n"
     "    TRANSPORT: --usb DEVICE | --net HOST[:PORT] --login ID PASSWORD (port 30341 by default)\n"
     "    PASSWORD: --password-file FILE (its first line) | --password - (a line from standard input)\n"
     "              | --password PW (seen by other users of the machine)\n"
     "    --timeout S: network connect and receive bound (default 10 s and 30 s)\n"
     "    --poll-limit S: how long a USB device may stay \"processing\" after an upload (default 300 s)",
     0, 0, Status},
    {"download",
     "download TRANSPORT [-o OUT]    the device's configuration file (\"CONFIG_P\")\n"
     "    --backup-dir DIR: also keep it in DIR as the configurator's backups are kept (download and upload),\n"
     "                      readable by you alone: a backup holds the device's passwords",
     0, 0, Download},
    {"upload",
     "upload TRANSPORT FILE          read FILE and upload it as the device's configuration\n"
     "    --level N: its zlib level, 1 to 9 (default 9, the fewest bytes; 6 gives zlib's default stream)",
     1, 1, Upload},
    {"maint",
     "maint COMMAND [ARGS] TRANSPORT  a maintenance command (\"maint help\" lists them)", 1, 6, Maintenance},
};

}  // namespace

std::span<const Command> DeviceCommands() { return kCommands; }

}  // namespace tk48::cli
