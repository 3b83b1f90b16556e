#!/usr/bin/env bash
# Fails, naming the files and lines, when a C++ file of the program, the tests
# or the bench is not as .clang-format writes it (clang-format 14, Debian's).
set -euo pipefail
cd "$(dirname "$0")/.."
files=$(git ls-files '*.cpp' '*.h')
if ! echo "$files" | xargs clang-format --dry-run --Werror; then
  echo "check-format: not formatted; run: git ls-files '*.cpp' '*.h' | xargs clang-format -i"
  exit 1
fi
echo "check-format: $(echo "$files" | wc -l) files formatted"
