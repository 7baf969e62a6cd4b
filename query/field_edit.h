#pragma once
// Scripted edits of a record by field path: the checks behind
// `tk48gcfg-cli set` and `apply`, and the device fleet's `apply`. A value is
// checked as the reader checks it and as its screen checks it, and the
// consistency rules run on the result; nothing changes unless all pass.
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/record_diff.h"
#include "model/setting_data.h"

namespace tk48 {

// One change asked for: "PATH=VALUE", or a line of `diff` ("PATH: old -> new")
// which also names the value it expects to replace.
struct AskedChange {
  std::string path;                     // "IO.AI[5].SCALE_100"
  std::string value;                    // in the configuration file's form
  std::optional<std::string> expected;  // a diff line's old value
  std::size_t line = 0;                 // its line in a changes file; 0 for an argument
};

// A change refused: its path, the value and why.
struct EditRefusal {
  std::string path;
  std::string value;
  std::string reason;
  std::size_t line = 0;  // as in AskedChange
};
// "line 3: IO.AI[5].SCALE_100=abc: <reason>" (without "line N: " for an argument).
std::string RefusalLine(const EditRefusal& refusal);

// "PATH=VALUE" as `set` takes it; nullopt when there is no '=' after a path.
std::optional<AskedChange> ParseAssignment(std::string_view text);

// A changes file: lines of `diff` or "PATH=VALUE" lines, mixed as they come;
// blank lines and lines starting with '#' are skipped. A line of neither form
// is refused with its number.
struct ChangeList {
  std::vector<AskedChange> changes;
  std::vector<EditRefusal> refused;
};
ChangeList ParseChanges(std::string_view text);

struct EditOutcome {
  std::vector<EditRefusal> refused;  // empty when every change passed
  std::vector<FieldChange> changed;  // what the record now holds differently, as `diff` lists it
  bool ok() const { return refused.empty(); }
};
// Applies the changes to `record` when every one passes; otherwise the record
// is left untouched and every refusal is listed, in the order of the changes.
// A diff line whose old value differs from the record's is refused unless
// `force` (or unless the record already holds its new value: nothing to do). Once every value passes, the result must keep the rules between
// fields and read back from the file it makes (a pen's channel against a pen
// type changed beside it): a fault there is laid to the change nearest it.
// A password's value is never shown in a refusal.
EditOutcome ApplyChanges(SettingData& record, std::span<const AskedChange> changes, bool force = false);

// "2 fields changed: IO.AI[5].SCALE_100 100.000 -> 5.000, SYSTEM.NAME ..." or
// "no change", for one line of a report.
std::string ChangeSummary(std::span<const FieldChange> changed);

}  // namespace tk48
