#!/usr/bin/env bash
# Builds everything and runs the main job: the transition "Diamond Wipe Out"
# from the built-in picture A to the built-in picture B, as 25 numbered PNG
# frames in out/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh build --target vtrhost
./build/vtrhost list sweepkit
./build/vtrhost list dimkit
rm -f out/[0-9][0-9][0-9].png
./build/vtrhost render sweepkit "Diamond Wipe Out" -o 'out/%03d.png'
echo "The frames are in $(pwd)/out: 000.png shows picture A, 024.png picture B."
