#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the full suite in the
# normal build, the core tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer, and short smoke runs of the fuzz targets.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
export CCACHE_DIR=${CCACHE_DIR:-$PWD/.ccache}

logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT

scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
(cd build && ctest --output-on-failure --timeout 600 -j2) | tee "$logs/full.log"

scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DTK48_SANITIZE=ON -DTK48_GUI=OFF -DTK48_BENCH=OFF
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
   ctest --output-on-failure --timeout 900 -j2 -L core) | tee "$logs/sanitized.log"

if command -v clang++ >/dev/null; then
  CC=clang CXX=clang++ TK48_TARGETS="$(sed -n 's/^tk48_fuzz(\(.*\))$/fuzz_\1/p' tests/fuzz/CMakeLists.txt)" \
    scripts/build.sh build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTK48_FUZZ=ON \
     -DTK48_GUI=OFF -DTK48_BENCH=OFF -DTK48_TESTS=OFF
  for f in build-fuzz/bin/fuzz_*; do
    [ -x "$f" ] || continue
    echo "fuzz smoke: $f"
    name=$(basename "$f"); name=${name#fuzz_}
    work=$(mktemp -d)  # new inputs go here; the seeds in the repository stay as they are
    "$f" -max_total_time=30 -rss_limit_mb=2048 -timeout=10 "$work" "tests/fuzz/corpus/$name" 2>&1 | tail -n 3
    rm -rf "$work"
  done
fi

# One closing line over both runs (each already stopped the script on a failure).
total=0
for f in "$logs"/*.log; do
  n=$(sed -n 's/.*tests passed, 0 tests failed out of \([0-9]*\).*/\1/p' "$f" | tail -n 1)
  total=$((total + ${n:-0}))
done
echo "tests: $total passed, 0 failed"
