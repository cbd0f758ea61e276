#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test:
#   1. release build, warnings as errors: unit tests, window tests (offscreen), benchmarks;
#   2. clang-tidy over every C++ source but the fuzz target, any finding an error;
#   3. debug build with AddressSanitizer and UndefinedBehaviorSanitizer: every test again;
#   4. the fuzz target under libFuzzer for 30 seconds;
#   5. formatting of every C++ file.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-packages.sh test

step() { printf '\n== %s\n' "$*"; }

step "Release build and tests"
cmake --preset ci >/dev/null
cmake --build --preset ci
ctest --preset ci

step "Static analysis"
# With the release build's compile database; the fuzz target is only in the fuzz preset's.
# Each file's count of warnings from system headers, which .clang-tidy filters, is dropped.
git ls-files '*.cpp' | grep -v '^fuzz/' |
  xargs -P 2 -n 1 clang-tidy -p build/ci --quiet 2>&1 |
  sed '/^[0-9]* warnings\{0,1\} generated\.$/d'

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
build/ci/bench/operations_benchmark --benchmark_min_time=0.05 --benchmark_color=false
# Timings on a shared machine are noisy: a missed target is reported, not fatal; a
# benchmark that cannot run at all fails the script.
startup_status=0
bench/startup/measure_startup.sh build/ci || startup_status=$?
[ "$startup_status" -le 1 ] || exit "$startup_status"

step "Formatting"
git ls-files '*.h' '*.cpp' | xargs clang-format --dry-run --Werror

echo
echo "All tests passed."
