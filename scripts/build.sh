#!/usr/bin/env bash
# Configures and builds into a folder: build.sh DIR [--target T] [CMAKE OPTIONS...]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$1
shift
target=()
if [ "${1:-}" = "--target" ]; then
  target=(--target "$2")
  shift 2
fi
launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$dir" -G Ninja "${launcher[@]}" "$@" >/dev/null
cmake --build "$dir" "${target[@]}"
