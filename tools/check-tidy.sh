#!/usr/bin/env bash
# Runs clang-tidy (14, Debian's) over the program's own code: app/, skin/,
# dialogs/, gfx/ and framework/, with the checks of .clang-tidy. Fails on any
# finding and on any file clang cannot parse.
#
#     tools/check-tidy.sh [BUILD_DIR [FILE...]]   (default: build/win64, all files)
#
# The compile commands are the win64 preset's (it exports them; configured
# here when missing). clang parses them as the MinGW target, with the cross
# compiler's own C++ and Windows headers; GCC-only flags it rejects are
# dropped from a copy of the database kept in BUILD_DIR/tidy/.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/win64}
tidy=$(command -v clang-tidy-14 || command -v clang-tidy)

if [ ! -f "$build/compile_commands.json" ]; then
  [ "$build" = build/win64 ] || { echo "check-tidy: no $build/compile_commands.json" >&2; exit 2; }
  cmake --preset win64 >/dev/null
fi

# The copy: only the program's own sources, without the flags clang rejects.
mkdir -p "$build/tidy"
python3 - "$build/compile_commands.json" "$build/tidy/compile_commands.json" "$PWD" <<'EOF'
import json, os, shlex, sys
source, target, root = sys.argv[1:]
folders = tuple(os.path.join(root, f) + os.sep for f in ("app", "skin", "dialogs", "gfx", "framework"))
rejected = ("-fexec-charset=", "-finput-charset=")
kept = []
for entry in json.load(open(source)):
    path = os.path.normpath(os.path.join(entry["directory"], entry["file"]))
    if not path.startswith(folders) or not path.endswith(".cpp"):
        continue
    args = entry.get("arguments") or shlex.split(entry["command"])
    entry.pop("command", None)
    entry["arguments"] = [a for a in args if not a.startswith(rejected)]
    kept.append(entry)
json.dump(kept, open(target, "w"), indent=1)
print("\n".join(e["file"] for e in kept), file=open(target + ".files", "w"))
EOF

# The cross compiler's C++ and Windows headers, in its own search order; not
# GCC's builtin headers (intrinsics and the like): clang brings its own.
extra=(--extra-arg-before=--target=x86_64-w64-mingw32)
while read -r dir; do
  extra+=("--extra-arg=-isystem$(realpath "$dir")")
done < <(x86_64-w64-mingw32-g++-posix -E -x c++ - -v </dev/null 2>&1 |
  sed -n '/<...> search starts here/,/End of search list/{//!p}' |
  grep -Ev '/lib/gcc/[^/]+/[^/]+/include(-fixed)?$')

# One clang-tidy per file, as many at once as there are cores; each exits
# non-zero on a finding or a parse error. clang's count of the warnings it
# hid in the platform's headers is left out.
files=${*:2}
[ -n "$files" ] || files=$(cat "$build/tidy/compile_commands.json.files")
[ -n "$files" ] || { echo "check-tidy: no source of the program in $build/compile_commands.json" >&2; exit 2; }
set +e
echo "$files" | xargs -P "$(nproc)" -n 1 "$tidy" --quiet -p "$build/tidy" "${extra[@]}" 2>&1 |
  grep -Ev '^[0-9]+ warnings? generated\.$'
status=${PIPESTATUS[1]}
set -e
if [ "$status" -ne 0 ]; then
  echo "check-tidy: findings above; mend each, or suppress it on its line: // NOLINT(check): why" >&2
  exit 1
fi
echo "check-tidy: $(echo "$files" | wc -w) files, no finding"
