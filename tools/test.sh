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
#   6. the Debian package, made from the release build: lintian, desktop entry and AppStream
#      checks, apt install, start and purge;
#   7. formatting of every C++ file.
# The runs under Wine, which mostly wait, go beside the steps that keep the processors busy:
# the Windows tests beside the static analysis, the installer beside the sanitizer build.
set -euo pipefail
cd "$(dirname "$0")/.."

# Each step's time, on the clock and in processor time (user and system, of the commands the
# step ran and waited for), printed as the step ends and as a table at the end, or when a step
# fails, up to it.
clock_ticks=$(getconf CLK_TCK)
now_ms() { date +%s%3N; }
cpu_ms() { awk -v hz="$clock_ticks" '{ print int(($16 + $17) * 1000 / hz) }' "/proc/$$/stat"; }
duration() { printf '%d:%02d' $(($1 / 60000)) $(($1 / 1000 % 60)); }
step_name="" step_rows=()
end_step() {
  [ -n "$step_name" ] || return 0
  local wall=$(($(now_ms) - step_wall)) cpu=$(($(cpu_ms) - step_cpu))
  printf -- '-- %s: %s, processor %s\n' "$step_name" "$(duration $wall)" "$(duration $cpu)"
  step_rows+=("$(printf '%7s %9s  %s' "$(duration $wall)" "$(duration $cpu)" "$step_name")")
  step_name=""
}
step() {
  end_step
  step_name=$* step_wall=$(now_ms) step_cpu=$(cpu_ms)
  printf '\n== %s\n' "$*"
}
step_table() {
  local status=$1
  end_step
  printf '\n%7s %9s  %s\n' clock processor step
  printf '%s\n' "${step_rows[@]}"
  printf '%7s %9s  all\n' "$(duration $(($(now_ms) - test_wall)))" "$(duration "$(cpu_ms)")"
  [ "$status" -eq 0 ] || echo "FAILED in: ${step_rows[-1]##*  }"
}
test_wall=$(now_ms)

# beside NAME COMMAND...: runs COMMAND in the background, beside the steps that follow, with
# its output kept until `joined` shows it under NAME; its failure fails the script. What runs
# beside mostly waits on programs under Wine, while the steps in front keep the processors
# busy, at a lower priority so as not to slow what runs beside.
beside_pid=""
beside() {
  beside_name=$1 beside_log=$(mktemp) beside_wall=$(now_ms)
  shift
  # A process group of its own, which a failure in front ends whole.
  setsid "$@" >"$beside_log" 2>&1 &
  beside_pid=$!
}
joined() {
  local status=0
  wait "$beside_pid" || status=$?
  beside_pid=""
  printf '\n== %s (beside the step above)\n' "$beside_name"
  cat "$beside_log"
  rm -f "$beside_log"
  printf -- '-- %s: %s on the clock\n' "$beside_name" "$(duration $(($(now_ms) - beside_wall)))"
  [ "$status" -eq 0 ] || { echo "FAIL: $beside_name" >&2; exit "$status"; }
}
stop_beside() {
  [ -z "$beside_pid" ] || kill -- "-$beside_pid" 2>/dev/null || true
  [ -z "$beside_pid" ] || wait "$beside_pid" 2>/dev/null || true
}
trap 'status=$?; stop_beside; step_table "$status"' EXIT

step "Packages for building the tests"
tools/install-packages.sh test-build

step "Release build and tests, beside the build the other packages"
beside "The other packages" tools/install-packages.sh test
cmake --preset ci >/dev/null
cmake --build --preset ci
joined
ctest --preset ci

step "Windows cross build"
cmake --preset windows >/dev/null
cmake --build --preset windows

step "Static analysis, beside it the Windows tests under Wine"
# tools/test-windows.sh finds the cross build made, runs its tests, benchmarks and clang-tidy
# over the Windows sources.
beside "Windows tests under Wine" tools/test-windows.sh
# With the release build's compile database; the fuzz targets are only in the fuzz preset's and
# the Windows sources in the Windows build's, whose step checks them.
# Each file's count of warnings from system headers, which .clang-tidy filters, is dropped.
git ls-files '*.cpp' | grep -v -E '^(fuzz|runtime/win32|app/windows|tests/behaviour/win32|bench/windows)/' |
  xargs -P 2 -n 1 nice clang-tidy -p build/ci --quiet 2>&1 |
  sed '/^[0-9]* warnings\{0,1\} generated\.$/d'
joined

step "Windows release: the same executable and installer from two builds"
tools/test-reproducible.sh exe

step "Sanitizer build and tests, beside them the installer under Wine"
beside "The installer under Wine" tools/test-installer.sh build/repro-one/windows-release
cmake --preset asan >/dev/null
nice cmake --build --preset asan
ctest --preset asan
joined

step "Fuzzing"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
mkdir -p build/fuzz/corpus build/fuzz/icon_corpus
# Each target on a processor of its own.
beside "Fuzzing the icon reader" build/fuzz/fuzz/icon_directory_fuzz -max_total_time=10 \
  -print_final_stats=1 build/fuzz/icon_corpus ui/frmcal/assets
build/fuzz/fuzz/engine_fuzz -max_total_time=30 -print_final_stats=1 -dict=fuzz/engine_fuzz.dict build/fuzz/corpus
joined

step "Benchmarks"
build/ci/bench/operations_benchmark --benchmark_min_time=0.05 --benchmark_color=false
# Timings on a shared machine are noisy: a missed target is reported, not fatal; a
# benchmark that cannot run at all fails the script.
startup_status=0
bench/startup/measure_startup.sh build/ci || startup_status=$?
[ "$startup_status" -le 1 ] || exit "$startup_status"

step "Debian package"
# Made from the release build, whose flags are the package preset's.
tools/test-package.sh build/ci

step "Formatting"
git ls-files '*.h' '*.cpp' | xargs clang-format --dry-run --Werror

echo
echo "All tests passed."
