#!/usr/bin/env bash
# Builds the libFuzzer targets (the RTF reader, the Touchstone reader, the
# analyser session) with
# clang in build-fuzz/ and runs each for a few seconds on a copy of its seed
# corpus. Fails on a crash.
set -euo pipefail
cd "$(dirname "$0")/.."

cxx=""
for candidate in clang++ clang++-14; do
  if command -v "$candidate" >/dev/null 2>&1; then
    cxx=$(command -v "$candidate")
    break
  fi
done
if [ -z "$cxx" ]; then
  echo "== Fuzzing skipped: clang++ is missing"
  exit 0
fi

seconds=${ZB_FUZZ_SECONDS:-10}
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER="$cxx" -DZB_FUZZ=ON -DZB_WITH_BENCHMARKS=OFF >/dev/null
cmake --build build-fuzz --target rtf_fuzz touchstone_fuzz analyser_fuzz

# fuzz NAME PROGRAM SEEDS: libFuzzer adds what it finds to the first corpus
# folder, so it gets a copy of the seeds.
fuzz() {
  local name=$1 program=$2 seeds=$3
  echo "== Fuzz the $name for ${seconds} s (build-fuzz/)"
  local work=build-fuzz/$(basename "$program")-run
  rm -rf "$work"
  mkdir -p "$work/corpus" "$work/artifacts"
  cp "$seeds"/* "$work/corpus/"
  # Qt's own allocations are not ours to check; sanitizer errors and crashes are.
  ASAN_OPTIONS="detect_leaks=0:abort_on_error=1" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
    "$program" -max_total_time="$seconds" -max_len=8192 -timeout=10 \
    -rss_limit_mb=2048 -artifact_prefix="$work/artifacts/" -print_final_stats=1 "$work/corpus"
}

fuzz "RTF reader" build-fuzz/tests/ui/rtf/rtf_fuzz tests/ui/rtf/corpus
fuzz "Touchstone reader" build-fuzz/tests/core/touchstone_fuzz tests/core/measurement/touchstone-corpus
fuzz "analyser session" build-fuzz/tests/core/analyser_fuzz tests/core/measurement/analyser-corpus
echo "== Fuzzing found no crash"
