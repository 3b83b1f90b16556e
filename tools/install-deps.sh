#!/usr/bin/env bash
# Installs everything Vantik needs to build, test and run on Debian 12:
# the MinGW-w64 cross compilers, Wine (and a 32-bit Wine beside the builds,
# tools/install-wine32.sh), a virtual X display, a window manager for it and
# the tools that drive it, a Chinese locale and font, GoogleTest, CMake, and
# the format and lint checks (clang-format, clang-tidy).
# With --build-only, only what builds the programs (for tools/package.sh).
# Idempotent: when everything is already there it only checks and returns.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake ninja-build
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
)
build_only=false
if [ "${1:-}" = --build-only ]; then
  build_only=true
else
  packages+=(
    wine wine64 libc6-i386 libz-mingw-w64
    xvfb openbox xdotool x11-utils imagemagick
    locales fonts-wqy-microhei
    googletest python3
    clang-format clang-tidy
  )
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

if [ ${#missing[@]} -gt 0 ]; then
  echo "install-deps: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  as_root apt-get update -q
  as_root apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
$build_only && exit 0

# Wine takes its ANSI code page from the locale: zh_CN.UTF-8 gives code page 936.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  echo "install-deps: generating the zh_CN.UTF-8 locale"
  if ! grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    echo 'zh_CN.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  fi
  as_root locale-gen
fi
# The interface language follows the locale too: the language journeys run
# Vantik under a German, an English and a Taiwanese Chinese one.
for name in de_DE en_US zh_TW; do
  if ! locale -a 2>/dev/null | grep -qi "^$name\.utf-\?8$"; then
    echo "install-deps: generating the $name.UTF-8 locale"
    as_root localedef -i "$name" -f UTF-8 "$name.UTF-8"
  fi
done

tools/install-wine32.sh
