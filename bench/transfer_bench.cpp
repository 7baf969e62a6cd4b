// tk48gcfg-cli upload, then download, of the default configuration through
// tk48sim pacing its pty like the real 38400 bit/s line. The expected time of
// each is its compressed file (the upload's at its default level, the one the
// device serves at zlib's default) over the line's 3840 bytes/s plus the
// transfer's fixed 500 ms pause; counters give each measured time over that
// expectation (the goal is within 10 %, a ratio of 1.10 or less).
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "link/transfers.h"
#include "model/defaults.h"
#include "model/gzlib.h"
#include "model/transfer_container.h"
#include "model/writer.h"
#include "port/scripted_ui.h"
#include "tests/e2e/sim_serial_process.h"

extern char** environ;

namespace {

using Seconds = std::chrono::duration<double>;
constexpr double kLineBytesPerSecond = 38400.0 / 10;
const Seconds kFixedPauses = tk48::TransferTiming{}.workerPause;

std::string CliPath() {
  std::error_code ec;
  return (std::filesystem::read_symlink("/proc/self/exe", ec).parent_path() / "tk48gcfg-cli").string();
}

// Runs the command line with its output thrown away; true on exit status 0.
bool Run(std::vector<std::string> args) {
  const std::string program = CliPath();
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t pid = -1;
  const bool spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) == 0;
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  return spawned && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

template <typename F>
Seconds Timed(F&& f, bool& ok) {
  const auto start = std::chrono::steady_clock::now();
  ok = f();
  return std::chrono::steady_clock::now() - start;
}

void BM_CliUploadThenDownloadAt38400(benchmark::State& state) {
  tk48::test::TempDir dir;
  const auto link = (dir.Path() / "tty").string();
  const auto file = (dir.Path() / "defaults.xml").string();
  const auto out = (dir.Path() / "downloaded.xml").string();

  auto record = tk48::NewSettingData();
  tk48::ApplyDefaults(*record);
  const std::string text = tk48::ConfigurationText(*record);
  std::ofstream(file, std::ios::binary) << text;
  tk48::CGzlib zip;
  tk48::ScriptedUi quiet;
  const auto sent = tk48::PackForUpload(text, quiet);
  if (!sent || !zip.Compress({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}))
    return state.SkipWithError("cannot compress the defaults");
  const double compressed = static_cast<double>(zip.Compressed().size());
  const Seconds expectedUp = Seconds(static_cast<double>(sent->size()) / kLineBytesPerSecond) + kFixedPauses;
  const Seconds expected = Seconds(compressed / kLineBytesPerSecond) + kFixedPauses;

  tk48::test::SimProcess sim;
  if (!sim.Start({"--pty", link, "--state", (dir.Path() / "state").string(), "--baud", "38400"}))
    return state.SkipWithError("tk48sim did not start");

  for (auto _ : state) {
    bool uploaded = false, downloaded = false;
    const Seconds up = Timed([&] { return Run({"upload", "--usb", link, file}); }, uploaded);
    const Seconds down = Timed([&] { return Run({"download", "--usb", link, "-o", out}); }, downloaded);
    if (!uploaded || !downloaded) return state.SkipWithError("the upload or the download failed");
    if (ReadAll(out) != text) return state.SkipWithError("the download differs from the upload");
    state.SetIterationTime((up + down).count());
    state.counters["compressed_bytes"] = compressed;
    state.counters["uploaded_bytes"] = static_cast<double>(sent->size());
    state.counters["expected_s"] = expected.count();
    state.counters["expected_upload_s"] = expectedUp.count();
    state.counters["upload_s"] = up.count();
    state.counters["download_s"] = down.count();
    state.counters["upload_ratio"] = up / expectedUp;
    state.counters["download_ratio"] = down / expected;
  }
}
BENCHMARK(BM_CliUploadThenDownloadAt38400)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace
