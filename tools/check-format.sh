#!/usr/bin/env bash
# Fails, naming the files, when a C++ file of the repository differs from the
# format of .clang-format (clang-format 14, which tools/setup.sh installs).
# tools/check-format.sh --fix formats them in place instead.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = --fix ]; then
  clang-format-14 -i "${files[@]}"
else
  clang-format-14 --dry-run -Werror "${files[@]}"
fi
