#!/usr/bin/env bash
# Installs what is missing, builds Vantik and starts it under Wine: on your
# display if there is one, otherwise on a virtual display that this script
# starts, in which case it writes a screenshot of the running frame to
# build/win64/vantik-screenshot.png.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$(pwd)

tools/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target vantik

# A Wine prefix of its own, in the build tree; code page 936 for the
# program's Chinese texts.
export WINEPREFIX="$top/build/win64/run-prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL=zh_CN.UTF-8

xvfb_pid=""
cleanup() {
  wineserver -k 2>/dev/null || true
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}
trap cleanup EXIT

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  echo "Vantik: starting on display $DISPLAY"
  exec wine build/win64/vantik.exe
fi

echo "Vantik: there is no display here, so it runs on a virtual one (Xvfb, 1024x768)."
numfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$numfile" >/dev/null 2>&1 </dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$numfile" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$numfile")"
rm -f "$numfile"

[ -d "$WINEPREFIX" ] || { echo "Vantik: preparing a Wine prefix (once)"; wine wineboot -i >/dev/null 2>&1; }
wine build/win64/vantik.exe >/dev/null 2>&1 &
vantik_pid=$!

shot="$top/build/win64/vantik-screenshot.png"
for _ in $(seq 300); do
  xdotool search --onlyvisible --name '^Vantik$' >/dev/null 2>&1 && break
  kill -0 "$vantik_pid" 2>/dev/null || { echo "Vantik: the program ended before its frame appeared" >&2; exit 1; }
  sleep 0.1
done
sleep 1 # let the frame finish painting before the picture is taken
import -window root "$shot"
echo "Vantik: running on the virtual display $DISPLAY; a screenshot of it is in $shot"

if [ -t 0 ]; then
  read -r -p "Press Enter to close Vantik. " _
else
  echo "Vantik: no terminal to wait on, so it is closed again."
fi
