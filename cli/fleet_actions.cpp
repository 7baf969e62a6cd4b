#include "cli/fleet_actions.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "cli/cli_ui.h"
#include "cli/fleet_report.h"
#include "cli/output.h"
#include "link/transfers.h"
#include "model/defaults.h"
#include "model/file_io.h"
#include "query/field_edit.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48::cli {
namespace {

constexpr Doing kStatus{"status"};
constexpr Doing kDownloading{"downloading"};
constexpr Doing kUploading{"uploading", true};
constexpr Doing kMaint{"maint"};

// Maintenance commands that write a document (-o), and those with no device.
constexpr std::string_view kMaintDocuments[] = {"log"};
constexpr std::string_view kMaintWithoutDevice[] = {"help", "view-pack"};

template <std::size_t N>
bool Among(const std::string& name, const std::string_view (&names)[N]) {
  return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

std::nullopt_t Refuse(const std::string& what) {
  std::fprintf(stderr, "tk48gcfg-cli: %s\n", what.c_str());
  return std::nullopt;
}

// A folder that the files of every device go into or come from.
bool IsFolder(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string FileFor(const std::string& folder, const FleetDevice& device, std::string_view extension) {
  return folder + "/" + device.name + std::string(extension);
}

// The lines of a reading: one stands on the device's line, more go under it.
void Report(std::string_view printed, DeviceStep& step) {
  auto lines = SplitLines(printed);
  if (lines.size() == 1)
    step.summary = std::move(lines.front());
  else
    step.details = std::move(lines);
}

// The record to upload, read as "Read file" reads it; its messages on stderr.
std::unique_ptr<SettingData> ReadUpload(const std::string& path) {
  const auto text = LoadInput(path);
  if (!text) return nullptr;
  auto record = NewSettingData();
  CliUi ui;
  return LoadSettingsText(*record, *text, ui, true) ? std::move(record) : nullptr;
}

bool WriteDocument(const std::string& path, std::string_view text, UiPort& ui) {
  if (WriteFileAtomically(path, text)) return true;
  ui.Message(LoadText(text::kFailedToSaveFile), Icon::Error);
  return false;
}

// ---- The commands ----------------------------------------------------------

std::optional<FleetAction> Status(std::span<const std::string>, const Args&) {
  return [](DeviceContext& ctx, DeviceStep& step) {
    step.doing = &kStatus;
    const auto status = ReadDeviceStatus(ctx);
    if (!status) return false;
    // The single device's lines, on one line.
    for (const auto& line : SplitLines(StatusText(*status))) step.summary += (step.summary.empty() ? "" : ", ") + line;
    return true;
  };
}

std::optional<FleetAction> Download(std::span<const std::string> a, const Args&) {
  if (!IsFolder(a[0])) return Refuse(a[0] + " is no folder");
  return [folder = a[0]](DeviceContext& ctx, DeviceStep& step) {
    step.doing = &kDownloading;
    const auto text = DownloadText(ctx);
    const std::string path = FileFor(folder, step.device, ".xml");
    if (!text || !WriteDocument(path, *text, ctx.ui)) return false;
    step.summary = "wrote " + path;
    return true;
  };
}

std::optional<FleetAction> Upload(std::span<const std::string> a, const Args&) {
  std::shared_ptr<const SettingData> record = ReadUpload(a[0]);
  if (!record) return std::nullopt;
  return [record, file = a[0]](DeviceContext& ctx, DeviceStep& step) {
    step.doing = &kUploading;
    if (!UploadSettings(*record, ctx)) return false;
    step.summary = "uploaded " + file;
    return true;
  };
}

std::optional<FleetAction> UploadEach(std::span<const std::string> a, const Args&) {
  if (!IsFolder(a[0])) return Refuse(a[0] + " is no folder");
  return [folder = a[0]](DeviceContext& ctx, DeviceStep& step) {
    const std::string path = FileFor(folder, step.device, ".xml");
    const FileRead read = ReadConfigurationFile(path);
    if (!read.bytes) {
      ctx.ui.Message(RefusalText(read, path), Icon::Error);
      return false;
    }
    auto record = NewSettingData();
    if (!LoadSettingsText(*record, *read.bytes, ctx.ui, ctx.tagMessage)) return false;
    step.doing = &kUploading;
    if (!UploadSettings(*record, ctx)) return false;
    step.summary = "uploaded " + path;
    return true;
  };
}

// The changes are read and checked once; each device's configuration is
// downloaded, changed as `apply` changes a file, and uploaded only when
// something changed.
std::optional<FleetAction> Apply(std::span<const std::string> a, const Args& args) {
  const auto text = LoadInput(a[0]);
  if (!text) return std::nullopt;
  auto list = ParseChanges(*text);
  for (const auto& refusal : list.refused) std::fprintf(stderr, "%s\n", RefusalLine(refusal).c_str());
  if (!list.refused.empty()) return std::nullopt;
  if (list.changes.empty()) return Refuse(a[0] + " holds no change");
  return [changes = std::move(list.changes), force = args.Has("--force")](DeviceContext& ctx, DeviceStep& step) {
    step.doing = &kDownloading;
    auto record = NewSettingData();
    ApplyDefaults(*record);
    if (!DownloadSettings(*record, ctx)) return false;
    const EditOutcome outcome = ApplyChanges(*record, changes, force);
    for (const auto& refusal : outcome.refused) ctx.ui.Message(RefusalLine(refusal), Icon::Error);
    if (!outcome.ok()) return false;
    if (!outcome.changed.empty()) {
      step.doing = &kUploading;
      if (!UploadSettings(*record, ctx)) return false;
    }
    step.summary = ChangeSummary(outcome.changed);
    return true;
  };
}

// The maintenance command's own arguments, and -o DIR for one that writes a
// document: each device's into DIR/<name>.log.
Args MaintArgs(std::span<const std::string> a, const std::optional<std::string>& folder, const FleetDevice* device) {
  Args maint;
  maint.positional.assign(a.begin(), a.end());
  if (folder && device) maint.options["-o"] = FileFor(*folder, *device, ".log");
  return maint;
}

// The command runs once on no device before any device: its arguments are
// checked then, as on one device, and its connection fails at once, quietly
// (a USB port without a path opens nothing).
bool MaintArgumentsPass(const Args& maint) {
  return Maintenance(maint, [](const DeviceCommand& command) {
           DeviceUi quiet;
           RunOnDevice(DeviceTarget{}, DeviceBounds{}, quiet, command);
           return kExitFailed;
         }) != kExitUsage;
}

std::optional<FleetAction> Maint(std::span<const std::string> a, const Args& args) {
  const auto folder = args.Get("-o");
  if (Among(a[0], kMaintWithoutDevice)) return Refuse("maint " + a[0] + " touches no device: run it alone");
  if (Among(a[0], kMaintDocuments) != folder.has_value())
    return Refuse(folder ? "-o DIR is for maint log" : "maint " + a[0] + " needs -o DIR (DIR/<name>.log each)");
  if (folder && !IsFolder(*folder)) return Refuse(*folder + " is no folder");
  if (!MaintArgumentsPass(MaintArgs(a, folder, nullptr))) return std::nullopt;
  return [a = std::vector<std::string>(a.begin(), a.end()), folder](DeviceContext& ctx, DeviceStep& step) {
    step.doing = &kMaint;
    std::string printed;
    const ResultCapture capture(printed);
    const bool ok = Maintenance(MaintArgs(a, folder, &step.device), [&](const DeviceCommand& command) {
                      return command(ctx) ? kExitOk : kExitFailed;
                    }) == kExitOk;
    Report(printed, step);
    return ok;
  };
}

constexpr std::string_view kUploadOptions[] = {"--level"};
constexpr std::string_view kApplyOptions[] = {"--level", "--force"};
constexpr std::string_view kMaintOptions[] = {"-o"};

constexpr FleetCommand kCommands[] = {
    {"status", 0, 0, {}, Status},
    {"download", 1, 1, {}, Download},
    {"upload", 1, 1, kUploadOptions, Upload},
    {"upload-each", 1, 1, kUploadOptions, UploadEach},
    {"apply", 1, 1, kApplyOptions, Apply},
    {"maint", 1, 5, kMaintOptions, Maint},
};

}  // namespace

std::span<const FleetCommand> FleetCommandTable() { return kCommands; }

}  // namespace tk48::cli
