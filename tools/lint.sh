#!/usr/bin/env bash
# The code's habits, checked: clang-format's layout (.clang-format) over every
# C++ file, and clang-tidy's curated checks (.clang-tidy) over the program's
# own sources. Needs the compile commands of a configured build folder
# (default build/). Fails on the first file that differs or finds anything.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
jobs=$(nproc 2>/dev/null || echo 2)

echo "== Format check (clang-format)"
git ls-files -z '*.h' '*.cpp' | xargs -0 clang-format --dry-run -Werror

echo "== Lint (clang-tidy, $(clang-tidy --version | grep -o 'version [0-9.]*'))"
# Each unit on its own, several at once; clang-tidy exits non-zero on a finding.
git ls-files -z 'core/*.cpp' 'cli/*.cpp' 'report/*.cpp' 'ui/*.cpp' 'locale/*.cpp' 'assets/*.cpp' \
  'tools/*.cpp' 'bench/*.cpp' 'packaging/*.cpp' |
  xargs -0 -n 1 -P "$jobs" clang-tidy -p "$build" --quiet
echo "== Format and lint clean"
