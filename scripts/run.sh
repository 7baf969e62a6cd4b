#!/usr/bin/env bash
# Installs what is missing, builds, and starts the configurator.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
if [ -x build/bin/tk48gcfg ]; then exec build/bin/tk48gcfg "$@"; fi
exec build/bin/tk48gcfg-cli "${@:---help}"
