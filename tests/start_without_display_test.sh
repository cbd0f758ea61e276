#!/usr/bin/env bash
# Started where no window can open, the program says so in one line naming what it tried and
# exits with status 1: no abort, no core dump, no advice to reinstall.
#   tests/start_without_display_test.sh <path of pellomar>
set -uo pipefail
program="${1:?usage: $0 <path of pellomar>}"

# An X11 display number nothing serves.
free=90
while [ -e "/tmp/.X11-unix/X$free" ] || [ -e "/tmp/.X$free-lock" ]; do free=$((free + 1)); done

passed=0
failed=0
# check <name> <text the line must hold> <environment settings...>
check() {
  local name="$1" expected="$2" stderr status lines
  shift 2
  stderr=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" \
    timeout 30 "$program" 2>&1 >/dev/null)
  status=$?
  lines=$(printf '%s' "$stderr" | grep -c '')
  if [ "$status" -eq 1 ] && [ "$lines" -eq 1 ] && [[ "$stderr" == "Pellomar: "*"$expected"* ]] &&
    [[ "$stderr" != *[Rr]einstall* ]]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAIL $name: exit status $status, $lines lines on standard error:"
    printf '%s\n' "$stderr" | sed 's/^/  | /'
  fi
}

check "neither variable set" "neither DISPLAY nor WAYLAND_DISPLAY is set"
check "empty DISPLAY" "neither DISPLAY nor WAYLAND_DISPLAY is set" DISPLAY=
check "no X server at the display" "the display \":$free\" (DISPLAY): nothing answered" \
  DISPLAY=":$free"
check "no Wayland compositor at the socket" \
  "the Wayland socket \"pellomar-nowhere\" (WAYLAND_DISPLAY): nothing answered" \
  WAYLAND_DISPLAY=pellomar-nowhere XDG_RUNTIME_DIR="${TMPDIR:-/tmp}"
check "platform chosen by the user" "with the platform \"xcb\" (QT_QPA_PLATFORM)" \
  QT_QPA_PLATFORM=xcb DISPLAY=":$free"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
