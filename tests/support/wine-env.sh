# Sourced with the build directory as argument: the environment every Wine
# run of the test rig shares.
rig_build=${1:?build dir}
export WINEPREFIX="$rig_build/rig/wineprefix"
export WINEARCH=win64
export WINEDEBUG=-all
# No Mono or Gecko installer dialogs while the prefix is made.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Code page 936: the program's texts are GBK.
export LC_ALL=zh_CN.UTF-8
