#!/usr/bin/env bash
# package_test.sh BUILD_DIR: scripts/package.sh makes the Debian package from
# the build tree; the package holds the programs, the desktop entry, the icon
# and the manual pages, and depends on the Qt and OpenSSL libraries the
# programs link (found by dpkg-shlibdeps).
set -euo pipefail
build=$1
cd "$(dirname "$0")/../.."
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

deb=$(scripts/package.sh "$build" 2>"$build/package.log") || { cat "$build/package.log" >&2; exit 1; }
[ -f "$deb" ] || { echo "FAIL: package.sh printed '$deb', which is no file" >&2; exit 1; }
[[ "$deb" == *.deb ]] || fail "package.sh printed $deb"

info=$(dpkg-deb --info "$deb")
contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for path in ./usr/bin/tk48gcfg ./usr/bin/tk48gcfg-cli ./usr/bin/tk48sim \
            ./usr/share/applications/tk48gcfg.desktop \
            ./usr/share/icons/hicolor/scalable/apps/tk48gcfg.svg \
            ./usr/share/man/man1/tk48gcfg.1.gz ./usr/share/man/man1/tk48gcfg-cli.1.gz \
            ./usr/share/man/man1/tk48sim.1.gz; do
  grep -qxF "$path" <<<"$contents" || fail "the package lacks $path"
done
grep -q "^ Package: tk48gcfg$" <<<"$info" || fail "the package is not named tk48gcfg"
depends=$(sed -n 's/^ Depends: //p' <<<"$info")
names=$(sed 's/ *([^)]*)//g; s/ *[,|] */\n/g' <<<"$depends")  # package names, one a line
for library in libqt6widgets6 libqt6serialport6 libssl3 libexpat1 zlib1g libc6 libstdc++6; do
  grep -qxF "$library" <<<"$names" || fail "Depends does not name $library: $depends"
done

recommends=$(sed -n 's/^ Recommends: //p' <<<"$info")
grep -q "fonts-ipafont-gothic" <<<"$recommends" || fail "Recommends names no Japanese font: $recommends"

[ "$failures" = 0 ] && echo "package: $deb, all checks passed"
exit "$failures"
