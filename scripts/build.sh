#!/usr/bin/env bash
# build.sh DIR [cmake args...]: configure (once) and build one tree with Ninja.
set -euo pipefail
dir=$1; shift
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$dir" -G Ninja "${launcher[@]}" "$@" >/dev/null
cmake --build "$dir" --parallel "$(nproc)"
