#!/usr/bin/env bash
# tests/wine/run.sh --state STATE PROGRAM.exe [ARGUMENTS...]
# Runs a Windows program under Wine and exits with its exit code. It is the cross build's
# emulator (CMAKE_CROSSCOMPILING_EMULATOR): ctest lists and runs the test programs through it.
# The program runs in STATE/prefix, the run's copy of the template, made here when missing.
# Inside session.sh, which makes a fresh prefix for each run and keeps Wine's server and
# background processes up for all its programs, the program's output streams straight through.
# Elsewhere the first program of a prefix starts those background processes itself, and they
# would keep its output pipes open, and its caller waiting, long after it ends: its output goes
# to files, copied out when it ends. Safe to call concurrently.
set -euo pipefail
if [ "${1:-}" != --state ] || [ $# -lt 3 ]; then
  echo "usage: $0 --state STATE PROGRAM.exe [ARGUMENTS...]" >&2
  exit 2
fi
state=$(realpath -m "$2")
shift 2
here=$(dirname "$(realpath "$0")")
# shellcheck source=tests/wine/common.sh
source "$here/common.sh"

if [ "${PELLOMAR_WINE_SESSION:-}" = "$state" ]; then
  wine_use_prefix "$state/prefix" "$state"
  exec wine "$@"
fi

"$here/make-template.sh" "$state"
if [ ! -d "$state/prefix" ]; then
  (
    wine_lock_state "$state"
    [ -d "$state/prefix" ] || wine_copy_template "$state"
  )
fi
wine_use_prefix "$state/prefix" "$state"
output=$(mktemp -d)
trap 'rm -rf "$output"' EXIT
status=0
wine "$@" >"$output/stdout" 2>"$output/stderr" || status=$?
cat "$output/stdout"
cat "$output/stderr" >&2
exit "$status"
