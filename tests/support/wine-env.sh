# Sourced with the build directory as argument: the environment every Wine
# run of the test rig shares.
rig_build=${1:?build dir}
export WINEPREFIX="$rig_build/rig/wineprefix"
export WINEDEBUG=-all
# No Mono or Gecko installer dialogs while the prefix is made.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Wine takes the ANSI code page from the locale: 936 (GBK, the program's
# texts) unless a test asks for another one with VANTIK_LOCALE.
export LC_ALL=${VANTIK_LOCALE:-zh_CN.UTF-8}

# Which Wine runs the build's programs, as its configure step wrote it: the
# installed 64-bit Wine, or for the 32-bit build the 32-bit Wine that
# tools/install-wine32.sh unpacks beside the builds, found first on PATH as
# `wine`. The installed 64-bit wineserver serves both kinds of prefix.
rig_winearch=win64
rig_wine32_dir=
# shellcheck source=/dev/null
[ -f "$rig_build/rig-wine.conf" ] && source "$rig_build/rig-wine.conf"
export WINEARCH=$rig_winearch
if [ "$rig_winearch" = win32 ]; then
  export PATH="$rig_wine32_dir/bin:$PATH"
fi

# Ends the calling script with 77, which ctest counts as skipped, saying why,
# where this machine cannot run the build's programs.
rig_require_wine() {
  [ "$rig_winearch" = win32 ] || return 0
  local route=${VANTIK_WIN32_ROUTE:-auto}
  if [ ! -x "$rig_wine32_dir/bin/wine" ]; then
    route="none: no 32-bit Wine in $rig_wine32_dir (tools/install-deps.sh brings it)"
  elif [ "$route" = auto ]; then
    route=$(cat "$rig_wine32_dir/route")
  fi
  case "$route" in
    native | qemu) return 0 ;;
    none) route="VANTIK_WIN32_ROUTE=none" ;;
  esac
  echo "SKIPPED: this machine cannot run the 32-bit build: ${route#none: }"
  exit 77
}
