#!/usr/bin/env bash
# Runs the dialog tests of the 64-bit plug-in files under wine64 on a virtual X display (Xvfb),
# with the Japanese ANSI code page 932. Build first: cmake --preset win64 && cmake --build build/win64
# PELLAN_WIN64_BUILD and PELLAN_WIN64_DIST name another build folder and plug-in folder.
# Extra arguments go to the test program (e.g. --gtest_filter=...). A run that hangs fails.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${PELLAN_WIN64_BUILD:-$root/build/win64}"
plugins="${PELLAN_WIN64_DIST:-$root/dist/win64}"
exe="$build/tests/dialogs/pellan_dialog_tests.exe"
limit="${PELLAN_DIALOG_TEST_TIMEOUT:-300}"
[[ -f "$exe" && -d "$plugins" ]] || { echo "run-dialog-tests: build the win64 preset first" >&2; exit 1; }
command -v xvfb-run >/dev/null || { echo "run-dialog-tests: xvfb-run is missing (package xvfb)" >&2; exit 1; }
source "$root/scripts/wine-env.sh"

echo "run-dialog-tests: prefix $WINEPREFIX, plug-ins $(to_windows_path "$plugins")"
# The prefix is made on the virtual display: wine's desktop keeps the display driver of the
# process that started it, and a desktop started without a display creates no windows. Without
# a window manager, unmanaged windows open in milliseconds instead of seconds.
status=0
timeout "$limit" xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
    wine=$1; shift
    "$wine" wineboot --init >/dev/null 2>&1 || true
    "$wine" reg add "HKCU\\Software\\Wine\\X11 Driver" /v Managed /d N /f >/dev/null 2>&1 || true
    exec "$wine" "$@"' sh "$WINE64" "$exe" "$@" "$(to_windows_path "$plugins")" >"$WINEPREFIX.log" 2>&1 || status=$?
report_gtest_run "$status" "$WINEPREFIX.log"
