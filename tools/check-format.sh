#!/usr/bin/env bash
# Fails, naming the files, when a C++ file of the repository differs from the
# format of .clang-format (clang-format 14, which tools/setup.sh installs).
# tools/check-format.sh --fix formats them in place instead.
#
# It also fails, naming the lines, where a file outside platform/ reaches the
# file system itself: an include of <filesystem> or <fstream>, a file stream,
# or std::filesystem beyond its path type and its error. File access goes
# through the platform layer (platform/Files.h, platform/FileSystem.h). The
# tests and benchmarks keep the standard library for their scratch files.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = --fix ]; then
  clang-format-14 -i "${files[@]}"
else
  clang-format-14 --dry-run -Werror "${files[@]}"
fi
mapfile -t layered < <(printf '%s\n' "${files[@]}" | grep -Ev '^(platform|tests|bench)/')
direct='#include <(filesystem|fstream)>|std::[io]?fstream\b|=\s*std::filesystem\s*;|std::filesystem::(?!path\b|filesystem_error\b)'
if found=$(grep -nP "$direct" "${layered[@]}"); then
  echo "File access outside platform/ (use platform/Files.h or platform/FileSystem.h):" >&2
  echo "$found" >&2
  exit 1
fi
