// The CSV export and import of a fully populated record: every channel, account, template,
// pen and zone in use, with Latin-1 texts. Goal: all thirty files in under 100 ms.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "csv/csv_export.h"
#include "csv/csv_import.h"
#include "csv/csv_layout.h"
#include "model/defaults.h"
#include "tests/csv/csv_record.h"

namespace tk48 {
namespace {

std::unique_ptr<SettingData> Populated() {
  auto r = NewSettingData();
  ApplyDefaults(*r);
  test::CsvRecord(7).Fill(*r);
  auto use = [](auto& channels) {
    for (auto& c : channels)
      if (c.TYPE == 0) c.TYPE = 1;
  };
  use(r->IO.AI), use(r->IO.DI), use(r->IO.PI), use(r->IO.AO), use(r->IO.DO);
  for (auto& c : r->IO.AI) c.USE_AREAS = 5;
  for (auto& c : r->IO.PI) c.USE_AREAS = 5;
  for (auto& c : r->IO.MA) c.USE_AREAS = 5;
  for (auto& g : r->IO.GDO) g.MODE = 1;
  for (auto& a : r->COM.WEB.AUTH) a.MODE = 1;
  for (auto& f : r->MAIL_REPORT.FORM) f.MODE = 1;
  r->RECORD.LOGGING.MODE = r->RECORD.REPORT.MODE = 1;
  return r;
}

void BM_CsvExportAllFiles(benchmark::State& state) {
  const auto record = Populated();
  std::string pattern = (std::filesystem::temp_directory_path() / "tk48csvbench.XXXXXX").string();
  const std::string folder = ::mkdtemp(pattern.data()) ? pattern : std::string(".");
  std::int64_t bytes = 0;
  for (auto _ : state) {
    for (const CsvFile& f : CsvFiles()) benchmark::DoNotOptimize(ExportCsvFile(folder, f, *record));
  }
  for (const CsvFile& f : CsvFiles()) bytes += static_cast<std::int64_t>(std::filesystem::file_size(CsvPath(folder, f.name)));
  state.SetBytesProcessed(bytes * state.iterations());
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_CsvExportAllFiles)->Unit(benchmark::kMillisecond);

// The text alone, without the disk.
void BM_CsvTextAllFiles(benchmark::State& state) {
  const auto record = Populated();
  std::string bytes;
  for (auto _ : state) {
    for (const CsvFile& f : CsvFiles()) benchmark::DoNotOptimize(CsvFileBytes(f, *record, bytes));
  }
}
BENCHMARK(BM_CsvTextAllFiles)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tk48

namespace tk48 {
namespace {

// The import of the same thirty files, from their bytes, into the defaults.
void BM_CsvImportAllFiles(benchmark::State& state) {
  const auto record = Populated();
  std::vector<std::string> bytes;
  for (const CsvFile& f : CsvFiles()) CsvFileBytes(f, *record, bytes.emplace_back());
  auto defaults = NewSettingData();
  ApplyDefaults(*defaults);
  auto into = NewSettingData();
  std::string log;
  for (auto _ : state) {
    std::memcpy(into.get(), defaults.get(), sizeof(SettingData));
    for (std::size_t i = 0; i < bytes.size(); ++i) benchmark::DoNotOptimize(ImportCsvBytes(CsvFiles()[i], bytes[i], *into, log));
  }
}
BENCHMARK(BM_CsvImportAllFiles)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tk48
