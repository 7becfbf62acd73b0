#!/usr/bin/env bash
# Runs the win64 export tests under wine64 against dist/win64, as a Japanese Windows would load
# the plug-ins (ANSI code page 932). Build first: cmake --preset win64 && cmake --build build/win64
# Extra arguments go to the test program (e.g. --gtest_filter=...).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
exe="$root/build/win64/tests/exports/pellan_export_tests.exe"
plugins="$root/dist/win64"
[[ -f "$exe" && -d "$plugins" ]] || { echo "run-wine-tests: build the win64 preset first" >&2; exit 1; }
source "$root/scripts/wine-env.sh"

echo "run-wine-tests: prefix $WINEPREFIX, plug-ins $(to_windows_path "$plugins")"
"$WINE64" wineboot --init >/dev/null 2>&1 || true
status=0
"$WINE64" "$exe" "$@" "$(to_windows_path "$plugins")" >"$WINEPREFIX.log" 2>&1 || status=$?
report_gtest_run "$status" "$WINEPREFIX.log"
