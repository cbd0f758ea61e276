#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test:
#   1. release build, warnings as errors: unit tests, window tests (offscreen), benchmarks;
#   2. debug build with AddressSanitizer and UndefinedBehaviorSanitizer: the toolkit-free tests;
#   3. the fuzz target under libFuzzer for 30 seconds;
#   4. formatting of every C++ file.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-packages.sh test

step() { printf '\n== %s\n' "$*"; }

step "Release build and tests"
cmake --preset ci >/dev/null
cmake --build --preset ci
ctest --preset ci

step "Sanitizer build and tests"
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan

step "Fuzzing for 30 seconds"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
mkdir -p build/fuzz/corpus
build/fuzz/fuzz/engine_fuzz -max_total_time=30 -print_final_stats=1 -dict=fuzz/engine_fuzz.dict build/fuzz/corpus

step "Benchmarks"
build/ci/bench/operations_benchmark --benchmark_min_time=0.05
if [ -x bench/startup/measure_startup.sh ]; then
  bench/startup/measure_startup.sh build/ci
fi

step "Formatting"
git ls-files '*.h' '*.cpp' | xargs clang-format --dry-run --Werror

echo
echo "All tests passed."
