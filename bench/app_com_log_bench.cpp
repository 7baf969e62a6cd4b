// The communication log's view fed 10 MB in the reader's largest pieces (4096
// bytes), the view following after every piece (the most work the view can be
// given: the reader posts one notification at a time), once without a line
// break and once as 80-character lines; and 1 MB of lines in pieces of 64 bytes,
// near what the reader takes from the port at 38400 bit/s in each 5 ms poll, for
// the cost of one look of the view. The view stays at its caps throughout. The
// goal: 10 MB without line breaks in under 10 s, under 4 ms a piece.
// Part of tk48appbench (its main() is in app_bench.cpp).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QWindow>
#include <string>

#include "app/CDlgComLog.h"
#include "app/CTK48CFGApp.h"
#include "port/scripted_ui.h"

namespace tk48 {
namespace {

std::string Bytes(std::size_t size, bool lineBreaks) {
  std::string bytes(size, ' ');
  unsigned seed = 1;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    seed = seed * 1103515245u + 12345u;
    bytes[i] = lineBreaks && i % 80 == 78 ? '\r' : lineBreaks && i % 80 == 79 ? '\n' : 'a' + (seed >> 16) % 26;
  }
  return bytes;
}

void BM_ComLogFed(benchmark::State& state) {
  const auto piece = static_cast<std::size_t>(state.range(1));
  const std::string bytes = Bytes(std::size_t{piece == 4096 ? 10u : 1u} << 20, state.range(0) != 0);
  Preferences prefs;
  ScriptedUi ui;
  CTK48CFGApp app(prefs, ui);
  for (auto _ : state) {
    state.PauseTiming();
    CDlgComLog log(app, nullptr);
    log.show();
    while (!log.windowHandle() || !log.windowHandle()->isExposed()) QCoreApplication::processEvents();
    state.ResumeTiming();
    for (std::size_t at = 0; at < bytes.size(); at += piece) {
      log.Receive(std::string_view(bytes).substr(at, piece));
      QCoreApplication::processEvents();
    }
    state.PauseTiming();
    if (log.View()->document()->characterCount() - 1 > CDlgComLog::kMaxChars) state.SkipWithError("over the cap");
    log.hide();
    state.ResumeTiming();
  }
  // Seconds per piece shown.
  state.counters["per_piece"] =
      benchmark::Counter(static_cast<double>(bytes.size() / piece),
                         benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ComLogFed)
    ->ArgNames({"line_breaks", "piece"})
    ->Args({0, 4096})
    ->Args({1, 4096})
    ->Args({1, 64})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tk48
