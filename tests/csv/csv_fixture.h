#pragma once
// Shared pieces of the CSV tests: records, a scratch folder, the lines of a file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "csv/csv_export.h"
#include "csv/csv_layout.h"
#include "model/defaults.h"

namespace tk48::testing {

inline std::unique_ptr<SettingData> DefaultRecord() {
  auto r = NewSettingData();
  ApplyDefaults(*r);
  return r;
}

// A fresh folder under the system's temporary folder, removed afterwards.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tk48csv.XXXXXX").string();
    path_ = ::mkdtemp(pattern.data()) ? pattern : std::string();
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

inline std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

inline void WriteAll(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// The lines of a file without their CR LF.
inline std::vector<std::string> Lines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  while (at < bytes.size()) {
    std::size_t end = bytes.find("\r\n", at);
    if (end == std::string::npos) end = bytes.size();
    lines.push_back(bytes.substr(at, end - at));
    at = end + 2;
  }
  return lines;
}

inline std::vector<std::string> Cells(const std::string& line) {
  std::vector<std::string> cells;
  std::size_t at = 0;
  for (;;) {
    const std::size_t comma = line.find(',', at);
    cells.push_back(line.substr(at, comma == std::string::npos ? std::string::npos : comma - at));
    if (comma == std::string::npos) return cells;
    at = comma + 1;
  }
}

// The bytes of one file exported from `record`.
inline std::string Export(const std::string& name, const SettingData& record, bool* ok = nullptr) {
  std::string bytes;
  const bool done = CsvFileBytes(*FindCsvFile(name), record, bytes);
  if (ok) *ok = done;
  return bytes;
}

}  // namespace tk48::testing
