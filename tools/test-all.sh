#!/usr/bin/env bash
# Installs what is missing, builds both presets (64-bit, run under Wine, and
# 32-bit, the release target, built only) and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh

for preset in win64 win32; do
  cmake --preset "$preset"
  cmake --build --preset "$preset"
done

ctest --preset win64
