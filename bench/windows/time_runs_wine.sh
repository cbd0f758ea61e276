#!/usr/bin/env bash
# bench/windows/time_runs_wine.sh STATE RUNS OUT_DIR PROGRAM.exe...
# Inside a Wine session (tests/wine/session.sh STATE), runs the programs in turns, RUNS times
# each after one warm-up run of each, and appends the wall time of each run in microseconds,
# one a line, to OUT_DIR/<program file name>.us. Each program must end by itself with exit
# code 0 within 30 seconds; otherwise the script stops with status 2.
set -euo pipefail
[ $# -ge 4 ] || { echo "usage: $0 STATE RUNS OUT_DIR PROGRAM.exe..." >&2; exit 2; }
state="$1" runs="$2" out="$3"
shift 3
source "$(dirname "$(realpath "$0")")/../../tests/wine/common.sh"
# Wine is called directly in the session's prefix, so no script's start-up is timed.
wine_use_prefix "$state/prefix" "$state"

# One run of $1; appends its time to $2 (nothing when $2 is empty).
run_once() {
  local program="$1" results="$2" start end status=0
  start=$(date +%s%N)
  timeout 30 wine "$program" >/dev/null 2>&1 </dev/null || status=$?
  end=$(date +%s%N)
  if [ "$status" -ne 0 ]; then
    echo "$program ended with status $status instead of after its first paint" >&2
    exit 2
  fi
  [ -z "$results" ] || echo $(((end - start) / 1000)) >>"$results"
}

for program in "$@"; do
  run_once "$program" ""
done
for ((run = 0; run < runs; ++run)); do
  for program in "$@"; do
    run_once "$program" "$out/$(basename "$program").us"
  done
done
