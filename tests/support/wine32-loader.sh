#!/usr/bin/env bash
# The 32-bit Wine loader's stand-in, copied into its place in the unpacked
# 32-bit Wine (build/wine32/root/usr/lib/wine/wine) by tools/install-wine32.sh.
# Wine starts every new Windows process by running this file again, so each
# process goes the same route: the real loader run by the kernel, or under
# QEMU user mode where the kernel runs no 32-bit programs.
# VANTIK_WIN32_ROUTE (native, qemu or none) overrides the route the install
# found.
# It is also `wine` on the rig's PATH, through the link build/wine32/bin/wine.
set -euo pipefail
self=$(readlink -f "$0")
loader_dir=${self%/*}
root=${loader_dir%/usr/lib/wine}
dir=${root%/root}
route=${VANTIK_WIN32_ROUTE:-auto}
[ "$route" = auto ] && route=$(cat "$dir/route")

# The installed wineserver (64-bit) serves the 32-bit prefixes too, started
# as the installed Wine starts it.
export WINESERVER=/usr/lib/wine/wineserver

case "$route" in
  native)
    # The loader's interpreter is the system's /lib/ld-linux.so.2 (package
    # libc6-i386), so its C library comes first, the unpacked ones after it.
    export LD_LIBRARY_PATH="/usr/lib32:$root/lib/i386-linux-gnu:$root/usr/lib/i386-linux-gnu"
    exec "$loader_dir/wine.real" "$@"
    ;;
  qemu)
    # QEMU runs the unpacked root's own dynamic loader and C library (-L),
    # which find the other libraries through the root's library cache. No
    # preloader: the address space is QEMU's to lay out.
    unset LD_LIBRARY_PATH
    export WINELOADERNOEXEC=1
    exec "$dir/qemu/usr/bin/qemu-i386" -L "$root" -0 "$self" "$loader_dir/wine.real" "$@"
    ;;
  *)
    echo "wine32: no route to run 32-bit Wine here: $route" >&2
    exit 77
    ;;
esac
