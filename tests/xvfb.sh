#!/usr/bin/env bash
# [XFT_DPI=N] tests/xvfb.sh COMMAND [ARGUMENTS...]
# Runs COMMAND with DISPLAY set to an Xvfb server of its own: the first free display number,
# no TCP port. With XFT_DPI, the server's X resources say "Xft.dpi: N", as a desktop set to a
# larger text size says it to its programs: Qt then scales its windows by N / 96. It waits until the server accepts clients (Xvfb writes its display number
# then), never for a fixed time, and stops the server by its id when COMMAND ends, so
# COMMAND must end its X clients first: for Wine, run session.sh inside this script.
# The server never resets: by default it does so whenever its last client leaves, and a client
# that connects meanwhile is refused. The accessibility bus's launcher is such a client: it
# connects, marks the root window and leaves just as the program under test connects.
# Exits with COMMAND's status.
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: $0 COMMAND [ARGUMENTS...]" >&2; exit 2; }

# Its own name: a caller that exports "work" (the installer test does) keeps its value.
xvfb_dir=$(mktemp -d)
xvfb_pid=
# shellcheck disable=SC2317  # run by the EXIT trap
stop_xvfb() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" || true
  fi
  rm -rf "$xvfb_dir"
}
trap stop_xvfb EXIT
trap 'exit 130' INT TERM

mkfifo "$xvfb_dir/display"
Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 1280x1024x24 3>"$xvfb_dir/display" >"$xvfb_dir/log" 2>&1 &
xvfb_pid=$!
if ! read -r -t 60 number <"$xvfb_dir/display"; then
  echo "$0: Xvfb did not start:" >&2
  cat "$xvfb_dir/log" >&2
  exit 1
fi
export DISPLAY=":$number"
if [ -n "${XFT_DPI:-}" ]; then
  xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "Xft.dpi:	$XFT_DPI
"
fi
status=0
"$@" || status=$?
exit "$status"
