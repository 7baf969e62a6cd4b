#!/usr/bin/env bash
# package.sh [DIR]: builds the Debian package from the build tree DIR (default
# build), reusing what is built there: only the programs and the manual pages
# are brought up to date. Prints the path of the .deb on stdout.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
scripts/setup.sh >&2
targets="tk48gcfg tk48gcfg-cli tk48sim tk48_man"
if [ ! -f "$dir/CMakeCache.txt" ]; then
  TK48_TARGETS="$targets" scripts/build.sh "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo >&2
else
  for t in $targets; do args+=(--target "$t"); done
  cmake --build "$dir" --parallel "$(nproc)" "${args[@]}" >&2
fi
dir=$(cd "$dir" && pwd)
rm -f "$dir"/package/*.deb
(cd "$dir" && cpack -G DEB --config CPackConfig.cmake) >&2
deb=$(ls "$dir"/package/*.deb)
echo "$deb"
