// Serial transfer throughput through tk48sim pacing its pty like the real
// 38400 bit/s line. The counter line_share is the payload rate as a share of
// the line's 3840 bytes/s; the goal is 0.97 or more.
#include <benchmark/benchmark.h>

#include <chrono>
#include <fstream>
#include <random>

#include "link/serial_link.h"
#include "tests/e2e/sim_serial_process.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr double kLineBytesPerSecond = 38400.0 / 10;

Bytes RandomBytes(std::size_t size) {
  std::mt19937 random(48);
  Bytes data(size);
  for (auto& b : data) b = static_cast<std::uint8_t>(random());
  return data;
}

// A paced simulator whose "CONFIG_P" holds `stored` (the transfer does not
// depend on the bytes, so they need not be a valid configuration).
struct PacedDevice {
  explicit PacedDevice(const Bytes& stored) {
    std::filesystem::create_directories(dir.Path() / "state");
    std::ofstream(dir.Path() / "state" / "CONFIG_P", std::ios::binary)
        .write(reinterpret_cast<const char*>(stored.data()), static_cast<std::streamsize>(stored.size()));
    const auto link = (dir.Path() / "tty").string();
    ready = sim.Start({"--pty", link, "--state", (dir.Path() / "state").string(), "--baud", "38400"}) &&
            serial.Open(link);
  }
  tk48::test::TempDir dir;
  tk48::test::SimProcess sim;
  tk48::SerialLink serial;
  bool ready = false;
};

void Report(benchmark::State& state, std::size_t bytes, std::chrono::duration<double> elapsed) {
  state.SetIterationTime(elapsed.count());
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
  state.counters["line_share"] = static_cast<double>(bytes) / elapsed.count() / kLineBytesPerSecond;
}

void BM_SerialPutConfig(benchmark::State& state) {
  const auto data = RandomBytes(static_cast<std::size_t>(state.range(0)));
  PacedDevice device({});
  if (!device.ready) return state.SkipWithError("tk48sim did not start");
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    if (!device.serial.Put("CONFIG_P", data)) return state.SkipWithError("put failed");
    Report(state, data.size(), std::chrono::steady_clock::now() - start);
  }
}

void BM_SerialGetConfig(benchmark::State& state) {
  const auto data = RandomBytes(static_cast<std::size_t>(state.range(0)));
  PacedDevice device(data);
  if (!device.ready) return state.SkipWithError("tk48sim did not start");
  Bytes buffer(0x680000);
  for (auto _ : state) {
    std::size_t received = 0;
    const auto start = std::chrono::steady_clock::now();
    if (!device.serial.Get('G', Bytes{'C', 'O', 'N', 'F', 'I', 'G', '_', 'P'}, 'g', buffer, received) ||
        received != data.size())
      return state.SkipWithError("get failed");
    Report(state, received, std::chrono::steady_clock::now() - start);
  }
}

// 32 KB takes about 9 s a direction, 300 KB about 80 s.
BENCHMARK(BM_SerialPutConfig)->Arg(32 << 10)->Arg(300 << 10)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_SerialGetConfig)->Arg(32 << 10)->Arg(300 << 10)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace
