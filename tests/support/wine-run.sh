#!/usr/bin/env bash
# Runs a Windows program of the build under Wine in the rig's prefix and on
# its display: wine-run.sh BUILD_DIR PROGRAM [ARGS...]. ctest uses this as the
# cross-compiling emulator; the rig's start step must have run.
set -euo pipefail
build=$(cd "${1:?build dir}" && pwd)
shift
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh" "$build"
rig_require_wine
if [ ! -s "$build/rig/display" ]; then
  echo "wine-run: no rig display; run the tests through ctest, or: $here/rig.sh start $build PAINT_STAND_IN" >&2
  exit 1
fi
export DISPLAY=":$(cat "$build/rig/display")"
exec wine "$@"
