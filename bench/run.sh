#!/usr/bin/env bash
# Vantik's benchmark: bench/run.sh [BUILD_DIR] [bench.py options]
#
# Runs the programs of a built win64 tree (default build/win64; it builds
# nothing) on an Xvfb display of its own (2048x1152x24), in a copy of a Wine
# prefix with its own wineserver (the tree's test-rig prefix when the tests
# have made it, else one made once in BUILD_DIR/bench-prefix), so a test
# suite running on the same tree is not disturbed. It prints one table: each
# case's median and p10-p90 over repeated runs, a baseline measured in the
# same run, the ratio and the target.
#
#  capture      from sending the capture command (WM_COMMAND 7570, by
#               SendMessage from another process) to the real vantik.exe's
#               frame until the send returns (clipboard, BMP file and Paint
#               launch done), viewports 180x153, 1000x700, 1820x1000.
#               Baselines: the floor (bench_floor.exe: the same platform
#               calls and nothing else), run interleaved with Vantik, and
#               ImageMagick's `import` grabbing the same rectangle into a
#               BMP, timed as a whole process. Each capture waits for the
#               Paint stand-in it launched. Target: within 1.15x the floor.
#  resize step  one border-resize step of the real frame (move/resize,
#               WM_SIZE with layout, region and repaint, and the paint left
#               after it), frames 280x175 and 1820x1000, against the 20 ms
#               period of the resize timer. Target: under 5 ms at 1820x1000.
#  start-up     from CreateProcess to the frame visible, and to the process
#               idle with it shown, against Wine's notepad. Target: <= 1.0x.
#  peak RSS     /proc VmHWM of the Wine process running vantik.exe after
#               start and after 200 captures, against notepad after start
#               (Wine's own PeakWorkingSetSize is printed beside it).
#               Target: <= 1.0x.
#
# Takes about four to five minutes. Options (see bench/bench.py --help):
# --parts resize,capture,startup,memory and the run counts.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/win64}
[ $# -gt 0 ] && shift
exec python3 bench/bench.py "$build" "$@"
