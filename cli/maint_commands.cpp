// "tk48gcfg-cli maint COMMAND": the maintenance menu on the command line. Each
// command runs on one connection (status check and login once), downloads the
// setting data first where the menu does (into its own record), and shows the
// menu's messages on stderr; reads print the screen's rows on stdout.
#include <charconv>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_ui.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "link/transfers.h"
#include "maintenance/date_time.h"
#include "maintenance/device_files.h"
#include "maintenance/menu_checks.h"
#include "maintenance/packages.h"
#include "maintenance/put_order.h"
#include "maintenance/replies.h"
#include "maintenance/schedule_files.h"
#include "maintenance/schedule_view.h"
#include "model/defaults.h"
#include "model/text_codec.h"
#include "model/transfer_container.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48::cli {
namespace {

using maint::File;
using Positional = std::vector<std::string>;  // the command's arguments after its name

// A failure of the command's arguments, found before any connection.
struct UsageFault {
  std::string what;
};

template <typename T>
T Number(std::string_view text, T lo, T hi, const char* what) {
  T value{};
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc{} || end != text.data() + text.size() || value < lo || value > hi)
    throw UsageFault{std::string(what) + " takes " + std::to_string(lo) + " to " + std::to_string(hi)};
  return value;
}

bool Print(const std::string& text) { return PrintResult(text); }

// One connected maintenance run.
struct Run {
  DeviceContext& ctx;
  DeviceSession session;
  bool tried = false;
  std::unique_ptr<SettingData> record;  // the maintenance copy, never a working record

  explicit Run(DeviceContext& c) : ctx(c), session(c) {}
  bool usb() const { return ctx.settings.usb; }

  // Connects on first use, once the command's arguments have passed their checks.
  bool Ready() {
    if (!session.connected() && !tried) tried = true, session.Connect();
    return session.connected();
  }
  std::optional<DeviceStatus> Status() { return Ready() ? std::optional(session.status()) : std::nullopt; }
  std::optional<std::vector<std::uint8_t>> Get(File f) {
    if (!Ready()) return std::nullopt;
    return session.Get(maint::FileOf(f).name, maint::Capacity(f, usb()));
  }
  bool Put(File f, std::span<const std::uint8_t> data) {
    return Ready() && session.Put(maint::FileOf(f).name, data, maint::FileOf(f).pollCode);
  }
  // The setting data first, as the menus that name channels, templates or units do.
  bool Download() {
    record = NewSettingData();
    ApplyDefaults(*record);
    const auto file = Ready() ? session.Get(kConfigFile, kReceiveBufferSize) : std::nullopt;
    return file && UnpackDownload(*file, *record, ctx.ui, ctx.tagMessage);
  }
  // The package uploads and resets put their steps through this.
  maint::PutFunction put() { return std::bind_front(&Run::Put, this); }
};

using Action = bool (*)(Run& run, const Positional& a, const Args& args);

struct MaintCommand {
  std::string_view name;
  std::string_view usage;
  std::size_t minArgs, maxArgs;
  Action run;  // nullptr: no device (view-pack)
};

bool Fixed(Run& run, File f) { return run.Put(f, maint::FixedPayload(f)); }

bool SetTime(Run& run, const Positional& a, const Args&) {
  std::optional<maint::DateTime> t = maint::LocalNow();
  if (!a.empty()) t = maint::CheckIsoDateTime(a[0], run.ctx.ui);
  return t && run.Put(File::Time, maint::TimePayload(*t));
}

bool Mac(Run& run, const Positional&, const Args&) {
  const auto reply = run.Get(File::Mac);
  const auto text = reply ? maint::MacText(*reply, run.ctx.ui) : std::nullopt;
  return text && Print(*text + "\n");
}

bool Version(Run& run, const Positional&, const Args&) {
  const auto status = run.Status();
  return status && Print(VersionText(*status) + "\n");
}

bool Log(Run& run, const Positional&, const Args& args) {
  const auto reply = run.Get(File::LogGet);
  return reply && EmitDocument(args.Get("-o"), maint::LogText(*reply));
}

bool LogReset(Run& run, const Positional&, const Args&) { return Fixed(run, File::LogReset); }

bool Preset(Run& run, const Positional& a, const Args&) {
  const int channel = Number(a[0], 1, kPiCount, "CH");
  if (!run.Download()) return false;
  const auto document = maint::PresetPayload(*run.record, channel, Utf8ToUtf16(a[1]), run.ctx.ui);
  return document && run.Put(File::Sum, {reinterpret_cast<const std::uint8_t*>(document->data()), document->size()});
}

bool InitMemory(Run& run, const Positional&, const Args&) { return Fixed(run, File::Mbclr); }
bool InitOpemon(Run& run, const Positional&, const Args&) {
  const auto status = run.Status();
  return status && maint::CheckOpemonVersion(status->major, run.ctx.ui) && Fixed(run, File::Opmnclr);
}

bool Disk(Run& run, const Positional&, const Args&) {
  const auto status = run.Status();
  if (!status || !maint::CheckSdCard(status->sdCard(), maint::SdUse::Disk, run.ctx.ui)) return false;
  const auto reply = run.Get(File::Sd);
  const auto text = reply ? maint::DiskReplyText(*reply, run.ctx.ui) : std::nullopt;
  return text && Print(*text + "\n");
}

bool FtpTest(Run& run, const Positional&, const Args&) {
  const auto status = run.Status();
  if (!status || (run.usb() && !maint::CheckSdCard(status->sdCard(), maint::SdUse::FtpTest, run.ctx.ui)))
    return false;
  return Fixed(run, File::Ftpc);
}

bool TestMail(Run& run, const Positional& a, const Args&) {
  const bool report = a[0] == "regular";
  const int number = report ? 0 : Number(a[0], 1, maint::kMailTemplates, "N");
  if (!run.Download()) return false;
  const auto byte = report ? maint::TestReportPayload(*run.record, run.ctx.ui)
                           : maint::TestMailPayload(*run.record, number, run.ctx.ui);
  return byte && run.Put(File::Mail, {&*byte, 1});
}

// "1=F 2=F 3=F": each slot once.
std::array<std::string, maint::kImageSlots> ImageSlots(const Positional& a) {
  std::array<std::string, maint::kImageSlots> slots;
  for (const auto& arg : a) {
    const auto eq = arg.find('=');
    if (eq != 1 || arg[0] < '1' || arg[0] > '3' || arg.size() < 3 || !slots[arg[0] - '1'].empty())
      throw UsageFault{"images takes SLOT=FILE, slots 1 to 3, each once"};
    slots[arg[0] - '1'] = arg.substr(2);
  }
  return slots;
}

bool Images(Run& run, const Positional& a, const Args&) {
  const auto packages = maint::BuildImagePackages(ImageSlots(a), run.ctx.ui);
  const auto compressed = packages ? maint::CompressImagePackages(*packages, run.ctx.ui) : std::nullopt;
  return compressed && !maint::UploadPackages(maint::kImagePackages, *compressed, run.put(), run.ctx.ui);
}
bool ImagesReset(Run& run, const Positional&, const Args&) {
  return maint::ResetPackages(maint::kImagePackages, run.put());
}

bool TrendClear(Run& run, const Positional& a, const Args&) {
  const int page = a[0] == "all" ? 0 : Number(a[0], 1, maint::kTrendPages, "PAGE");
  if (!run.Download()) return false;
  return run.Put(File::Trend, *maint::TrendPayload(page));
}

// Toggles as the device's running flag says, not as the setting data does.
bool Logging(Run& run, const Positional&, const Args&) {
  if (!run.Download() || !maint::CheckLoggingEnabled(*run.record, run.ctx.ui) ||
      !maint::CheckSdCard(run.session.status().sdCard(), maint::SdUse::Disk, run.ctx.ui))
    return false;
  const bool running = run.session.status().logging();  // Download connected
  return run.Put(File::Lgng, maint::NextLoggingStep(running).payload) &&
         Print(running ? "logging stopped\n" : "logging started\n");
}

bool EventClear(Run& run, const Positional&, const Args&) { return Fixed(run, File::Eveclr); }

bool View(Run& run, const Positional& a, const Args&) {
  const auto packages = maint::BuildViewPackages(a[0], run.ctx.ui);
  const auto compressed = packages ? maint::CompressViewPackages(*packages, run.ctx.ui) : std::nullopt;
  return compressed && !maint::UploadPackages(maint::kViewPackages, *compressed, run.put(), run.ctx.ui);
}
bool ViewReset(Run& run, const Positional&, const Args&) {
  return maint::ResetPackages(maint::kViewPackages, run.put());
}
bool Restart(Run& run, const Positional&, const Args&) { return Fixed(run, File::Ope); }

bool UnitUsable(Run& run, int unit) {
  if (maint::UnitInUse(*run.record, unit)) return true;
  run.ctx.ui.Message(FormatText(text::kUnitNotInUse, unit), Icon::Error);
  return false;
}

void PrintDays(const std::vector<maint::DayRow>& rows) {
  std::string out;
  for (std::size_t i = 0; i < rows.size(); ++i)
    out += std::to_string(i + 1) + "\t" + rows[i].date + "\t" + rows[i].pattern + "\t" + rows[i].name + "\n";
  Print(out);
}

// The one-time days of a unit; with DAY PATTERN, that day takes the pattern first.
bool OneTime(Run& run, const Positional& a, const Args&) {
  const int unit = Number(a[0], 1, maint::kUnits, "UNIT");
  if (a.size() == 2) throw UsageFault{"onetime takes UNIT, or UNIT DAY PATTERN"};
  const int day = a.size() > 1 ? Number(a[1], 1, maint::kOneTimeDays, "DAY") : 0;
  const int pattern = a.size() > 2 ? Number(a[2], 0, maint::kPatterns, "PATTERN") : 0;
  if (!run.Download() || !UnitUsable(run, unit)) return false;
  // Both files: a day that is a permanent date must not change.
  const auto oneTimeBytes = run.Get(File::PatternGet);
  if (!oneTimeBytes) return false;
  const auto permanentBytes = run.Get(File::SchperGet);
  if (!permanentBytes) return false;
  auto oneTime = maint::UnpackOneTime(*oneTimeBytes, run.ctx.ui);
  const auto permanent = oneTime ? maint::UnpackPermanent(*permanentBytes, run.ctx.ui) : std::nullopt;
  if (!permanent) return false;
  auto& days = oneTime->units[unit - 1];
  if (day) {
    auto& d = days[day - 1];
    if (!maint::CheckOneTimeChange(d, permanent->units[unit - 1], run.ctx.ui)) return false;
    if (!run.Put(File::Pattern, maint::Payload(maint::PatternPut{{d.year, d.month, d.day}, unit, pattern})))
      return false;
    d.pattern = static_cast<std::uint16_t>(pattern);
  }
  PrintDays(maint::OneTimeRows(*run.record, days));
  return true;
}

// "Y/M/D" as numbers (the date check follows).
maint::DateTime ParseDate(const std::string& text) {
  maint::DateTime d;
  const auto s1 = text.find('/');
  const auto s2 = text.find('/', s1 == std::string::npos ? s1 : s1 + 1);
  if (s2 == std::string::npos) throw UsageFault{"a date is Y/M/D"};
  d.year = Number(std::string_view(text).substr(0, s1), 0, 9999, "the year");
  d.month = Number(std::string_view(text).substr(s1 + 1, s2 - s1 - 1), 0, 99, "the month");
  d.day = Number(std::string_view(text).substr(s2 + 1), 0, 99, "the day");
  return d;
}

bool Permanent(Run& run, const Positional& a, const Args&) {
  const int unit = Number(a[0], 1, maint::kUnits, "UNIT");
  if (a.size() != 1 && a.size() != 4) throw UsageFault{"permanent takes UNIT, or UNIT ENTRY Y/M/D PATTERN"};
  const int entry = a.size() > 1 ? Number(a[1], 1, maint::kPermanentEntries, "ENTRY") : 0;
  const auto date = a.size() > 1 ? ParseDate(a[2]) : maint::DateTime{};
  const int pattern = a.size() > 1 ? Number(a[3], 0, maint::kPatterns, "PATTERN") : 0;
  if (!run.Download() || !UnitUsable(run, unit)) return false;
  const auto bytes = run.Get(File::SchperGet);
  auto permanent = bytes ? maint::UnpackPermanent(*bytes, run.ctx.ui) : std::nullopt;
  if (!permanent) return false;
  auto& entries = permanent->units[unit - 1];
  if (entry) {
    if (!maint::CheckPermanentChange(entries, entry, date, run.ctx.ui)) return false;
    if (!run.Put(File::Schper, maint::Payload(maint::PermanentPut{date, unit, entry, pattern}))) return false;
    maint::DeviceSchedule local;  // the device's own rule for the entry's fields
    local.permanent = *permanent;
    local.Apply(maint::PermanentPut{date, unit, entry, pattern});
    entries = local.permanent.units[unit - 1];
  }
  PrintDays(maint::PermanentRows(*run.record, entries));
  return true;
}

bool Outputs(Run& run, const Positional& a, const Args&) {
  if (a.size() != 0 && a.size() != 3) throw UsageFault{"outputs takes nothing, or MD|DO CH SCH|ON|OFF"};
  std::optional<maint::OutputTypePut> change;
  if (!a.empty()) {
    if (a[0] != "MD" && a[0] != "DO") throw UsageFault{"outputs changes MD or DO"};
    const bool isDo = a[0] == "DO";
    const auto type = maint::OutputTypeFromText(a[2]);
    if (!type) throw UsageFault{"the output type is SCH, ON or OFF"};
    change = maint::OutputTypePut{isDo ? maint::kFamilyDo : maint::kFamilyMd,
                                  Number(a[1], 1, isDo ? kDoCount : kMdCount, "CH"), *type};
  }
  if (!run.Download()) return false;
  const auto bytes = run.Get(File::SchmntGet);
  auto types = bytes ? maint::UnpackOutputTypes(*bytes, run.ctx.ui) : std::nullopt;
  if (!types) return false;
  if (change) {
    const auto listed = maint::ListedOutputs(*run.record, *types);
    const auto& channels = change->family == maint::kFamilyDo ? listed.dout : listed.md;
    if (std::find(channels.begin(), channels.end(), change->channel) == channels.end()) {
      run.ctx.ui.Message(FormatText(text::kOutputNotScheduled, a[0].c_str(), change->channel), Icon::Error);
      return false;
    }
    if (!run.Put(File::Schmnt, maint::Payload(*change))) return false;
    types->SetType(change->family, change->channel, change->type);
  }
  std::string out;
  for (const auto& [family, label] : {std::pair{maint::kFamilyMd, "MD"}, std::pair{maint::kFamilyDo, "DO"}})
    for (const auto& row : maint::OutputTypeRows(*run.record, *types, family))
      out += std::string(label) + "\t" + std::to_string(row.channel) + "\t" + row.name + "\t" + row.comment + "\t" +
             row.type + "\n";
  return Print(out);
}

constexpr MaintCommand kMaintCommands[] = {
    {"time", "time [YYYY-MM-DDThh:mm:ss]   set the device clock (default: this computer's local time)", 0, 1, SetTime},
    {"mac", "mac                          the MAC address", 0, 0, Mac},
    {"version", "version                      the firmware version", 0, 0, Version},
    {"log", "log [-o OUT]                 the system log", 0, 0, Log},
    {"log-reset", "log-reset                    reset the system log", 0, 0, LogReset},
    {"preset", "preset CH VALUE              preset the count of PI channel CH", 2, 2, Preset},
    {"init-memory", "init-memory                  initialize the memory block (the device restarts)", 0, 0, InitMemory},
    {"init-opemon", "init-opemon                  initialize the process operation data", 0, 0, InitOpemon},
    {"disk", "disk                         the free SD card capacity", 0, 0, Disk},
    {"ftp-test", "ftp-test                     the FTP client test", 0, 0, FtpTest},
    {"test-mail", "test-mail N|regular          a test mail of template N (1 to 128) or the regular report", 1, 1,
     TestMail},
    {"images", "images [1=F] [2=F] [3=F]     upload user images", 1, 3, Images},
    {"images-reset", "images-reset                 remove the user images", 0, 0, ImagesReset},
    {"trend-clear", "trend-clear PAGE|all         clear the trend data of a page (1 to 16) or all pages", 1, 1,
     TrendClear},
    {"logging", "logging                      start or stop logging, as the device is now", 0, 0, Logging},
    {"event-clear", "event-clear                  clear the event log", 0, 0, EventClear},
    {"view", "view FOLDER                  upload FOLDER as the user defined browser view", 1, 1, View},
    {"view-reset", "view-reset                   remove the user defined browser view", 0, 0, ViewReset},
    {"view-pack", "view-pack FOLDER -o DIR      write the browser view packages into DIR (no device)", 1, 1, nullptr},
    {"restart", "restart                      restart the device", 0, 0, Restart},
    {"onetime", "onetime UNIT [DAY PATTERN]   a unit's next seven days; DAY (1 to 7) takes PATTERN (0 to 64)", 1, 3,
     OneTime},
    {"permanent", "permanent UNIT [ENTRY Y/M/D PATTERN]  a unit's permanent entries; ENTRY (1 to 10) takes a date",
     1, 4, Permanent},
    {"outputs", "outputs [MD|DO CH SCH|ON|OFF]  the scheduled outputs and their types; change one", 0, 3, Outputs},
};

void MaintUsage(std::FILE* to) {
  std::fputs("usage: tk48gcfg-cli maint COMMAND [ARGS] TRANSPORT\n\ncommands:\n", to);
  for (const auto& c : kMaintCommands) std::fprintf(to, "  %.*s\n", static_cast<int>(c.usage.size()), c.usage.data());
}

int ViewPack(const Positional& a, const Args& args) {
  const auto out = args.Get("-o");
  if (!out) return std::fputs("tk48gcfg-cli: view-pack needs -o DIR\n", stderr), kExitUsage;
  CliUi ui;
  const auto packages = maint::BuildViewPackages(a[0], ui);
  return packages && maint::SaveViewPackages(*packages, *out, ui) ? kExitOk : kExitFailed;
}

}  // namespace

int Maintenance(const Args& args) {
  return Maintenance(args, [&](const DeviceCommand& command) { return WithDevice(args, command); });
}

int Maintenance(const Args& args, const DeviceRunner& onDevice) {
  const std::string& name = args.positional[0];
  if (name == "help") return MaintUsage(stdout), kExitOk;
  for (const auto& c : kMaintCommands) {
    if (c.name != name) continue;
    const Positional rest(args.positional.begin() + 1, args.positional.end());
    if (rest.size() < c.minArgs || rest.size() > c.maxArgs) {
      std::fprintf(stderr, "usage: tk48gcfg-cli maint %.*s\n", static_cast<int>(c.usage.size()), c.usage.data());
      return kExitUsage;
    }
    try {
      if (!c.run) return ViewPack(rest, args);
      // The arguments are checked before any connection.
      return onDevice([&](DeviceContext& ctx) {
        Run run(ctx);
        return c.run(run, rest, args);
      });
    } catch (const UsageFault& fault) {
      std::fprintf(stderr, "tk48gcfg-cli: %s\n", fault.what.c_str());
      return kExitUsage;
    }
  }
  std::fprintf(stderr, "tk48gcfg-cli: unknown maint command %s\n", name.c_str());
  MaintUsage(stderr);
  return kExitUsage;
}

}  // namespace tk48::cli
