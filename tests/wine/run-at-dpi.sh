#!/usr/bin/env bash
# tests/wine/run-at-dpi.sh DPI STATE PROGRAM.exe [ARGUMENTS...]
# Runs a Windows program under Wine on a screen of DPI dots per inch, as a run of its own
# (session.sh) in the Wine state folder STATE, kept for that one DPI; make-template.sh makes
# its template once. It all happens on an X server of its own (tests/xvfb.sh), so that its windows
# and input never meet those of a run beside it. Exits with the program's exit code.
set -euo pipefail
if [ $# -lt 3 ]; then
  echo "usage: $0 DPI STATE PROGRAM.exe [ARGUMENTS...]" >&2
  exit 2
fi
here=$(dirname "$(realpath "$0")")
if [ -z "${PELLOMAR_OWN_DISPLAY:-}" ]; then
  PELLOMAR_OWN_DISPLAY=1 exec "$here/../xvfb.sh" "$0" "$@"
fi
dpi=$1
state=$(realpath -m "$2")
shift 2
"$here/make-template.sh" "$state" "$dpi"
exec "$here/session.sh" "$state" "$here/run.sh" --state "$state" "$@"
