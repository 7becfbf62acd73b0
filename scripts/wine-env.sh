# Sourced by the scripts that run Windows programs under wine64: a throw-away prefix that is
# removed on exit, no debug noise, the Japanese ANSI code page 932, and helpers for paths and
# for the summary of a GoogleTest program.
WINE64="${WINE:-/usr/lib/wine/wine64}"
WINESERVER="$(dirname "$WINE64")/wineserver"

[[ -x "$WINE64" ]] || { echo "$(basename "$0"): no wine64 loader at $WINE64 (package wine64)" >&2; exit 1; }

WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/pellan-wine.XXXXXX")
export WINEPREFIX WINEDEBUG=-all LC_ALL=ja_JP.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml="
wine_cleanup() {
  [[ -x "$WINESERVER" ]] && "$WINESERVER" -k >/dev/null 2>&1 || true
  rm -rf "$WINEPREFIX" "$WINEPREFIX.log"
}
trap wine_cleanup EXIT INT TERM

# The Windows path of a Unix path: wine's drive Z: is the Unix root.
to_windows_path() { local p; p=$(readlink -f "$1"); echo "Z:${p//\//\\}"; }

# Prints a test program's log and its GoogleTest summary again at the end, and fails a run
# that exited 0 without a summary. $1: the program's exit status, $2: its log.
report_gtest_run() {
  local status=$1 log=$2 name
  name=$(basename "$0" .sh)
  cat "$log"
  echo "----"
  grep -E '^\[==========\] [0-9]+ tests? .*ran|^\[  (PASSED|FAILED|SKIPPED) +\] [0-9]+ tests?' "$log" || true
  if [[ $status -eq 124 ]]; then
    echo "$name: no result in time" >&2
  elif [[ $status -eq 0 ]] && ! grep -q '^\[  PASSED  \]' "$log"; then
    echo "$name: the test program ended without a test summary" >&2
    status=1
  fi
  echo "$name: exit status $status"
  return "$status"
}
