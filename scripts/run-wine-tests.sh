#!/bin/sh
# Runs the win64 export tests under wine64 against dist/win64, as a Japanese Windows would load
# the plug-ins (ANSI code page 932). Build first:
#   cmake --preset win64 && cmake --build build/win64 -j2
# Extra arguments go to the test program (e.g. --gtest_filter=...).
# Exits with the test program's status; a missing program or folder is a failure too.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
exe="$root/build/win64/tests/exports/pellan_export_tests.exe"
plugins="$root/dist/win64"
wine="${WINE:-/usr/lib/wine/wine64}"

[ -f "$exe" ] || { echo "run-wine-tests: $exe is missing; build the win64 preset first" >&2; exit 1; }
[ -d "$plugins" ] || { echo "run-wine-tests: $plugins is missing; build the win64 preset first" >&2; exit 1; }
[ -x "$wine" ] || { echo "run-wine-tests: no wine64 loader at $wine" >&2; exit 1; }

prefix=$(mktemp -d "${TMPDIR:-/tmp}/pellan-wine.XXXXXX")
log="$prefix.log"
wineserver="$(dirname "$wine")/wineserver"
cleanup() {
    [ -x "$wineserver" ] && WINEPREFIX="$prefix" "$wineserver" -k >/dev/null 2>&1 || true
    rm -rf "$prefix" "$log"
}
trap cleanup EXIT INT TERM

export WINEPREFIX="$prefix" WINEDEBUG=-all LC_ALL=ja_JP.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml="
# The Unix folder as the Windows program sees it: drive Z: is the Unix root.
plugins_win="Z:$(printf '%s' "$plugins" | tr '/' '\\')"

printf 'run-wine-tests: prefix %s, plug-ins %s\n' "$prefix" "$plugins_win"
WINEPREFIX="$prefix" "$wine" wineboot --init >/dev/null 2>&1 || true

status=0
"$wine" "$exe" "$@" "$plugins_win" >"$log" 2>&1 || status=$?
cat "$log"
# The gtest summary again, so that it closes the output however long the log was.
echo "----"
grep -E '^\[==========\] [0-9]+ tests? .*ran|^\[  (PASSED|FAILED|SKIPPED) +\] [0-9]+ tests?' "$log" || true
if [ "$status" -eq 0 ] && ! grep -q '^\[  PASSED  \]' "$log"; then
    echo "run-wine-tests: the test program ended without a gtest summary" >&2
    status=1
fi
echo "run-wine-tests: exit status $status"
exit "$status"
