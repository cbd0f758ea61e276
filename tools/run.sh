#!/usr/bin/env bash
# Installs what is missing, builds the optimised program and starts the calculator.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-packages.sh run
cmake --preset release >/dev/null
cmake --build --preset release

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Built build/release/app/pellomar, but there is no display to show it on" >&2
  echo "(neither DISPLAY nor WAYLAND_DISPLAY is set). Run it from a desktop session." >&2
  exit 1
fi
exec build/release/app/pellomar
