#!/usr/bin/env bash
# The Windows program's start-up under Wine, from process start to the first paint of the
# calculator window, beside the floor (a bare Win32 window with its controls and menu), and
# the size of the program as built (a release build is stripped as it is linked).
#   bench/windows/measure_startup_wine.sh <windows build folder> [runs]
# Both start-up programs run in turns, in one headless X server and one Wine session whose
# server stays up, after a warm-up run of each; their median wall times are compared. Exits
# with status 1 when the calculator needs more than 1.1 times the floor's time or the
# program is larger than 1 MiB, and 2 when it cannot measure.
set -euo pipefail

here=$(dirname "$(realpath "$0")")
wine_tools="$here/../../tests/wine"
build=$(realpath -m "${1:?usage: $0 <windows build folder> [runs]}")
runs="${2:-15}"
program="$build/app/pellomar.exe"
probe="$build/bench/windows/startup_probe_win32.exe"
floor="$build/bench/windows/startup_floor_win32.exe"
for file in "$program" "$probe" "$floor"; do
  [ -f "$file" ] || { echo "missing $file: build the windows preset first" >&2; exit 2; }
done
for tool in wine Xvfb; do
  command -v "$tool" >/dev/null || { echo "needs $tool (tools/install-packages.sh)" >&2; exit 2; }
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
size=$(stat -c %s "$program")

# A Wine state of the benchmark's own, so that it never shares a prefix with a test run.
state="$build/bench/windows/wine"
"$here/../../tests/xvfb.sh" "$wine_tools/session.sh" "$state" \
  "$here/time_runs_wine.sh" "$state" "$runs" "$scratch" "$probe" "$floor" || exit 2

awk -v runs="$runs" -v size="$size" '
FNR == 1 { file++ }
{ times[file, FNR] = $1; count[file] = FNR }
function median(f,   n, i, j, v) {
  n = count[f]
  for (i = 1; i <= n; i++) {
    for (j = i; j > 1 && v[j - 1] > times[f, i]; j--) v[j] = v[j - 1]
    v[j] = times[f, i]
  }
  return (n % 2) ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
}
END {
  probe = median(1); floor = median(2); ratio = probe / floor; mib = size / 1048576
  printf "Start-up to first paint under Wine, median of %d runs:\n", runs
  printf "  calculator  %7.1f ms\n", probe / 1000
  printf "  floor       %7.1f ms\n", floor / 1000
  printf "  ratio       %7.3f     (target 1.100)\n", ratio
  printf "pellomar.exe as built: %d bytes, %.3f MiB (target 1.000 MiB)\n", size, mib
  missed = 0
  if (ratio > 1.1) { print "Start-up target missed."; missed = 1 }
  if (mib > 1) { print "Size target missed."; missed = 1 }
  if (!missed) print "Start-up and size targets met."
  exit missed
}' "$scratch/$(basename "$probe").us" "$scratch/$(basename "$floor").us"
