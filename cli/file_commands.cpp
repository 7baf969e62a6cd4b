// Commands on configuration files: no device involved.
#include <cstdio>
#include <memory>
#include <string>

#include "cli/cli_ui.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "model/defaults.h"
#include "model/gzlib.h"
#include "model/reader.h"
#include "model/schema_reference.h"
#include "model/record_diff.h"
#include "model/transfer_container.h"
#include "model/writer.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48::cli {
namespace {

// A record whose text the file cannot carry is refused (with its message), never written.
int EmitText(const Args& args, const std::optional<std::string>& text) {
  return text && EmitDocument(args.Get("-o"), *text) ? kExitOk : kExitFailed;
}

std::unique_ptr<SettingData> ReadRecord(const std::string& path, bool tagMessage = true,
                                        Faults faults = Faults::First) {
  const auto text = LoadInput(path);
  if (!text) return nullptr;
  auto record = NewSettingData();
  ApplyDefaults(*record);
  CliUi ui;
  if (!ReadConfiguration(*record, *text, ui, tagMessage, nullptr, faults)) return nullptr;
  return record;
}

int New(const Args& args) {
  auto record = NewSettingData();
  ApplyNewSetting(*record);
  CliUi ui;
  return EmitText(args, ConfigurationText(*record, ui));
}

int Defaults(const Args& args) {
  auto record = NewSettingData();
  ApplyDefaults(*record);
  CliUi ui;
  return EmitText(args, ConfigurationText(*record, ui));
}

// A failure's message is followed by where the file went wrong; with --all,
// every refused field (path, value, reason), so a file is fixed in one pass.
int Check(const Args& args) {
  const Faults faults = args.Get("--all") ? Faults::All : Faults::First;
  return ReadRecord(args.positional[0], true, faults) ? kExitOk : kExitFailed;
}

int Normalize(const Args& args) {
  auto record = ReadRecord(args.positional[0]);
  CliUi ui;
  return record ? EmitText(args, ConfigurationText(*record, ui)) : kExitFailed;
}

int AccessDoc(const Args& args) {
  std::unique_ptr<SettingData> record;
  if (args.positional.empty()) {
    record = NewSettingData();
    ApplyDefaults(*record);
  } else {
    record = ReadRecord(args.positional[0]);
  }
  CliUi ui;
  return record ? EmitText(args, AccessSettingsText(*record, ui)) : kExitFailed;
}

std::span<const std::uint8_t> Bytes(const std::string& s) {
  return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

// The bytes an upload at the same --level sends.
int Pack(const Args& args) {
  const auto level = UploadLevel(args.Get("--level").value_or(std::to_string(kDefaultUploadLevel)));
  if (!level) {
    std::fputs("tk48gcfg-cli: --level takes a zlib level, 1 to 9\n", stderr);
    return kExitUsage;
  }
  const auto text = LoadInput(args.positional[0]);
  if (!text) return kExitFailed;
  CliUi ui;
  const auto out = PackForUpload(*text, ui, *level);
  return out && EmitDocument(args.Get("-o"), {reinterpret_cast<const char*>(out->data()), out->size()}) ? kExitOk
                                                                                                        : kExitFailed;
}

int Unpack(const Args& args) {
  const auto data = LoadInput(args.positional[0]);
  if (!data) return kExitFailed;
  CGzlib zip;
  if (!zip.Decompress(Bytes(*data))) {
    CliUi().Message(LoadText(text::kFailedToDecompress), Icon::Error);
    return kExitFailed;
  }
  const auto out = zip.Decompressed();
  return EmitDocument(args.Get("-o"), {reinterpret_cast<const char*>(out.data()), out.size()}) ? kExitOk
                                                                                               : kExitFailed;
}

// Like diff(1): 0 equal, 1 different, 2 when a file cannot be read or the
// arguments are neither "A B" nor "--defaults FILE". A changed password shows
// as "(changed)" unless --show-secrets asks for its values.
int Diff(const Args& args) {
  const auto defaultsFile = args.Get("--defaults");
  if (defaultsFile.has_value() != args.positional.empty() || (!defaultsFile && args.positional.size() != 2)) {
    std::fputs("usage: tk48gcfg-cli diff A B | --defaults FILE [--show-secrets]\n", stderr);
    return kExitUsage;
  }
  std::unique_ptr<SettingData> a;
  if (defaultsFile) {
    a = NewSettingData();
    ApplyDefaults(*a);
  } else {
    a = ReadRecord(args.positional[0], false);
  }
  if (!a) return kExitUsage;
  auto b = ReadRecord(defaultsFile ? *defaultsFile : args.positional[1], false);
  if (!b) return kExitUsage;
  const auto changes = DiffRecords(*a, *b, args.Has("--show-secrets") ? Secrets::Shown : Secrets::Hidden);
  for (const FieldChange& change : changes) std::printf("%s\n", ChangeLine(change).c_str());
  return changes.empty() ? kExitOk : 1;
}

// The field reference: Markdown (reference.md), or JSON with --json.
int Schema(const Args& args) {
  const auto patterns = ConfigurationReference();
  return EmitDocument(args.Get("-o"), args.Has("--json") ? ReferenceJson(patterns) : ReferenceMarkdown(patterns))
             ? kExitOk
             : kExitFailed;
}

constexpr std::string_view kCheckFlags[] = {"--all"};
constexpr std::string_view kSchemaFlags[] = {"--json"};
constexpr std::string_view kSecretFlags[] = {"--show-secrets"};

constexpr Command kCommands[] = {
    {"new", "new [-o OUT]                   the configuration file of \"New setting\"", 0, 0, New},
    {"defaults", "defaults [-o OUT]              the plain defaults (holiday calendar generated)", 0, 0,
     Defaults},
    {"check", "check FILE [--all]             read FILE as \"Read file\" does; --all lists every refused field", 1,
     1, Check, kCheckFlags},
    {"normalize", "normalize FILE [-o OUT]        read FILE and write it back", 1, 1, Normalize},
    {"access-doc", "access-doc [FILE] [-o OUT]     the access-settings document of FILE or of the defaults", 0,
     1, AccessDoc},
    {"pack",
     "pack FILE [-o OUT]             compress a configuration file to the CONFIG_P form\n"
     "    --level N: its zlib level, as upload takes it (default 9)",
     1, 1, Pack},
    {"unpack", "unpack FILE [-o OUT]           decompress a CONFIG_P file", 1, 1, Unpack},
    {"diff",
     "diff A B | --defaults FILE     the fields B changes against A, or FILE against the plain defaults (exit 0 "
     "equal, 1 differ, 2 unreadable)\n"
     "    --show-secrets: passwords with their values, not \"(changed)\"",
     0, 2, Diff, kSecretFlags},
    {"find", "find FILE TEXT|--path PATTERN|--refs CHANNEL\n"
             "                                 the fields by value, path or channel referred to, in file order\n"
             "                                 (exit 0 found, 1 none, 2 unreadable)\n"
             "    --show-secrets: passwords with their values, not \"(set)\", and their values searched",
     1, 2, Find, kSecretFlags},
    {"schema", "schema [--json] [-o OUT]       every field of the configuration file: path pattern, kind, range, format, default",
     0, 0, Schema, kSchemaFlags},
};

}  // namespace

std::span<const Command> FileCommands() { return kCommands; }

std::unique_ptr<SettingData> ReadRecordFile(const std::string& path, bool tagMessage) {
  return ReadRecord(path, tagMessage);
}

}  // namespace tk48::cli
