#!/usr/bin/env bash
# Builds the Windows program's tests with mingw-w64 (the windows preset, in build/windows) and
# runs them under Wine, in a headless X server and a fresh Wine prefix, printing ctest's
# summary. The first run of a build folder also makes its Wine prefix template.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset windows >/dev/null
cmake --build --preset windows
tools/wine/xvfb.sh tools/wine/session.sh build/windows/wine ctest --preset windows
