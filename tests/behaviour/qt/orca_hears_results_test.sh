#!/usr/bin/env bash
# tests/behaviour/qt/orca_hears_results_test.sh PELLOMAR
# What a blind user hears of the calculator, from Orca itself: the program runs on the X
# server of tests/xvfb.sh, under a window manager, beside Orca on an accessibility bus of this
# session's own (ctest runs this under dbus-run-session), and is driven by real keys only.
# Orca's debug log records every phrase it sends to speech; the test requires the new result
# after "+" and after "-", each heard once, and the fault's message box.
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: $0 PELLOMAR" >&2; exit 2; }
program=$1

work=$(mktemp -d)
pids=()

# Waits up to two seconds until `pgrep ARGUMENTS...` finds nothing.
gone() {
  local tries
  for ((tries = 0; tries < 20; ++tries)); do
    pgrep "$@" >/dev/null || return 0
    sleep 0.1
  done
  return 1
}

# shellcheck disable=SC2317  # run by the EXIT trap
finish() {
  # The speech-dispatcher Orca started runs on its own.
  local speech="$XDG_RUNTIME_DIR/speech-dispatcher/pid/speech-dispatcher.pid"
  [ ! -f "$speech" ] || kill -TERM "$(cat "$speech")" 2>/dev/null || true
  # Children first, so that their parents reap them: Orca, under script, and the bus under
  # its launcher. Another Orca of the user, even one ended and not reaped, keeps the next
  # from starting.
  for pid in "${pids[@]}"; do
    pkill -TERM -P "$pid" 2>/dev/null || true
    gone -P "$pid" || pkill -KILL -P "$pid" 2>/dev/null || true
    kill -TERM "$pid" 2>/dev/null || true
  done
  sleep 0.1
  for pid in "${pids[@]}"; do
    kill -KILL "$pid" 2>/dev/null || true
  done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT

# A home of its own: Orca starts with its default settings, and the speech-dispatcher it
# starts speaks through its dummy voice into libao's null device, as a machine without sound
# cannot open another.
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/home/.config"
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<'CONF'
AudioOutputMethod "libao"
AddModule "dummy" "sd_dummy" "dummy.conf"
DefaultModule dummy
CONF
echo "default_driver=null" >"$HOME/.libao"
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
log="$work/orca.log"

start() {
  "$@" >>"$work/clients.log" 2>&1 &
  pids+=($!)
}

# Waits until Orca has spoken a phrase matching the extended regular expression, after the
# phrases counted so far; fails after 20 seconds.
spoken=0
hear() {
  local deadline=$((SECONDS + 20))
  while ((SECONDS < deadline)); do
    local line
    line=$(grep -aE "SPEECH OUTPUT: '" "$log" 2>/dev/null | tail -n +$((spoken + 1)) |
      grep -anE "SPEECH OUTPUT: '$1" | head -1 | cut -d: -f1 || true)
    if [ -n "$line" ]; then
      spoken=$((spoken + line))
      return 0
    fi
    sleep 0.1
  done
  echo "Orca never said '$1'. What it said:" >&2
  grep -aE "SPEECH OUTPUT" "$log" >&2 || true
  exit 1
}

keys() {
  xdotool key --clearmodifiers --delay 60 "$@"
}

start /usr/libexec/at-spi-bus-launcher --launch-immediately
start openbox
# Orca's debug log is buffered unless it is a terminal: it gets one from script, which copies
# each line to the log as it comes.
if pgrep -u "$(id -u)" -x orca >/dev/null; then
  echo "Another Orca runs for this user, and Orca starts only once a user: end it first." >&2
  exit 1
fi
start script --quiet --flush --command "orca --debug-file=/dev/tty" "$log"
hear 'Screen reader on'
start "$program"
hear 'Pellomar Advanced Calculator frame'

# 12, then Tab to "+" (the fifth stop after the entry) and Space.
xdotool type --delay 60 12
keys Tab Tab Tab Tab Tab
hear '\+ push button'
keys space
hear 'notification Result 12'

# Round to the entry, 5, then "-" (four stops on) and Space.
keys Tab Tab Tab Tab Tab
hear 'Entry text'
xdotool type --delay 60 5
keys Tab Tab Tab Tab
hear '- push button'
keys space
hear 'notification Result 7'

# Round to the entry, 0, then "/" (two stops on): the fault's box speaks, and OK closes it.
keys Tab Tab Tab Tab Tab Tab
hear 'Entry text'
xdotool type --delay 60 0
keys Tab Tab
hear '/ push button'
keys space
hear '.*Division by zero'
keys Return
hear '/ push button'

# Every announcement once, in order, and none for the fault.
announced=$(grep -aoE "SPEECH OUTPUT: 'notification [^']*'" "$log" | sed "s/SPEECH OUTPUT: //" || true)
expected="'notification Result 12.'
'notification Result 7.'"
if [ "$announced" != "$expected" ]; then
  echo "Orca announced:" >&2
  echo "$announced" >&2
  echo "instead of:" >&2
  echo "$expected" >&2
  exit 1
fi
echo "Orca heard: $(echo "$announced" | tr '\n' ' ')"
