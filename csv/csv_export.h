#pragma once
// The CSV export: one file of the set from the record.
#include <string>

#include "csv/csv_layout.h"
#include "model/setting_data.h"

namespace tk48 {

// The bytes of one file as written (Latin-1, CR LF). False when a cell cannot
// be written (a character above U+00FF); `out` then holds what came before it.
bool CsvFileBytes(const CsvFile& file, const SettingData& record, std::string& out);

// Creates `folder`/`file.name` and writes it completely. False when the file
// cannot be created or written, or a cell cannot be written; what was written
// before the failure stays on disk.
bool ExportCsvFile(const std::string& folder, const CsvFile& file, const SettingData& record);

// The file's path in the folder.
std::string CsvPath(const std::string& folder, const std::string& name);

}  // namespace tk48
