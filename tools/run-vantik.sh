#!/usr/bin/env bash
# Installs what is missing, builds Vantik and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
cmake --preset win64
cmake --build --preset win64 --target vantik

echo "Vantik: build/win64/vantik.exe is built, but its capture frame is not written yet: there is nothing to run."
