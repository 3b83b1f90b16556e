#!/usr/bin/env bash
# Runs the benchmarks of a built win64 tree in the test rig and prints their
# tables: bench/run.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/win64}
tests/support/rig.sh start "$build" "$build/mspaint.exe" >/dev/null
trap 'tests/support/rig.sh stop "$build" >/dev/null' EXIT
tests/support/wine-run.sh "$build" "$build/capture_bench.exe"
