// tk48gcfg-cli fleet status over 50 tk48sim devices on loopback, each its own
// process on a free port, one device at a time and eight at a time; the
// counter gives the time per device.
#include <benchmark/benchmark.h>
#include <sys/stat.h>

#include <chrono>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "tests/e2e/cli_run.h"
#include "tests/e2e/sim_net_process.h"
#include "tests/e2e/sim_serial_process.h"

namespace {

constexpr int kDevices = 50;
constexpr char kAccount[] = "admin:bench";

// The devices, started once for the whole run.
struct Fleet {
  tk48::test::TempDir dir;
  std::vector<std::unique_ptr<tk48::testing::SimNetProcess>> sims;
  std::string devices = (dir.Path() / "devices.csv").string();
  bool ready = true;

  Fleet() {
    const auto password = (dir.Path() / "pw").string();
    std::ofstream(password) << "bench\n";
    ::chmod(password.c_str(), 0600);
    std::ofstream list(devices);
    list << "name,transport,login,password_file\n";
    for (int i = 0; i < kDevices && ready; ++i) {
      sims.push_back(std::make_unique<tk48::testing::SimNetProcess>(std::vector<std::string>{"--account", kAccount}));
      ready = sims.back()->ready();
      list << "logger" << i << ",net:127.0.0.1:" << sims.back()->port() << ",admin,pw\n";
    }
  }
};

const Fleet& TheFleet() {
  static const Fleet fleet;
  return fleet;
}

void BM_FleetStatus50(benchmark::State& state) {
  if (!TheFleet().ready) return state.SkipWithError("a tk48sim did not start");
  const std::string jobs = std::to_string(state.range(0));
  double total = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    if (tk48::test::RunCli({"fleet", "status", "--devices", TheFleet().devices, "-j", jobs}).status != 0)
      return state.SkipWithError("fleet status failed");
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    state.SetIterationTime(seconds);
    total += seconds;
  }
  state.counters["ms_per_device"] = total * 1000 / kDevices / static_cast<double>(state.iterations());
}
BENCHMARK(BM_FleetStatus50)->Arg(1)->Arg(8)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
