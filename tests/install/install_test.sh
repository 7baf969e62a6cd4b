#!/usr/bin/env bash
# install_test.sh BUILD_DIR: installs the build tree into a temporary prefix
# and checks what landed there as a user meets it: the installed programs run,
# the manual pages format without a warning and describe every command and
# option the programs' own help lists, and the desktop entry is valid and
# points at the installed program and icon.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$prefix" >/dev/null

for program in tk48gcfg tk48gcfg-cli tk48sim; do
  [ -x "$prefix/bin/$program" ] || fail "bin/$program is not installed"
done
cli_help=$("$prefix/bin/tk48gcfg-cli" --help) || fail "the installed tk48gcfg-cli --help failed"
maint_help=$("$prefix/bin/tk48gcfg-cli" maint help) || fail "the installed tk48gcfg-cli maint help failed"
sim_help=$("$prefix/bin/tk48sim" --help) || fail "the installed tk48sim --help failed"
grep -q "^usage: tk48gcfg-cli COMMAND" <<<"$cli_help" || fail "tk48gcfg-cli --help printed no usage"

# A page as `man` shows it; groff's warnings fail the test.
render() {
  local page=$prefix/share/man/man1/$1.1.gz warnings
  [ -f "$page" ] || { fail "share/man/man1/$1.1.gz is not installed"; return; }
  warnings=$(LC_ALL=C MANWIDTH=100 man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man -l $1.1.gz warns: $warnings"
  LC_ALL=C MANWIDTH=100 man -l "$page"
}
# A tag of the page's lists: an entry that starts with `word`.
has_entry() {
  awk -v w="$2" 'substr($0, 1, 7 + length(w)) == "       " w && substr($0, 8 + length(w), 1) ~ /^[ ,]?$/ { f = 1 }
                 END { exit !f }' <<<"$1"
}

cli_page=$(render tk48gcfg-cli)
sim_page=$(render tk48sim)
render tk48gcfg >/dev/null

# Every command of the command tables, every maint command, every option.
for command in $(sed -n 's/^  \([a-z][a-z-]*\) .*/\1/p; s/^  \([a-z][a-z-]*\)$/\1/p' <<<"$cli_help$'\n'$maint_help"); do
  has_entry "$cli_page" "$command" || fail "tk48gcfg-cli.1 has no entry for the command $command"
done
for option in $(grep -oE -- '(^| |\[)--?[a-z][a-z-]*' <<<"$cli_help" | tr -d ' [' | sort -u); do
  grep -qE -- "(^| |\[)$option( |,|\]|$)" <<<"$cli_page" || fail "tk48gcfg-cli.1 does not mention $option"
done
for option in $(sed -n 's/^  \(--[a-z-]*\).*/\1/p' <<<"$sim_help"); do
  has_entry "$sim_page" "$option" || fail "tk48sim.1 has no entry for the option $option"
done
for page in "$cli_page" "$sim_page"; do
  grep -q "^EXIT STATUS" <<<"$page" || fail "a page has no EXIT STATUS"
  grep -q "^TRY IT WITHOUT A DEVICE" <<<"$page" || fail "a page has no TRY IT WITHOUT A DEVICE"
  grep -q "tk48sim --pty /tmp/ttyTK48 --tcp 127.0.0.1:30341" <<<"$page" || fail "a page lacks the simulator recipe"
done

entry=$prefix/share/applications/tk48gcfg.desktop
icon=$prefix/share/icons/hicolor/scalable/apps/tk48gcfg.svg
if [ -f "$entry" ]; then
  desktop-file-validate "$entry" || fail "desktop-file-validate refuses tk48gcfg.desktop"
  exec_line=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
  [ -x "$prefix/bin/$exec_line" ] || fail "the desktop entry runs $exec_line, which is not installed"
  [ "$(sed -n 's/^Icon=//p' "$entry")" = tk48gcfg ] || fail "the desktop entry names another icon"
else
  fail "share/applications/tk48gcfg.desktop is not installed"
fi
file -b "$icon" 2>/dev/null | grep -q "SVG" || fail "the icon is not installed as an SVG image"

[ "$failures" = 0 ] && echo "install: all checks passed"
exit "$failures"
