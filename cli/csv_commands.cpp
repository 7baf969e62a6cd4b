// The CSV commands: the export and import of the CSV dialog without the dialog.
#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/stat.h>

#include "cli/cli_ui.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "csv/csv_export.h"
#include "model/defaults.h"
#include "model/writer.h"
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

// Reads every file of the set that DIR holds into the defaults, as "Read file
// (CSV)" does with all boxes checked, and writes the configuration file.
int CsvImport(const Args& args) {
  const std::string& folder = args.positional[0];
  CliUi ui;
  if (!IsDirectory(folder)) {
    ui.Message(LoadText(text::kCsvInvalidPath), Icon::Error);
    return kExitFailed;
  }
  auto record = NewSettingData();
  ApplyDefaults(*record);
  // Whatever stands under a file's name is taken (a link is followed); the
  // import refuses, unread, what is no regular file or is too large.
  std::vector<bool> present;
  for (const CsvFile& f : CsvFiles()) {
    std::error_code ec;
    present.push_back(std::filesystem::exists(CsvPath(folder, f.name), ec));
  }
  const int failed = ImportCsvSet(folder, present, *record, ui);
  if (failed < 0) return kExitFailed;
  if (!EmitDocument(args.Get("-o"), ConfigurationText(*record))) return kExitFailed;
  return failed == 0 ? kExitOk : kExitFailed;
}

constexpr Command kCommands[] = {
    {"csv-export", "csv-export FILE DIR [--only NAME,...]  export FILE as the CSV set (or the files named) into DIR",
     2, 2, CsvExport},
    {"csv-import", "csv-import DIR [-o OUT]        the CSV set in DIR over the defaults (log in DIR/ErrLog.txt)", 1, 1,
     CsvImport},
};

}  // namespace

std::span<const Command> CsvCommands() { return kCommands; }

}  // namespace tk48::cli
