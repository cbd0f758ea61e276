#!/usr/bin/env bash
# tests/wine/session.sh STATE COMMAND [ARGUMENTS...]
# Runs COMMAND (ctest, say) as one run of Windows programs: STATE/prefix is replaced by a fresh
# copy of the template, so nothing an earlier run left there counts, and Wine's server, started
# here, and its background processes stay up for every program that COMMAND starts through
# run.sh. When COMMAND ends, the server is stopped by its id, which ends every Wine process
# still running in the prefix. Exits with COMMAND's status. One session per STATE at a time.
set -euo pipefail
[ $# -ge 2 ] || { echo "usage: $0 STATE COMMAND [ARGUMENTS...]" >&2; exit 2; }
state=$(realpath -m "$1")
shift
here=$(dirname "$(realpath "$0")")
# shellcheck source=tests/wine/common.sh
source "$here/common.sh"

"$here/make-template.sh" "$state"
(
  wine_lock_state "$state"
  if [ -d "$state/prefix" ]; then
    # A server that an interrupted run left behind must not outlive its prefix.
    wine_use_prefix "$state/prefix" "$state"
    wineserver -k 2>/dev/null || true
    wineserver -w
  fi
  wine_copy_template "$state"
)
wine_use_prefix "$state/prefix" "$state"
wine_start_server
trap wine_stop_server EXIT
trap 'exit 130' INT TERM
# The first program starts Wine's background processes; they get no terminal or pipe of
# COMMAND's, which they would hold open.
wine cmd /c exit </dev/null >"$state/session.log" 2>&1
export PELLOMAR_WINE_SESSION="$state"
status=0
"$@" || status=$?
exit "$status"
