#!/usr/bin/env bash
# Brings a 32-bit Wine for running the 32-bit build: Debian's wine32 and the
# libraries it needs, downloaded and unpacked into build/wine32/root, never
# installed system-wide (/usr/bin/wine would then start the 32-bit loader,
# which breaks every 64-bit run on a machine that cannot execute it). The
# installed 64-bit wineserver serves its prefixes.
#
# It runs natively where the kernel runs 32-bit programs, and under QEMU user
# mode (unpacked from the backports suite of the machine's own archive) where
# it does not. The route found is written to build/wine32/route, which the
# loader wrapper (tests/support/wine32-loader.sh) reads; where neither route
# works, the reason is written there instead and the 32-bit tests skip.
# VANTIK_WIN32_ROUTE=qemu brings QEMU and uses it even where the native route
# works (to try that route); =native never brings QEMU; =none brings nothing
# and the 32-bit tests skip (to try that too).
#
# Idempotent: when everything is there it only checks and returns.
set -euo pipefail
cd "$(dirname "$0")/.."

dir=$(pwd)/build/wine32
root=$dir/root
forced=${VANTIK_WIN32_ROUTE:-auto}
case "$forced" in
  auto | native | qemu) ;;
  none) echo "install-wine32: VANTIK_WIN32_ROUTE=none, so no 32-bit Wine is brought"; exit 0 ;;
  *) echo "install-wine32: VANTIK_WIN32_ROUTE must be auto, native, qemu or none" >&2; exit 2 ;;
esac

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}
apt_quiet=(-q -o APT::Sandbox::User=root)

# The 32-bit Wine must be the very version of the installed 64-bit one: they
# share the wineserver.
wine_version=$(dpkg-query -W -f='${Version}' wine64)

# Wine's own 32-bit libraries, the X libraries it loads at run time, and
# whatever these need. Only i386 packages are taken: the simulation also lists
# upgrades of installed amd64 packages, which are left alone.
i386_packages() {
  apt-get install -s --no-install-recommends "${apt_quiet[@]}" \
    "wine32:i386=$wine_version" "libwine:i386=$wine_version" \
    libxrender1:i386 libxrandr2:i386 libxi6:i386 libxcursor1:i386 libxinerama1:i386 \
    libxcomposite1:i386 libxxf86vm1:i386 libxfixes3:i386 libxkbcommon0:i386 |
    awk '/^Inst / && $2 ~ /:i386$/ { print $2 }'
}

unpack_wine() {
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "install-wine32: adding the i386 architecture to apt (nothing of it is installed)"
    as_root dpkg --add-architecture i386
    as_root apt-get update -q
  fi
  local packages
  packages=$(i386_packages)
  if [ -z "$packages" ]; then
    as_root apt-get update -q
    packages=$(i386_packages)
  fi
  if ! grep -qx "wine32:i386" <<<"$packages"; then
    echo "install-wine32: apt offers no wine32:i386 $wine_version" >&2
    return 1
  fi
  echo "install-wine32: downloading $(wc -l <<<"$packages") packages of the 32-bit Wine $wine_version into $root"
  rm -rf "$root" "$dir/debs"
  mkdir -p "$root" "$dir/debs"
  # shellcheck disable=SC2086 # one package a word
  (cd "$dir/debs" && apt-get download "${apt_quiet[@]}" $packages >/dev/null)
  local deb
  for deb in "$dir"/debs/*.deb; do
    dpkg-deb -x "$deb" "$root"
  done
  rm -rf "$dir/debs"

  # Wine's user32 imports zlib1.dll, which Debian takes from libz-mingw-w64
  # and marks as one of Wine's own (as its libwine package does when
  # installed), so that it loads from Wine's DLL folder.
  local zlib=/usr/i686-w64-mingw32/lib/zlib1.dll
  { head -c 64 "$zlib"; printf 'Wine builtin DLL'; head -c 16 /dev/zero; tail -c +97 "$zlib"; } \
    >"$root/usr/lib/i386-linux-gnu/wine/i386-windows/zlib1.dll"
  # Wine starts every new process by running its loader again, so the loader's
  # place holds the wrapper that chooses the route; the real one moves aside.
  mv "$root/usr/lib/wine/wine" "$root/usr/lib/wine/wine.real"
  echo "$wine_version" >"$root/.vantik-ready"
}

# The 32-bit Wine loader, run by the kernel itself as the wrapper runs it.
runs_natively() {
  VANTIK_WIN32_ROUTE=native "$root/usr/lib/wine/wine" --version >/dev/null 2>&1
}

# QEMU's user-mode emulator for i386 from the backports suite of the archive
# the machine already uses (Debian 12's own QEMU 7.2 is far too slow for Wine:
# it ignores MAP_FIXED_NOREPLACE). A private apt state: nothing is added to
# the machine's sources.
bring_qemu() {
  [ -x "$dir/qemu/usr/bin/qemu-i386" ] && return 0
  local codename uri
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  uri=$(apt-get indextargets --format '$(REPO_URI) $(RELEASE)' | awk -v s="$codename" '$2 == s { print $1; exit }')
  if [ -z "$uri" ]; then
    echo "install-wine32: no apt source for $codename to take the backports suite from" >&2
    return 1
  fi
  local apt="$dir/apt"
  rm -rf "$apt"
  mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial"
  echo "deb $uri $codename-backports main" >"$apt/sources.list"
  local opts=("${apt_quiet[@]}" -o "Dir::Etc::sourcelist=$apt/sources.list" -o Dir::Etc::sourceparts=-
              -o "Dir::State::lists=$apt/lists" -o "Dir::Cache=$apt/cache" -o APT::Architectures::=amd64)
  echo "install-wine32: downloading qemu-user from $codename-backports"
  apt-get update "${opts[@]}" >/dev/null || return 1
  (cd "$apt" && apt-get download "${opts[@]}" "qemu-user/$codename-backports" >/dev/null) || return 1
  rm -rf "$dir/qemu"
  mkdir -p "$dir/qemu"
  dpkg-deb -x "$apt"/qemu-user_*.deb "$dir/qemu"
  # Only the i386 emulator is needed; the others take 300 MB.
  find "$dir/qemu/usr/bin" -name 'qemu-*' ! -name qemu-i386 -delete
  rm -rf "$apt"

  # Under QEMU the 32-bit dynamic loader runs inside the unpacked root (-L),
  # where it reads the root's own library cache.
  printf '/lib/i386-linux-gnu\n/usr/lib/i386-linux-gnu\n' >"$root/etc/ld.so.conf"
  ldconfig -r "$root"
  "$dir/qemu/usr/bin/qemu-i386" --version | head -1
}

mkdir -p "$dir"
if [ "$(cat "$root/.vantik-ready" 2>/dev/null)" != "$wine_version" ]; then
  unpack_wine || { echo "none: the 32-bit Wine $wine_version could not be brought from apt" >"$dir/route"; exit 0; }
fi

# A copy, not a link: Wine finds its own files from the loader's real path.
install -m 755 tests/support/wine32-loader.sh "$root/usr/lib/wine/wine"
# The rig puts this folder first on PATH: `wine` there is the 32-bit one.
mkdir -p "$dir/bin"
ln -sfn ../root/usr/lib/wine/wine "$dir/bin/wine"

if [ "$forced" != qemu ] && runs_natively; then
  route=native
elif [ "$forced" = native ]; then
  route="none: this kernel does not run 32-bit programs and VANTIK_WIN32_ROUTE=native forbids QEMU"
elif bring_qemu; then
  route=qemu
else
  route="none: this kernel does not run 32-bit programs and QEMU user mode could not be brought from the backports suite"
fi
echo "$route" >"$dir/route"
echo "install-wine32: the 32-bit build runs under Wine by the route: $route"
