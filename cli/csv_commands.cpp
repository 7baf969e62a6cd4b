// The CSV commands: the export of the CSV dialog without the dialog.
#include <cstdio>
#include <string>
#include <sys/stat.h>

#include "cli/cli_ui.h"
#include "cli/commands.h"
#include "csv/csv_layout.h"
#include "csv/csv_transfer.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48::cli {
namespace {

bool IsDirectory(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

int CsvExport(const Args& args) {
  auto record = ReadRecordFile(args.positional[0]);
  if (!record) return kExitFailed;
  const std::string& folder = args.positional[1];
  CliUi ui;
  if (!IsDirectory(folder)) {
    ui.Message(LoadText(text::kCsvInvalidPath), Icon::Error);
    return kExitFailed;
  }
  CsvSelection selection{std::vector<bool>(CsvFiles().size(), true), {}};
  if (const auto only = args.Get("--only")) {
    selection = SelectCsvFiles(*only);
    if (!selection.unknown.empty()) {
      std::fprintf(stderr, "no CSV file %s\n", selection.unknown.c_str());
      return kExitUsage;
    }
  }
  return ExportCsvSet(folder, selection.checked, *record, ui) == 0 ? kExitOk : kExitFailed;
}

constexpr Command kCommands[] = {
    {"csv-export", "csv-export FILE DIR [--only NAME,...]  export FILE as the CSV set (or the files named) into DIR",
     2, 2, CsvExport},
};

}  // namespace

std::span<const Command> CsvCommands() { return kCommands; }

}  // namespace tk48::cli
