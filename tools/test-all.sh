#!/usr/bin/env bash
# Installs what is missing, builds both presets, checks the code (format,
# layers, clang-tidy) and runs the tests: the 64-bit build's whole suite,
# then the 32-bit build's (what ships) under a 32-bit Wine: all its unit
# tests and the journeys of first start and capture.
# Where this machine can run no 32-bit Wine, those are skipped, with the
# reason, never passed.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh

for preset in win64 win32; do
  cmake --preset "$preset"
  cmake --build --preset "$preset"
done

status=0
# The code's own checks first: they say what is wrong, and where. Format and
# layers take seconds; clang-tidy a minute or two, from the win64 preset's
# compile commands written by its configure above.
tools/check-format.sh || status=1
tools/check-layers.py || status=1
tools/check-tidy.sh build/win64 || status=1

ctest --preset win64 || status=1

# The rig's own check says whether the 32-bit tests can run here, and why not.
if skipped=$(tests/support/with-rig-wine.sh build/win32 true); then
  route=${VANTIK_WIN32_ROUTE:-auto}
  [ "$route" = auto ] && route=$(cat build/wine32/route)
  echo "test-all: the 32-bit tests run under 32-bit Wine by the route: $route"
  ctest --preset win32 || status=1
else
  ctest --preset win32 || status=1
  echo "test-all: the 32-bit tests were all $skipped"
fi
exit $status
