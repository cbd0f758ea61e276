#!/usr/bin/env bash
# Installs what is missing, then cross-compiles the Windows program with mingw-w64:
# build/windows-release/app/pellomar.exe, one self-contained executable, and its installer
# build/windows-release/pellomar-<version>-x64.msi.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-packages.sh windows
cmake --preset windows-release >/dev/null
cmake --build --preset windows-release --target pellomar_installer
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows-release/CMakeCache.txt)
echo "Built build/windows-release/app/pellomar.exe and build/windows-release/pellomar-$version-x64.msi"
