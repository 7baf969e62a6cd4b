// The CSV import on arbitrary bytes, one file at a time: the first byte picks
// the file of the set, the rest is its text. It must never crash, hang or leak.
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "csv/csv_import.h"
#include "csv/csv_layout.h"
#include "model/defaults.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static const std::unique_ptr<tk48::SettingData> defaults = [] {
    auto r = tk48::NewSettingData();
    tk48::ApplyDefaults(*r);
    return r;
  }();
  static const std::unique_ptr<tk48::SettingData> record = tk48::NewSettingData();
  std::memcpy(record.get(), defaults.get(), sizeof *record);
  const auto files = tk48::CsvFiles();
  const tk48::CsvFile& file = files[data[0] % files.size()];
  std::string log;
  tk48::ImportCsvBytes(file, std::string_view(reinterpret_cast<const char*>(data + 1), size - 1), *record, log);
  return 0;
}
