// The CSV import on arbitrary bytes, one file at a time: the first byte picks
// the file of the set, the rest is its text. It must never crash, hang or leak,
// and whatever it imports must make a configuration file that reads back: the
// record is written and read again, and any fault the reader finds stops the run.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "csv/csv_import.h"
#include "csv/csv_layout.h"
#include "model/defaults.h"
#include "model/reader.h"
#include "model/writer.h"

namespace {

std::unique_ptr<tk48::SettingData> Defaults() {
  auto r = tk48::NewSettingData();
  tk48::ApplyDefaults(*r);
  return r;
}

// Reads the record's file into the defaults; a fault stops the run with every fault listed.
void ReadsBack(const tk48::SettingData& record, const tk48::SettingData& defaults, const tk48::CsvFile& file) {
  static const std::unique_ptr<tk48::SettingData> back = tk48::NewSettingData();
  std::memcpy(back.get(), &defaults, sizeof defaults);
  const tk48::ReadResult read = tk48::ParseConfiguration(*back, tk48::ConfigurationText(record), tk48::Faults::All);
  if (read.flags == 0) return;
  std::fprintf(stderr, "%s imports into a file that does not read back:\n%s\n", file.name.c_str(),
               tk48::ReadFaultText(read).c_str());
  __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static const std::unique_ptr<tk48::SettingData> defaults = Defaults();
  static const std::unique_ptr<tk48::SettingData> record = tk48::NewSettingData();
  std::memcpy(record.get(), defaults.get(), sizeof *record);
  const auto files = tk48::CsvFiles();
  const tk48::CsvFile& file = files[data[0] % files.size()];
  std::string log;
  tk48::ImportCsvBytes(file, std::string_view(reinterpret_cast<const char*>(data + 1), size - 1), *record, log);
  // The defaults read back; writing and reading 5 MB is kept for records the import changed.
  if (std::memcmp(record.get(), defaults.get(), sizeof *record) != 0) ReadsBack(*record, *defaults, file);
  return 0;
}
