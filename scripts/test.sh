#!/usr/bin/env bash
# Every test: installs what is missing, builds the three targets, then runs the native suites
# under AddressSanitizer and UndefinedBehaviorSanitizer, the 64-bit Windows export tests under
# wine64 and their dialogs on a virtual display, the fuzz targets for a bounded run, and last the Linux suites (unit, export, the checks of the 32-bit deliverables and
# the byte-for-byte agreement of the Linux and Windows builds).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)
bash scripts/install-deps.sh
bash scripts/build-all.sh

echo "== sanitizers"
cmake --preset sanitize >/dev/null
cmake --build build/sanitize -j"$jobs"
ctest --test-dir build/sanitize --output-on-failure -j"$jobs"

echo "== fuzz targets"
cmake --preset fuzz >/dev/null
cmake --build build/fuzz -j"$jobs"
ctest --test-dir build/fuzz --output-on-failure

echo "== Windows build under wine64"
bash scripts/run-wine-tests.sh

echo "== dialogs of the Windows build under wine64 and Xvfb"
bash scripts/run-dialog-tests.sh

echo "== Linux build"
ctest --test-dir build/linux --output-on-failure
