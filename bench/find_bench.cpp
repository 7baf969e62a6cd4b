// Find over a random record with every field set and every text at its full
// length: a text that matches nowhere (the whole walk and every value
// formatted and scanned), one that matches often, a path pattern and the
// references to a channel.
#include <benchmark/benchmark.h>

#include <memory>

#include "query/find.h"
#include "tests/model/random_record.h"

namespace tk48 {
namespace {

class FullRecord : public test::RandomRecord {
 public:
  using RandomRecord::RandomRecord;

 protected:
  void Text(const Node& n, char* field) override {
    std::memset(field, 0, n.capacity);
    for (std::size_t i = 0; i + 1 < n.capacity; ++i) field[i] = static_cast<char>('a' + Pick(26));
  }
};

const SettingData& Record() {
  static const std::unique_ptr<SettingData> record = [] {
    auto r = NewSettingData();
    FullRecord(11).Fill(*r);
    return r;
  }();
  return *record;
}

void BM_FindText(benchmark::State& state, const char* text) {
  const SettingData& r = Record();
  std::size_t hits = 0;
  for (auto _ : state) {
    hits = FindText(r, text).size();
    benchmark::DoNotOptimize(hits);
  }
  state.counters["hits"] = static_cast<double>(hits);
}
BENCHMARK_CAPTURE(BM_FindText, nowhere, "Boiler temp #4")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FindText, often, "12")->Unit(benchmark::kMillisecond);

void BM_FindPath(benchmark::State& state) {
  const SettingData& r = Record();
  for (auto _ : state) benchmark::DoNotOptimize(FindPath(r, "*.MAIL*").size());
}
BENCHMARK(BM_FindPath)->Unit(benchmark::kMillisecond);

void BM_FindReferences(benchmark::State& state) {
  const SettingData& r = Record();
  for (auto _ : state) benchmark::DoNotOptimize(FindReferences(r, "AI005").size());
}
BENCHMARK(BM_FindReferences)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tk48
