#!/usr/bin/env bash
# package.sh [DIR]: builds the Debian package from the build tree DIR (default
# build), reusing what is built there: only what the package holds (the
# programs, the manual pages) is brought up to date, and a tree not yet
# configured is configured and built for that alone. Prints the path of the
# .deb on stdout; everything else goes to stderr.
set -euo pipefail
dir=$(realpath -m "${1:-$(dirname "$0")/../build}")
cd "$(dirname "$0")/.."
scripts/setup.sh >&2
# tk48_installed: everything the install rules take, and nothing else.
if [ ! -f "$dir/CMakeCache.txt" ]; then
  TK48_TARGETS=tk48_installed scripts/build.sh "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo >&2
else
  cmake --build "$dir" --parallel "$(nproc)" --target tk48_installed >&2
fi
rm -f "$dir"/package/*.deb
(cd "$dir" && cpack -G DEB --config CPackConfig.cmake) >&2
deb=$(ls "$dir"/package/*.deb)
echo "$deb"
