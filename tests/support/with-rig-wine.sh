#!/usr/bin/env bash
# Runs a command, a journey, with the Wine environment of a build's rig:
# with-rig-wine.sh BUILD_DIR COMMAND [ARGS...]. Its `wine` is the one that runs
# the build's programs; where this machine cannot run them it runs nothing and
# exits 77 (ctest: skipped), saying why.
set -euo pipefail
build=$(cd "${1:?build dir}" && pwd)
shift
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh" "$build"
rig_require_wine
exec "$@"
