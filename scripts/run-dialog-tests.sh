#!/bin/sh
# Runs the dialog tests of the 64-bit plug-in files under wine64 on a virtual X display (Xvfb),
# with the Japanese ANSI code page 932. Build first:
#   cmake --preset win64 && cmake --build build/win64 -j2
# PELLAN_WIN64_BUILD and PELLAN_WIN64_DIST name another build folder and plug-in folder.
# Extra arguments go to the test program (e.g. --gtest_filter=...). Exits with the test
# program's status; a missing program, folder or tool, or a run that hangs, is a failure too.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build="${PELLAN_WIN64_BUILD:-$root/build/win64}"
plugins="${PELLAN_WIN64_DIST:-$root/dist/win64}"
exe="$build/tests/dialogs/pellan_dialog_tests.exe"
wine="${WINE:-/usr/lib/wine/wine64}"
limit="${PELLAN_DIALOG_TEST_TIMEOUT:-300}"

[ -f "$exe" ] || { echo "run-dialog-tests: $exe is missing; build the win64 preset first" >&2; exit 1; }
[ -d "$plugins" ] || { echo "run-dialog-tests: $plugins is missing; build the win64 preset first" >&2; exit 1; }
[ -x "$wine" ] || { echo "run-dialog-tests: no wine64 loader at $wine" >&2; exit 1; }
command -v xvfb-run >/dev/null || { echo "run-dialog-tests: xvfb-run is missing (package xvfb)" >&2; exit 1; }

prefix=$(mktemp -d "${TMPDIR:-/tmp}/pellan-wine-dialogs.XXXXXX")
log="$prefix.log"
wineserver="$(dirname "$wine")/wineserver"
cleanup() {
    [ -x "$wineserver" ] && WINEPREFIX="$prefix" "$wineserver" -k >/dev/null 2>&1 || true
    rm -rf "$prefix" "$log"
}
trap cleanup EXIT INT TERM

export WINEPREFIX="$prefix" WINEDEBUG=-all LC_ALL=ja_JP.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml="
plugins_win="Z:$(cd "$plugins" && pwd | tr '/' '\\')"

printf 'run-dialog-tests: prefix %s, plug-ins %s\n' "$prefix" "$plugins_win"

# The prefix is made on the virtual display: wine's desktop keeps the display driver of the
# process that started it, and a desktop started without a display creates no windows.
status=0
timeout "$limit" xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
    wine=$1; shift
    "$wine" wineboot --init >/dev/null 2>&1 || true
    "$wine" reg add "HKCU\\Software\\Wine\\X11 Driver" /v Managed /d N /f >/dev/null 2>&1 || true
    exec "$wine" "$@"' sh "$wine" "$exe" "$@" "$plugins_win" >"$log" 2>&1 || status=$?
cat "$log"
echo "----"
grep -E '^\[==========\] [0-9]+ tests? .*ran|^\[  (PASSED|FAILED|SKIPPED) \] [0-9]+ tests?' "$log" || true
if [ "$status" -eq 124 ]; then
    echo "run-dialog-tests: no result within $limit seconds" >&2
elif [ "$status" -eq 0 ] && ! grep -q '^\[  PASSED  \]' "$log"; then
    echo "run-dialog-tests: the test program ended without a gtest summary" >&2
    status=1
fi
echo "run-dialog-tests: exit status $status"
exit "$status"
