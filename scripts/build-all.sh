#!/usr/bin/env bash
# Builds the three targets: dist/linux (shared objects, tvphost, sample writer), dist/win32
# (the deliverables) and dist/win64 (the same sources for the tests under wine64).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)
for preset in linux win32 win64; do
  echo "== build $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build "build/$preset" -j"$jobs"
done
