#!/usr/bin/env bash
# Builds the release zips, one per architecture, into build/packages/:
# Vantik-<version>-win32.zip and Vantik-<version>-win64.zip, each holding the
# stripped vantik.exe, README.txt (how to use it) and CHANGELOG.md.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh --build-only

mkdir -p build/packages
for preset in win32-release win64-release; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" --target vantik
  cpack --config "build/$preset/CPackConfig.cmake" -B build/packages
done
rm -rf build/packages/_CPack_Packages
ls -l build/packages/*.zip
