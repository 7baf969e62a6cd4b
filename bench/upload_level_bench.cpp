// The bytes an upload of the configuration puts on the USB line and the
// seconds they take there at 38,400 bit/s (3,840 bytes a second), at zlib level
// 6 (zlib's default, the stream the device was always sent) and 9 (the
// upload's default), on "New setting" (the defaults with an empty holiday
// calendar), on the plain defaults, and on a populated record: every field
// set, every channel in use, every text at its full length. The time measured
// is the packing's own (size rule and compression of the written text), which
// is what a higher level costs.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <string>

#include "link/serial_frame.h"
#include "model/defaults.h"
#include "model/transfer_container.h"
#include "model/writer.h"
#include "port/scripted_ui.h"
#include "tests/model/random_record.h"

namespace tk48 {
namespace {

constexpr double kLineBytesPerSecond = 38400.0 / 10;  // 8N1: ten bits a byte

// Names, comments and messages as an engineer writes them, each to its
// field's last byte; random values elsewhere.
class PopulatedRecord : public test::RandomRecord {
 public:
  using RandomRecord::RandomRecord;

 protected:
  void Text(const Node& n, char* field) override {
    static const char* const kWords[] = {"Boiler", "pump", "north", "flow", "inlet", "Tank", "pressure", "valve",
                                         "line", "3", "alarm", "room", "A-12", "kWh", "level", "east"};
    std::memset(field, 0, n.capacity);
    std::string text;
    while (text.size() + 1 < n.capacity) text += std::string(kWords[Pick(std::size(kWords))]) + ' ';
    std::memcpy(field, text.data(), n.capacity - 1);
  }
  // Every input and output channel in use, every zone of the channels that have them.
  void Settle(SettingData& r) override {
    const auto use = [](auto& channels) {
      for (auto& c : channels)
        if (c.TYPE == 0) c.TYPE = 1;
    };
    use(r.IO.AI), use(r.IO.DI), use(r.IO.PI), use(r.IO.AO), use(r.IO.DO);
    for (auto& c : r.IO.AI) c.USE_AREAS = 5;
    for (auto& c : r.IO.PI) c.USE_AREAS = 5;
    for (auto& c : r.IO.MA) c.USE_AREAS = 5;
  }
};

std::string NewSettingText() {
  auto record = NewSettingData();
  ApplyNewSetting(*record);
  return ConfigurationText(*record);
}

std::string DefaultsText() {
  auto record = NewSettingData();
  ApplyDefaults(*record);
  return ConfigurationText(*record);
}

std::string PopulatedText() {
  auto record = NewSettingData();
  ApplyDefaults(*record);
  PopulatedRecord(48).Fill(*record);
  ScriptedUi ui;
  return ConfigurationText(*record, ui).value_or("");
}

void BM_UploadOnTheLine(benchmark::State& state, std::string (*makeText)()) {
  const int level = static_cast<int>(state.range(0));
  const std::string text = makeText();
  if (text.empty()) return state.SkipWithError("the record does not write");
  ScriptedUi ui;
  std::size_t file = 0;
  for (auto _ : state) {
    const auto packed = PackForUpload(text, ui, level);
    if (!packed) return state.SkipWithError("the text does not pack");
    file = packed->size();
  }
  // Each block of at most 1,024 bytes travels in a frame of its own.
  const std::size_t frames = (file + kMaxPayload - 1) / kMaxPayload;
  const double wire = static_cast<double>(file + frames * kFrameOverhead);
  state.counters["text_bytes"] = static_cast<double>(text.size());
  state.counters["file_bytes"] = static_cast<double>(file);
  state.counters["wire_bytes"] = wire;
  state.counters["line_s"] = wire / kLineBytesPerSecond;
}
BENCHMARK_CAPTURE(BM_UploadOnTheLine, new_setting, NewSettingText)
    ->ArgName("level")
    ->Arg(6)
    ->Arg(9)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_UploadOnTheLine, defaults, DefaultsText)
    ->ArgName("level")
    ->Arg(6)
    ->Arg(9)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_UploadOnTheLine, populated, PopulatedText)
    ->ArgName("level")
    ->Arg(6)
    ->Arg(9)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tk48
