#!/usr/bin/env bash
# The second command of the README: build and run the whole test suite.
#   scripts/test.sh [BUILD_DIR] [extra cmake arguments...]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-$here/build}
shift || true
"$here/scripts/install-deps.sh"
"$here/scripts/build.sh" "$dir" "$@"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$dir" --output-on-failure -j2 --timeout 300
