#!/usr/bin/env bash
# Installs what is missing, builds the three programs (not the tests, the
# benchmarks or the documentation: scripts/test.sh builds those), and starts
# the configurator.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
TK48_TARGETS="tk48gcfg tk48gcfg-cli tk48sim" scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
if [ -x build/bin/tk48gcfg ]; then exec build/bin/tk48gcfg "$@"; fi
exec build/bin/tk48gcfg-cli "${@:---help}"
