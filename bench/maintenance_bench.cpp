// User browser view packaging beside `tar czf` of the same folder:
// - 1,000 files filling the data file to its 4,063,232-byte cap: building both
//   packages and compressing them (goal: not slower than tar czf);
// - a 50 MB folder, refused as over capacity (goal: a small fraction of tar czf,
//   since the sizes are checked before anything is read).
// Both pairs run in one process on the same folders, so their times compare.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "maintenance/packages.h"
#include "port/scripted_ui.h"
#include "tests/e2e/sim_serial_process.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using tk48::maint::kMaxViewData;
using tk48::maint::kPackageHeaderSize;

// Markup-like bytes: compressible as web pages are, never trivially.
void FillFile(const fs::path& path, std::size_t size, std::uint32_t& seed) {
  static constexpr char kAlphabet[] = "<div class=\"row\">abcdefghijklmnopqrstuvwxyz0123456789 </p>\n";
  std::string bytes(size, '\0');
  for (char& c : bytes) {
    seed ^= seed << 13;
    seed ^= seed >> 17;
    seed ^= seed << 5;
    c = kAlphabet[seed % (sizeof kAlphabet - 1)];
  }
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The two folders, made once for the whole run.
struct Folders {
  tk48::test::TempDir tmp;
  fs::path atCap = tmp.Path() / "cap";
  fs::path huge = tmp.Path() / "huge";
  Folders() {
    fs::create_directory(atCap);
    fs::create_directory(huge);
    std::uint32_t seed = 2463534242u;
    // 1,000 files whose bytes plus the 16-byte header are exactly the cap.
    const std::size_t total = kMaxViewData - kPackageHeaderSize;
    for (std::size_t i = 0; i < 1000; ++i) {
      const std::size_t size = total / 1000 + (i < total % 1000 ? 1 : 0);
      FillFile(atCap / ("page" + std::to_string(i) + ".htm"), size, seed);
    }
    // 50 files of the largest size a file may have: 50 MiB.
    for (int i = 0; i < 50; ++i) FillFile(huge / ("blob" + std::to_string(i) + ".bin"), 1048576, seed);
  }
};

const Folders& TheFolders() {
  static const Folders folders;
  return folders;
}

// tar czf of `folder` into the run's temp folder; false unless it exits with 0.
bool TarCzf(const fs::path& folder) {
  const std::string out = (folder.parent_path() / "out.tgz").string();
  const std::string dir = folder.string();
  std::vector<std::string> args{"tar", "czf", out, "-C", dir, "."};
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = -1;
  if (posix_spawnp(&pid, "tar", nullptr, nullptr, argv.data(), environ) != 0) return false;
  int status = 0;
  return ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void BM_ViewPackage1000FilesAtCap(benchmark::State& state) {
  const auto& f = TheFolders();
  for (auto _ : state) {
    tk48::ScriptedUi ui;
    const auto packages = tk48::maint::BuildViewPackages(f.atCap.string(), ui);
    const auto compressed = packages ? tk48::maint::CompressViewPackages(*packages, ui) : std::nullopt;
    if (!compressed) state.SkipWithError("packaging failed");
    benchmark::DoNotOptimize(compressed);
  }
}

void BM_TarCzf1000FilesAtCap(benchmark::State& state) {
  const auto& f = TheFolders();
  for (auto _ : state) {
    if (!TarCzf(f.atCap)) state.SkipWithError("tar czf failed");
  }
}

void BM_ViewPackageRefuses50MB(benchmark::State& state) {
  const auto& f = TheFolders();
  for (auto _ : state) {
    tk48::ScriptedUi ui;
    const auto packages = tk48::maint::BuildViewPackages(f.huge.string(), ui);
    if (packages || ui.Last() != "User defined browser view file size is over capacity.")
      state.SkipWithError("the 50 MB folder was not refused");
  }
}

void BM_TarCzf50MB(benchmark::State& state) {
  const auto& f = TheFolders();
  for (auto _ : state) {
    if (!TarCzf(f.huge)) state.SkipWithError("tar czf failed");
  }
}

BENCHMARK(BM_ViewPackage1000FilesAtCap)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_TarCzf1000FilesAtCap)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ViewPackageRefuses50MB)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_TarCzf50MB)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
