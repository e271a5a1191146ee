#!/usr/bin/env bash
# Configures and builds into a folder: build.sh DIR [CMAKE OPTIONS...]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$1
shift
launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$dir" -G Ninja "${launcher[@]}" "$@" >/dev/null
cmake --build "$dir"
