#!/usr/bin/env bash
# Builds everything and runs the main job: lists both libraries' effects.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh build --target vtrhost
./build/vtrhost list sweepkit
./build/vtrhost list dimkit
