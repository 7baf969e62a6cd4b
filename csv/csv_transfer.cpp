#include "csv/csv_transfer.h"

#include "csv/csv_export.h"
#include "csv/csv_import.h"
#include "csv/csv_layout.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48 {
int ExportCsvSet(const std::string& folder, const std::vector<bool>& checked, const SettingData& record, UiPort& ui) {
  const auto files = CsvFiles();
  int failed = 0;
  for (std::size_t i = 0; i < files.size() && i < checked.size(); ++i) {
    if (!checked[i] || ExportCsvFile(folder, files[i], record)) continue;
    ++failed;
    ui.Message(std::string(LoadText(files[i].label)) + std::string(LoadText(text::kCsvWriteError)), Icon::Error);
  }
  return failed;
}

int ImportCsvSet(const std::string& folder, const std::vector<bool>& checked, SettingData& record, UiPort& ui) {
  CsvLog log;
  if (!log.Create(folder)) {
    ui.Message(std::string(LoadText(text::kCsvLogName)) + std::string(LoadText(text::kCsvWriteError)), Icon::Error);
    return -1;
  }
  const auto files = CsvFiles();
  int failed = 0;
  for (std::size_t i = 0; i < files.size() && i < checked.size(); ++i) {
    std::string refusal;
    if (!checked[i] || ImportCsvFile(folder, files[i], record, log, &refusal)) continue;
    ++failed;
    // A file refused unread says why in place of the read error.
    ui.Message(
        refusal.empty() ? std::string(LoadText(files[i].label)) + std::string(LoadText(text::kCsvReadError)) : refusal,
        Icon::Error);
  }
  return failed;
}

CsvSelection SelectCsvFiles(std::string_view names) {
  const auto files = CsvFiles();
  CsvSelection s{std::vector<bool>(files.size(), false), {}};
  while (!names.empty()) {
    const std::size_t comma = names.find(',');
    const std::string_view name = names.substr(0, comma);
    names = comma == std::string_view::npos ? std::string_view{} : names.substr(comma + 1);
    const CsvFile* f = FindCsvFile(name);
    if (!f) {
      if (s.unknown.empty()) s.unknown = std::string(name);
      continue;
    }
    s.checked[static_cast<std::size_t>(f - files.data())] = true;
  }
  return s;
}

}  // namespace tk48
