#!/usr/bin/env bash
# The main job: install what is missing, build everything, write the sample replays and list
# them with tvphost as the host program would show them.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build-all.sh
samples=build/samples
rm -rf "$samples"
dist/linux/write_samples "$samples"
echo
echo "== the plug-ins"
dist/linux/tvphost
echo "== the sample replays, as each plug-in lists them"
dist/linux/tvphost "$samples"
