#!/usr/bin/env bash
# Configures and builds Zelk into a build folder (default: build).
#   scripts/build.sh [BUILD_DIR] [extra cmake arguments...]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-$here/build}
shift || true
if [ ! -f "$dir/CMakeCache.txt" ]; then
  cmake -S "$here" -B "$dir" -G Ninja "$@" >/dev/null
fi
cmake --build "$dir" -j2
