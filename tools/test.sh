#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test:
#   1. release build, warnings as errors: unit tests, window tests (offscreen), the names
#      screen readers hear (over AT-SPI, in a headless X server), benchmarks;
#   2. the Windows cross build (mingw-w64): the program, its unit and window tests under Wine
#      in a headless X server, the executable's check, clang-tidy over its own sources; the
#      release executable built twice and compared, the installer installed and removed;
#   3. clang-tidy over every C++ source of the Linux build, any finding an error;
#   4. debug build with AddressSanitizer and UndefinedBehaviorSanitizer: every test again;
#   5. the fuzz targets under libFuzzer: the engine for 30 seconds, the icon reader for 10;
#   6. the Debian package: lintian, desktop entry and AppStream checks, apt install, start and
#      purge;
#   7. formatting of every C++ file.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-packages.sh test

step() { printf '\n== %s\n' "$*"; }

step "Release build and tests"
cmake --preset ci >/dev/null
cmake --build --preset ci
ctest --preset ci

step "Windows cross build and its tests under Wine"
tools/test-windows.sh

step "Windows release: the same executable from two builds, the installer under Wine"
tools/test-reproducible.sh exe
tools/test-installer.sh build/repro-one/windows-release

step "Static analysis"
# With the release build's compile database; the fuzz targets are only in the fuzz preset's and
# the Windows sources in the Windows build's, whose step checks them.
# Each file's count of warnings from system headers, which .clang-tidy filters, is dropped.
git ls-files '*.cpp' | grep -v -E '^(fuzz|runtime/win32|app/windows|tests/behaviour/win32|bench/windows)/' |
  xargs -P 2 -n 1 clang-tidy -p build/ci --quiet 2>&1 |
  sed '/^[0-9]* warnings\{0,1\} generated\.$/d'

step "Sanitizer build and tests"
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan

step "Fuzzing"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
mkdir -p build/fuzz/corpus build/fuzz/icon_corpus
build/fuzz/fuzz/engine_fuzz -max_total_time=30 -print_final_stats=1 -dict=fuzz/engine_fuzz.dict build/fuzz/corpus
build/fuzz/fuzz/icon_directory_fuzz -max_total_time=10 -print_final_stats=1 build/fuzz/icon_corpus ui/frmcal/assets

step "Benchmarks"
build/ci/bench/operations_benchmark --benchmark_min_time=0.05 --benchmark_color=false
# Timings on a shared machine are noisy: a missed target is reported, not fatal; a
# benchmark that cannot run at all fails the script.
startup_status=0
bench/startup/measure_startup.sh build/ci || startup_status=$?
[ "$startup_status" -le 1 ] || exit "$startup_status"

step "Debian package"
tools/test-package.sh

step "Formatting"
git ls-files '*.h' '*.cpp' | xargs clang-format --dry-run --Werror

echo
echo "All tests passed."
