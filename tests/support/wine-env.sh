# Sourced with the build directory as argument: the environment every Wine
# run of the test rig shares.
rig_build=${1:?build dir}
export WINEPREFIX="$rig_build/rig/wineprefix"
export WINEARCH=win64
export WINEDEBUG=-all
# No Mono or Gecko installer dialogs while the prefix is made.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Wine takes the ANSI code page from the locale: 936 (GBK, the program's
# texts) unless a test asks for another one with VANTIK_LOCALE.
export LC_ALL=${VANTIK_LOCALE:-zh_CN.UTF-8}
