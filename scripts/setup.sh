#!/usr/bin/env bash
# The first command of the README: install what Zelk needs, build it, start it.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh"
"$here/scripts/build.sh" "$here/build"
if [ -x "$here/build/bin/zelk" ]; then
  exec "$here/build/bin/zelk" "$@"
else
  exec "$here/build/bin/zelk-cli" demo "$@"
fi
