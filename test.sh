#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once normally, once
# with AddressSanitizer and UndefinedBehaviorSanitizer; checks the code's
# layout and lint in between. Everything runs as on a German desktop (the
# desktop test also in the C locale).
set -euo pipefail
cd "$(dirname "$0")"
source tools/packages.sh
zb_ensure_packages
zb_ensure_locales
export LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8

jobs=$(nproc 2>/dev/null || echo 2)

echo "== Build and test (build/)"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
ctest --test-dir build --output-on-failure -j "$jobs"

# The layout and the curated clang-tidy checks, over build/'s compile commands.
tools/lint.sh build

echo "== Build and test with sanitizers (build-asan/)"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DZB_SANITIZE=ON -DZB_WERROR=ON -DZB_WITH_BENCHMARKS=OFF
cmake --build build-asan
ASAN_OPTIONS="detect_leaks=0:abort_on_error=1" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

if [ -x tools/fuzz.sh ]; then
  tools/fuzz.sh
fi
echo "== All tests passed"
