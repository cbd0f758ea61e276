#!/usr/bin/env bash
# Installs what is missing, then cross-compiles the Windows program with mingw-w64:
# build/windows-release/app/pellomar.exe, one self-contained executable.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-packages.sh windows
cmake --preset windows-release >/dev/null
cmake --build --preset windows-release --target pellomar
echo "Built build/windows-release/app/pellomar.exe"
