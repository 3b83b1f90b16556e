#!/usr/bin/env bash
# The test rig's shared resources, one set per build tree:
#   rig.sh start BUILD_DIR PAINT_STAND_IN   starts a virtual display (Xvfb,
#       1024x768x24, on a free display number), creates the Wine prefix once,
#       installs the Paint stand-in into it and keeps its desktop in use;
#   rig.sh stop BUILD_DIR                   ends the prefix's wineserver and
#       the display.
# The unit tests run in that prefix on that display (see wine-run.sh); each
# journey copies the prefix and starts a display of its own.
set -euo pipefail

cmd=${1:?usage: rig.sh start|stop BUILD_DIR [PAINT_STAND_IN]}
build=$(cd "${2:?build dir}" && pwd)
rig="$build/rig"
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=wine-env.sh
source "$here/wine-env.sh" "$build"

# A Unix path as Wine's programs see it, the Unix root being drive Z: (done
# here: winepath would start the installed Wine, whatever the build).
windows_path() {
  local path
  path=$(realpath -m "$1")
  echo "Z:${path//\//\\}"
}

start_display() {
  mkdir -p "$rig"
  if [ -f "$rig/xvfb.pid" ] && kill -0 "$(cat "$rig/xvfb.pid")" 2>/dev/null; then
    echo "rig: display :$(cat "$rig/display") is already running"
    return
  fi
  local numfile="$rig/display.new"
  rm -f "$numfile"
  # -displayfd lets the server pick a free display number and tell us which.
  setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset \
    3>"$numfile" >"$rig/xvfb.log" 2>&1 </dev/null &
  echo $! >"$rig/xvfb.pid"
  for _ in $(seq 100); do
    [ -s "$numfile" ] && break
    sleep 0.1
  done
  [ -s "$numfile" ] || { echo "rig: Xvfb did not start:"; cat "$rig/xvfb.log"; exit 1; }
  tr -d '\n' <"$numfile" >"$rig/display"
  rm -f "$numfile"
  echo "rig: display :$(cat "$rig/display") started"
}

create_prefix() {
  if [ -f "$WINEPREFIX/.vantik-ready" ]; then
    echo "rig: Wine prefix $WINEPREFIX is ready"
    return
  fi
  rm -rf "$WINEPREFIX"
  echo "rig: creating Wine prefix $WINEPREFIX"
  DISPLAY=":$(cat "$rig/display")" wine wineboot -i
  wineserver -w
  touch "$WINEPREFIX/.vantik-ready"
}

# A persistent wineserver for the whole run: without it every test program
# would start (and wait for) a new one once the last program has ended. It
# refuses to start when one already serves the prefix, which is as good.
# The first program of a session also starts Wine's background services,
# which inherit its output and outlive it; started here with no output, they
# hold no test's output open.
start_wineserver() {
  export DISPLAY=":$(cat "$rig/display")"
  wineserver -p >/dev/null 2>&1 </dev/null ||
    echo "rig: a wineserver already serves the prefix"
  wine cmd /c exit >/dev/null 2>&1 </dev/null
}

# No window manager runs on the rig's display, but Wine treats most top-level
# windows as managed and waits two seconds for a manager each time one is
# hidden or destroyed. The unit-test programs ask Wine to leave their windows
# unmanaged; the programs the journeys drive run as they are.
leave_unit_test_windows_unmanaged() {
  local reg="$rig/unmanaged.reg" exe
  printf 'REGEDIT4\n\n' >"$reg"
  for exe in "$build"/unit_*.exe; do
    [ -e "$exe" ] || continue
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\AppDefaults\\%s\\X11 Driver]\n"Managed"="N"\n\n' \
      "$(basename "$exe")" >>"$reg"
  done
  wine regedit /S "$(windows_path "$reg")" >/dev/null 2>&1 </dev/null
}

# A program that keeps the session's desktop in use until the rig stops (see
# DesktopKeeper.cpp): without it, a test that happens to start explorer.exe
# anew keeps its output open, and seems to hang, for as long as others run.
keep_desktop_in_use() {
  local keeper="$build/desktopkeeper.exe" ready="$rig/desktop.ready"
  if [ -f "$rig/keeper.pid" ] && kill -0 "$(cat "$rig/keeper.pid")" 2>/dev/null; then
    return
  fi
  [ -e "$keeper" ] || { echo "rig: $keeper is missing; build the tests first"; exit 1; }
  rm -f "$ready"
  setsid wine "$keeper" "$(windows_path "$ready")" >/dev/null 2>&1 </dev/null &
  echo $! >"$rig/keeper.pid"
  for _ in $(seq 300); do
    [ -e "$ready" ] && return
    sleep 0.1
  done
  echo "rig: the desktop keeper did not start"
  exit 1
}

install_paint_stand_in() {
  cp "${1:?Paint stand-in}" "$WINEPREFIX/drive_c/windows/system32/mspaint.exe"
}

case "$cmd" in
  start)
    rig_require_wine
    start_display
    create_prefix
    install_paint_stand_in "${3:-}"
    start_wineserver
    keep_desktop_in_use
    leave_unit_test_windows_unmanaged
    ;;
  stop)
    wineserver -k 2>/dev/null || true
    rm -f "$rig/keeper.pid" "$rig/desktop.ready"
    if [ -f "$rig/xvfb.pid" ]; then
      kill "$(cat "$rig/xvfb.pid")" 2>/dev/null || true
      rm -f "$rig/xvfb.pid" "$rig/display"
    fi
    echo "rig: stopped"
    ;;
  *)
    echo "usage: rig.sh start|stop BUILD_DIR [PAINT_STAND_IN]" >&2
    exit 2
    ;;
esac
