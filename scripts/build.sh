#!/usr/bin/env bash
# build.sh DIR [cmake args...]: configure (once) and build one tree with Ninja.
set -euo pipefail
dir=$1; shift
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$dir" -G Ninja "${launcher[@]}" "$@" >/dev/null
# TK48_TARGETS (space-separated) limits the build to those targets.
targets=()
for t in ${TK48_TARGETS:-}; do targets+=(--target "$t"); done
cmake --build "$dir" --parallel "$(nproc)" "${targets[@]}"
