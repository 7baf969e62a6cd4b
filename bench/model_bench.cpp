// The configuration file on the full 5.4 MB default document: write, read, a
// bare expat parse of the same text (the floor for the reader), compress,
// decompress, the whole download and upload paths, and the hub's record copy.
#include <benchmark/benchmark.h>
#include <expat.h>

#include <cstring>
#include <memory>
#include <string>

#include "model/defaults.h"
#include "model/gzlib.h"
#include "model/reader.h"
#include "model/transfer_container.h"
#include "model/writer.h"

namespace tk48 {
namespace {

struct Fixture {
  std::unique_ptr<SettingData> defaults = NewSettingData();
  std::string text;
  std::vector<std::uint8_t> packed;
  Fixture() {
    ApplyDefaults(*defaults);
    text = ConfigurationText(*defaults);
    CGzlib zip;
    zip.Compress({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
    packed.assign(zip.Compressed().begin(), zip.Compressed().end());
  }
  std::span<const std::uint8_t> Bytes() const {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
  }
};

const Fixture& Data() {
  static const Fixture f;
  return f;
}

void Bytes(benchmark::State& state, std::size_t perIteration) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * perIteration));
}

void BM_Write(benchmark::State& state) {
  const auto& d = Data();
  auto buffer = std::make_unique_for_overwrite<char[]>(kTextBufferSize);
  for (auto _ : state) benchmark::DoNotOptimize(WriteConfiguration(*d.defaults, {buffer.get(), kTextBufferSize}));
  Bytes(state, d.text.size());
}

void BM_Read(benchmark::State& state) {
  const auto& d = Data();
  auto record = NewSettingData();
  for (auto _ : state) {
    std::memcpy(record.get(), d.defaults.get(), sizeof *record);
    benchmark::DoNotOptimize(ParseConfiguration(*record, d.text));
  }
  Bytes(state, d.text.size());
}

// "check --all" on a file whose every NOUSE/USE keyword is misspelt: the reader
// goes on past each refused field and lists it (path, value, reason).
void BM_ReadListingEveryFault(benchmark::State& state) {
  const auto& d = Data();
  std::string text = d.text;
  std::size_t faults = 0;
  for (std::size_t at = 0; (at = text.find(">NOUSE<", at)) != std::string::npos; ++faults) text[at + 1] = 'M';
  auto record = NewSettingData();
  for (auto _ : state) {
    std::memcpy(record.get(), d.defaults.get(), sizeof *record);
    benchmark::DoNotOptimize(ParseConfiguration(*record, text, Faults::All));
  }
  Bytes(state, text.size());
  state.counters["faults"] = static_cast<double>(faults);
}

void XMLCALL NoStart(void*, const XML_Char*, const XML_Char**) {}
void XMLCALL NoEnd(void*, const XML_Char*) {}
void XMLCALL NoText(void*, const XML_Char*, int) {}

void BM_ExpatBare(benchmark::State& state) {
  const auto& d = Data();
  for (auto _ : state) {
    XML_Parser p = XML_ParserCreate(nullptr);
    XML_SetElementHandler(p, NoStart, NoEnd);
    XML_SetCharacterDataHandler(p, NoText);
    benchmark::DoNotOptimize(XML_Parse(p, d.text.data(), static_cast<int>(d.text.size()), 1));
    XML_ParserFree(p);
  }
  Bytes(state, d.text.size());
}

void BM_Compress(benchmark::State& state) {
  const auto& d = Data();
  CGzlib zip;
  for (auto _ : state) benchmark::DoNotOptimize(zip.Compress(d.Bytes()));
  Bytes(state, d.text.size());
  state.counters["compressed_bytes"] = static_cast<double>(d.packed.size());
}

void BM_Decompress(benchmark::State& state) {
  const auto& d = Data();
  CGzlib zip;
  for (auto _ : state) benchmark::DoNotOptimize(zip.Decompress(d.packed));
  Bytes(state, d.text.size());
}

// Decompress, defaults, read: what a download does with the received file.
void BM_DownloadPath(benchmark::State& state) {
  const auto& d = Data();
  auto record = NewSettingData();
  for (auto _ : state) {
    CGzlib zip;
    zip.Decompress(d.packed);
    ApplyDefaults(*record);
    const auto text = zip.Decompressed();
    benchmark::DoNotOptimize(
        ParseConfiguration(*record, {reinterpret_cast<const char*>(text.data()), text.size()}));
  }
  Bytes(state, d.text.size());
}

// Write and compress: what an upload does before the transfer.
void BM_UploadPath(benchmark::State& state) {
  const auto& d = Data();
  for (auto _ : state) {
    auto buffer = std::make_unique_for_overwrite<char[]>(kTextBufferSize);
    const std::size_t len = WriteConfiguration(*d.defaults, {buffer.get(), kTextBufferSize});
    CGzlib zip;
    benchmark::DoNotOptimize(
        zip.Compress({reinterpret_cast<const std::uint8_t*>(buffer.get()), len}, kDefaultUploadLevel));
  }
  Bytes(state, d.text.size());
}

void BM_Defaults(benchmark::State& state) {
  auto record = NewSettingData();
  for (auto _ : state) {
    ApplyDefaults(*record);
    benchmark::ClobberMemory();
  }
}

// The hub keeps a baseline copy and compares it byte for byte on Back.
void BM_RecordCopyAndCompare(benchmark::State& state) {
  const auto& d = Data();
  auto copy = NewSettingData();
  for (auto _ : state) {
    std::memcpy(copy.get(), d.defaults.get(), sizeof *copy);
    benchmark::DoNotOptimize(SameRecord(*copy, *d.defaults));
  }
  state.counters["record_bytes"] = static_cast<double>(sizeof(SettingData));
  Bytes(state, 2 * sizeof(SettingData));
}

BENCHMARK(BM_Write)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Read)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadListingEveryFault)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExpatBare)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Compress)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Decompress)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DownloadPath)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UploadPath)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Defaults)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecordCopyAndCompare)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tk48
