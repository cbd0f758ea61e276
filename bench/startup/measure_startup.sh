#!/usr/bin/env bash
# Time from process start to the first painted frame of the calculator window, and its
# resident memory, beside the floor: the same window, its controls, fonts and menu bar, made
# by a plain Qt Widgets program.
#   bench/startup/measure_startup.sh <build folder> [runs]
# Runs both programs in turns on Qt's offscreen platform, takes the median wall time and
# maximum resident set of each, and fails when the calculator needs more than 1.05 times
# the floor's time or 1.1 times its memory.
set -euo pipefail

build="${1:?usage: $0 <build folder> [runs]}"
runs="${2:-15}"
probe="$build/bench/startup/startup_probe"
floor="$build/bench/startup/startup_floor"
for program in "$probe" "$floor"; do
  [ -x "$program" ] || { echo "missing $program: build with -DPELLOMAR_BENCH=ON" >&2; exit 2; }
done
[ -x /usr/bin/time ] || { echo "needs /usr/bin/time (Debian package time)" >&2; exit 2; }

export QT_QPA_PLATFORM=offscreen
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

# One run: appends "microseconds kilobytes" to the program's results.
measure() {
  local program="$1" results="$2" start end
  start=$(date +%s%N)
  /usr/bin/time -f %M -o "$scratch/rss" "$program" >/dev/null 2>&1
  end=$(date +%s%N)
  echo "$(( (end - start) / 1000 )) $(cat "$scratch/rss")" >>"$results"
}

# A first run of each warms the file cache for both alike.
measure "$probe" "$scratch/warm"
measure "$floor" "$scratch/warm"
for ((run = 0; run < runs; ++run)); do
  measure "$probe" "$scratch/probe"
  measure "$floor" "$scratch/floor"
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
probe_ms=$(cut -d' ' -f1 "$scratch/probe" | median)
floor_ms=$(cut -d' ' -f1 "$scratch/floor" | median)
probe_kb=$(cut -d' ' -f2 "$scratch/probe" | median)
floor_kb=$(cut -d' ' -f2 "$scratch/floor" | median)

awk -v pm="$probe_ms" -v fm="$floor_ms" -v pk="$probe_kb" -v fk="$floor_kb" -v runs="$runs" '
BEGIN {
  time_ratio = pm / fm; rss_ratio = pk / fk
  printf "Start-up to first frame, median of %d runs (offscreen):\n", runs
  printf "  calculator  %7.1f ms  %8d kB resident\n", pm / 1000, pk
  printf "  floor       %7.1f ms  %8d kB resident\n", fm / 1000, fk
  printf "  ratio       %7.3f     %8.3f      (targets 1.050 and 1.100)\n", time_ratio, rss_ratio
  if (time_ratio > 1.05 || rss_ratio > 1.10) { print "Start-up target missed."; exit 1 }
  print "Start-up targets met."
}'
