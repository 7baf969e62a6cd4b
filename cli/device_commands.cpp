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

// "HOST" or "HOST:PORT" (port 1 to 65535).
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

// A line from standard input; on a terminal it is asked for and not echoed.
std::optional<std::string> PasswordFromStdin() {
  termios saved{};
  const bool terminal = ::isatty(STDIN_FILENO) && ::tcgetattr(STDIN_FILENO, &saved) == 0;
  if (terminal) {
    termios quiet = saved;
    quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    std::fputs("Password: ", stderr);
  }
  auto line = ReadLine(stdin);
  if (terminal) {
    ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
    std::fputc('\n', stderr);
  }
  return line;
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
    auto line = PasswordFromStdin();
    if (!line) UsageError("--password - found no line on standard input");
    return line;
  }
  usage = false;
  const auto text = LoadInput(*file);
  if (!text) return std::nullopt;
  return WithoutLineEnd(text->substr(0, text->find('\n')));
}

// A bound given as "--name S" (whole seconds, 1 to 86400) goes to `apply`;
// false after the usage message when it is no such number.
bool Seconds(const Args& args, const char* name, const std::function<void(std::chrono::seconds)>& apply) {
  const auto text = args.Get(name);
  if (!text) return true;
  int seconds = 0;
  const auto [end, ec] = std::from_chars(text->data(), text->data() + text->size(), seconds);
  if (ec != std::errc{} || end != text->data() + text->size() || seconds < 1 || seconds > 86400) {
    std::fprintf(stderr, "tk48gcfg-cli: %s takes whole seconds, 1 to 86400\n", name);
    return false;
  }
  apply(std::chrono::seconds(seconds));
  return true;
}

}  // namespace

int WithDevice(const Args& args, const std::function<bool(DeviceContext&)>& command) {
  const auto usb = args.Get("--usb");
  const auto net = args.Get("--net");
  if (usb.has_value() == net.has_value()) return UsageError("give either --usb DEVICE or --net HOST[:PORT]");

  ConnectionSettings settings;
  ComPathResolver comPath;
  std::optional<Credentials> credentials;
  if (usb) {
    settings.usb = true;
    comPath = [path = *usb](int) { return std::optional<std::string>(path); };
  } else {
    std::string host;
    if (!ParseHost(*net, host, settings.netPort)) return UsageError("--net takes HOST or HOST:PORT");
    const auto login = args.Get("--login");
    if (!login) return UsageError("--net needs --login ID");
    bool usage = false;
    const auto password = Password(args, usage);
    if (!password) return usage ? kExitUsage : kExitFailed;
    settings.usb = false;
    settings.entryName = host;
    settings.addressBook[0] = {host, host};
    credentials = Credentials{*login, *password};
  }
  LoginState login;  // this run only; the password is never written anywhere
  CliUi ui(std::move(credentials));
  DeviceContext ctx{settings, login, ui, std::move(comPath)};
  ctx.tagMessage = true;
  if (!Seconds(args, "--timeout", [&](std::chrono::seconds s) {
        ctx.netOptions.connectTimeout = s;
        ctx.netOptions.receiveTimeout = s;
      }) ||
      !Seconds(args, "--poll-limit", [&](std::chrono::seconds s) { ctx.transferTiming.pollLimit = s; }))
    return kExitUsage;
  return command(ctx) ? kExitOk : kExitFailed;
}

namespace {

int Status(const Args& args) {
  return WithDevice(args, [](DeviceContext& ctx) {
    const auto status = ReadDeviceStatus(ctx);
    if (!status) return false;
    std::printf("model: 0x%02X\n%s\nSD card: %s\nlogging: %s\n", status->model, VersionText(*status).c_str(),
                status->sdCard() ? "inserted" : "none", status->logging() ? "running" : "stopped");
    return std::fflush(stdout) == 0;
  });
}

// "--backup-dir DIR": the download or upload is kept in DIR as the desktop
// application keeps it, under the same cap and as privately (a DIR others may
// read is named on stderr). USB names the device by its path without "/dev/",
// the network by its host.
void KeepBackupsAsAsked(const Args& args, DeviceContext& ctx) {
  const auto dir = args.Get("--backup-dir");
  if (!dir) return;
  BackupOrigin origin{BackupTransport::Network, ctx.settings.entryName};
  if (const auto usb = args.Get("--usb")) {
    constexpr std::string_view kDevFolder = "/dev/";
    const std::string_view path = *usb;
    origin = {BackupTransport::Usb, std::string(path.starts_with(kDevFolder) ? path.substr(kDevFolder.size()) : path)};
  }
  ctx.keepBackup = BackupInto(BackupStore(*dir, kDefaultBackupCapMb * kBytesPerMb), std::move(origin), ctx.ui);
}

int Download(const Args& args) {
  return WithDevice(args, [&](DeviceContext& ctx) {
    KeepBackupsAsAsked(args, ctx);
    auto record = NewSettingData();
    ApplyDefaults(*record);
    if (!DownloadSettings(*record, ctx)) return false;
    const auto text = ConfigurationText(*record, ctx.ui);
    return text && EmitDocument(args.Get("-o"), *text);
  });
}

int Upload(const Args& args) {
  const auto level = UploadLevel(args.Get("--level").value_or(std::to_string(kDefaultUploadLevel)));
  if (!level) return UsageError("--level takes a zlib level, 1 to 9");
  const auto text = LoadInput(args.positional[0]);
  if (!text) return kExitFailed;
  return WithDevice(args, [&](DeviceContext& ctx) {
    KeepBackupsAsAsked(args, ctx);
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
