#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the full suite in the
# normal build, the core tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer, and short smoke runs of the fuzz targets.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
export CCACHE_DIR=${CCACHE_DIR:-$PWD/.ccache}

scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
(cd build && ctest --output-on-failure --timeout 600 -j2)

scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DTK48_SANITIZE=ON -DTK48_GUI=OFF -DTK48_BENCH=OFF
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
   ctest --output-on-failure --timeout 900 -j2 -L core)

if command -v clang++ >/dev/null; then
  CC=clang CXX=clang++ scripts/build.sh build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTK48_FUZZ=ON \
     -DTK48_GUI=OFF -DTK48_BENCH=OFF -DTK48_TESTS=OFF
  for f in build-fuzz/bin/fuzz_*; do
    [ -x "$f" ] || continue
    echo "fuzz smoke: $f"
    "$f" -max_total_time=20 -rss_limit_mb=2048 -print_final_stats=0 tests/fuzz/corpus/"$(basename "$f" | sed 's/^fuzz_//')" 2>&1 | tail -n 2
  done
fi
