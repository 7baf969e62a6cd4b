#pragma once
// Export of the chosen files of the set, as the CSV dialog and the command
// line run it: every checked file in the dialog's order, each failure reported
// through the UI port and the next file written all the same.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/setting_data.h"
#include "port/ui_port.h"

namespace tk48 {

// `checked[i]` chooses file i of CsvFiles(). Shows the check box label followed
// by ":Write error" (error icon) for every file that fails; returns the number
// of failed files. The caller shows "File saved." afterwards.
int ExportCsvSet(const std::string& folder, const std::vector<bool>& checked, const SettingData& record, UiPort& ui);

// Import of the chosen files into `record` (already reset to the defaults by the
// caller): creates "ErrLog.txt" in the folder first ("ErrLog.txt:Write error"
// and nothing read when it cannot), then shows the check box label followed by
// ":Read error\nConfirm the log file." for every file that fails (for a file
// refused unread, no regular file or too large, the refusal instead). Returns
// the number of failed files, or -1 when the log could not be created.
int ImportCsvSet(const std::string& folder, const std::vector<bool>& checked, SettingData& record, UiPort& ui);

// The files named in a comma-separated list ("System.csv,AI.csv").
struct CsvSelection {
  std::vector<bool> checked;
  std::string unknown;  // the first name that is no file of the set
};
CsvSelection SelectCsvFiles(std::string_view names);

}  // namespace tk48
