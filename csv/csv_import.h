#pragma once
// The CSV import: one file of the set into the record, checked value by value
// with the editors' silent checks; every problem is a line of the error log.
#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "csv/csv_layout.h"
#include "model/setting_data.h"

namespace tk48 {

// "ErrLog.txt" in the import folder: created (or emptied) when the import starts.
class CsvLog {
 public:
  // False when the log cannot be created.
  bool Create(const std::string& folder);
  void Write(std::string_view bytes);
  bool IsOpen() const { return file_ != nullptr; }

 private:
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file_{nullptr, &std::fclose};
};

// The rows of a file: its cells, unquoted. A line ends at LF (a CR before it is
// dropped); a quoted cell runs to its closing quote, across line ends, so that
// a text holding a line break reads back whole.
std::vector<std::vector<std::string>> CsvLines(std::string_view bytes);

// Reads the bytes of one file into `record`; appends the report lines (without
// the open and close lines) to `log`. True when no report line was written.
bool ImportCsvBytes(const CsvFile& file, std::string_view bytes, SettingData& record, std::string& log);

// The largest CSV file the import reads: 4 MiB, five times the largest file the
// export writes (MA.csv, about 0.78 MB when every text is at its full length and
// all double quotes, each written twice), room for a spreadsheet that quotes
// every cell or pads its rows.
inline constexpr std::size_t kCsvFileLimit = std::size_t{4} << 20;

// Opens `folder`/`file.name` and reads it; writes the separator, the open line,
// the report lines and the close line to the log, or only the ":Open Error"
// line. True when the file was opened and read without a report line. What is
// no regular file or is larger than kCsvFileLimit is not opened: only the
// ":Open Error" line, and `refusal` (when given) gets the message that says why.
bool ImportCsvFile(const std::string& folder, const CsvFile& file, SettingData& record, CsvLog& log,
                   std::string* refusal = nullptr);

// Copies into `to` every value that the export of `from` writes into a cell:
// what a round trip through the CSV files carries.
void CopyCsvCells(const SettingData& from, SettingData& to);

// The text a cell may carry into the record: refuses the control characters a
// configuration file cannot hold (TAB, CR and LF pass).
bool CsvTextAllowed(std::string_view utf8);

}  // namespace tk48
