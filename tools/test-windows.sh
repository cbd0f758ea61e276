#!/usr/bin/env bash
# Builds the Windows program and its tests with mingw-w64 (the windows preset, in
# build/windows) and runs them under Wine, in a headless X server and a fresh Wine prefix,
# printing ctest's summary; then its start-up and size benchmarks, and clang-tidy over the
# Windows-only sources. The first run of a build folder also makes its Wine prefix template.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset windows >/dev/null
cmake --build --preset windows
tests/xvfb.sh tests/wine/session.sh build/windows/wine ctest --preset windows

# Start-up under Wine and the program's size: timings on a shared machine are noisy, so a
# missed target is reported, not fatal; a benchmark that cannot run at all fails the script.
bench_status=0
bench/windows/measure_startup_wine.sh build/windows || bench_status=$?
[ "$bench_status" -le 1 ] || exit "$bench_status"

# clang reads the cross build's compile database as mingw-w64's own compiler would.
gcc_include=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")/include/c++
git ls-files 'runtime/win32/*.cpp' 'app/windows/*.cpp' 'tests/behaviour/win32/*.cpp' 'bench/windows/*.cpp' |
  xargs -P 2 -n 1 clang-tidy -p build/windows --quiet \
    --extra-arg=--target=x86_64-w64-mingw32 \
    --extra-arg=-isystem"$gcc_include" \
    --extra-arg=-isystem"$gcc_include/x86_64-w64-mingw32" 2>&1 |
  sed '/^[0-9]* warnings\{0,1\} generated\.$/d'
