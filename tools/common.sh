# shellcheck shell=bash
# Sourced by the test scripts beside it: how they report a failure and how they wait.

# Says what failed on standard error and ends the script.
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# wait_for SECONDS COMMAND...: runs COMMAND every 0.1 s until it succeeds; status 1 when it has
# not within SECONDS.
wait_for() {
  local tenths=$(($1 * 10))
  shift
  until "$@"; do
    tenths=$((tenths - 1))
    [ "$tenths" -gt 0 ] || return 1
    sleep 0.1
  done
}
