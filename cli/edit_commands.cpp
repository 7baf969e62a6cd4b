// get, set and apply: scripted edits of a configuration file. A value is
// checked as the reader and its screen check it and the rules between fields
// run on the result; nothing is written unless every change passes.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli_ui.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "model/file_io.h"
#include "model/writer.h"
#include "query/field_edit.h"
#include "query/find.h"

namespace tk48::cli {
namespace {

// A changes file may list every field of two configurations that differ everywhere.
constexpr std::size_t kChangesLimit = 64u << 20;

// "get FILE PATH...": every field each path or pattern matches, in file order.
// Exit 1 when one matches nothing (after the others have printed).
int Get(const Args& args) {
  const auto record = ReadRecordFile(args.positional[0]);
  if (!record) return kExitFailed;
  const Secrets secrets = args.Has("--show-secrets") ? Secrets::Shown : Secrets::Hidden;
  int status = kExitOk;
  for (std::size_t i = 1; i < args.positional.size(); ++i) {
    const std::string& pattern = args.positional[i];
    const std::vector<FindHit> hits = FindPath(*record, pattern, secrets);
    if (hits.empty()) {
      std::fprintf(stderr, "tk48gcfg-cli: no field matches %s\n", pattern.c_str());
      status = kExitFailed;
    }
    for (const FindHit& hit : hits) std::printf("%s: %s\n", hit.path.c_str(), hit.value.c_str());
  }
  return status;
}

// Reads FILE, makes the changes and writes the result to -o OUT or over FILE
// (its rights kept); on stdout what changed. Every refusal goes to stderr, in
// the order of the changes, and nothing is written.
int Edit(const Args& args, std::span<const AskedChange> changes, std::vector<EditRefusal> refused, bool force) {
  const std::string& file = args.positional[0];
  const auto record = ReadRecordFile(file);
  if (!record) return kExitFailed;
  EditOutcome outcome = ApplyChanges(*record, changes, force);
  refused.insert(refused.end(), outcome.refused.begin(), outcome.refused.end());
  if (!refused.empty()) {
    std::ranges::stable_sort(refused, {}, &EditRefusal::line);
    for (const EditRefusal& r : refused) std::fprintf(stderr, "%s\n", RefusalLine(r).c_str());
    return kExitFailed;
  }
  const auto out = args.Get("-o");
  // Nothing changed: the file stays as it was, byte for byte.
  if (out || !outcome.changed.empty()) {
    CliUi ui;
    const auto text = ConfigurationText(*record, ui);
    if (!text || !EmitDocument(out ? out : std::optional(file), *text)) return kExitFailed;
  }
  std::printf("%s\n", ChangeSummary(outcome.changed).c_str());
  return kExitOk;
}

int Set(const Args& args) {
  std::vector<AskedChange> changes;
  for (std::size_t i = 1; i < args.positional.size(); ++i) {
    auto change = ParseAssignment(args.positional[i]);
    if (!change) {
      std::fprintf(stderr, "tk48gcfg-cli: %s: expects PATH=VALUE\n", args.positional[i].c_str());
      return kExitUsage;
    }
    changes.push_back(std::move(*change));
  }
  return Edit(args, changes, {}, false);
}

// The changes from a file, or from stdin for "-" (diff A B | apply A -).
std::optional<std::string> ReadChanges(const std::string& path) {
  if (path != "-") {
    FileRead read = ReadFileWithin(path, kChangesLimit);
    if (!read.bytes) std::fprintf(stderr, "%s\n", RefusalText(read, path).c_str());
    return std::move(read.bytes);
  }
  std::string text;
  char chunk[65536];
  for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, stdin)) > 0;) {
    text.append(chunk, n);
    if (text.size() > kChangesLimit) {
      std::fprintf(stderr, "tk48gcfg-cli: the changes on stdin are larger than %zu bytes\n", kChangesLimit);
      return std::nullopt;
    }
  }
  return text;
}

int Apply(const Args& args) {
  const auto text = ReadChanges(args.positional[1]);
  if (!text) return kExitFailed;
  ChangeList list = ParseChanges(*text);
  return Edit(args, list.changes, std::move(list.refused), args.Has("--force"));
}

constexpr std::string_view kGetFlags[] = {"--show-secrets"};
constexpr std::string_view kApplyFlags[] = {"--force"};

constexpr Command kCommands[] = {
    {"get",
     "get FILE PATH...               the fields each path or pattern (* and ?) matches, \"PATH: value\" in file\n"
     "                                 order (exit 1 when one matches nothing)\n"
     "    --show-secrets: passwords with their values, not \"(set)\"",
     2, SIZE_MAX, Get, kGetFlags},
    {"set",
     "set FILE PATH=VALUE... [-o OUT]\n"
     "                                 set fields, each value checked as the reader and its screen check it;\n"
     "                                 FILE is rewritten without -o, nothing is written when one is refused",
     2, SIZE_MAX, Set},
    {"apply",
     "apply FILE CHANGES [-o OUT]    make the changes of a diff output or of PATH=VALUE lines (CHANGES - reads\n"
     "                                 stdin), checked as set checks them; FILE is rewritten without -o\n"
     "    --force: also where FILE does not hold a diff line's old value",
     2, 2, Apply, kApplyFlags},
};

}  // namespace

std::span<const Command> EditCommands() { return kCommands; }

}  // namespace tk48::cli
