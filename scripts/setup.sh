#!/usr/bin/env bash
# Installs the Debian 12 packages the build needs, but only those that are missing,
# so a machine that already has them is not touched (and needs no network).
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config ccache
          qt6-base-dev qt6-serialport-dev libgl-dev
          libexpat1-dev zlib1g-dev libssl-dev
          googletest libgtest-dev libgmock-dev libbenchmark-dev
          clang libclang-rt-14-dev
          man-db desktop-file-utils dpkg-dev file  # the install and package tests
          fonts-ipafont-gothic)  # Japanese glyphs on screen and in the guide's pictures
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  sudo=""; [ "$(id -u)" = 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
