#!/usr/bin/env bash
# The Linux and the 64-bit Windows build of every plug-in must answer byte for byte the same:
# tvphost --probe records every answer of every plug-in over the sample replays, once through
# dlopen and once under wine64 through LoadLibraryA, and the two records must be equal.
set -euo pipefail
cd "$(dirname "$0")/.."
if [[ ! -x dist/win64/tvphost.exe || ! -x dist/linux/tvphost ]]; then
  echo "compare-builds: build dist/linux and dist/win64 first (scripts/build-all.sh)"
  exit 77
fi
source scripts/wine-env.sh
work="$WINEPREFIX.work"
mkdir -p "$work"
trap 'wine_cleanup; rm -rf "$work"' EXIT
dist/linux/write_samples "$work/samples" >/dev/null
dist/linux/tvphost --plugins dist/linux --probe "$work/samples" >"$work/linux.txt"
"$WINE64" dist/win64/tvphost.exe --plugins "$(to_windows_path dist/win64)" --probe "$(to_windows_path "$work/samples")" \
  >"$work/win64.txt" 2>"$work/wine.log" || { cat "$work/wine.log"; exit 1; }
if ! diff -u "$work/linux.txt" "$work/win64.txt" >"$work/diff.txt"; then
  head -40 "$work/diff.txt"
  echo "compare-builds: the Linux and Windows builds answer differently"
  exit 1
fi
echo "compare-builds: $(grep -c '^file ' "$work/linux.txt") probes agree byte for byte"
