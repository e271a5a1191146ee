#!/usr/bin/env bash
# Builds and runs every test, then the whole suite once more under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
jobs=$(nproc)

bash scripts/build.sh build
(cd build && ctest --output-on-failure -j "$jobs")

bash scripts/build.sh build-sanitize -DVTR_SANITIZE=ON -DVTR_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
(cd build-sanitize && ASAN_OPTIONS=detect_leaks=1 ctest --output-on-failure -j "$jobs")
