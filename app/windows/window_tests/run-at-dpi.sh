#!/usr/bin/env bash
# app/windows/window_tests/run-at-dpi.sh DPI BASE_STATE STATE PROGRAM.exe [ARGUMENTS...]
# Runs a Windows program under Wine on a screen of DPI dots per inch, as a run of its own
# (tools/wine/session.sh) in the Wine state folder STATE, kept for that one DPI. STATE's
# template is made once: BASE_STATE's template (tools/wine/make-template.sh) with the screen's
# LogPixels set where Wine 8 reads it, for the system dpi and for GDI's fonts alike.
# Exits with the program's exit code.
set -euo pipefail
if [ $# -lt 4 ]; then
  echo "usage: $0 DPI BASE_STATE STATE PROGRAM.exe [ARGUMENTS...]" >&2
  exit 2
fi
dpi=$1
base=$(realpath -m "$2")
state=$(realpath -m "$3")
shift 3
wine_tools=$(realpath "$(dirname "$(realpath "$0")")/../../../tools/wine")
source "$wine_tools/common.sh"

make_template() {
  local new="$state/template.new"
  rm -rf "$new"
  cp -a "$base/template" "$new"
  wine_use_prefix "$new" "$state"
  unset DISPLAY  # the set-up shows nothing
  wine_start_server
  trap wine_stop_server EXIT
  local key
  for key in 'HKCU\Control Panel\Desktop' \
             'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'; do
    if ! wine reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f >>"$state/template.log" 2>&1; then
      cat "$state/template.log" >&2
      exit 1
    fi
  done
  # The server writes the registry as it stops.
  wine_stop_server
  trap - EXIT
  mv "$new" "$state/template"
}

"$wine_tools/make-template.sh" "$base"
if [ ! -d "$state/template" ]; then
  (
    wine_lock_state "$state"
    [ -d "$state/template" ] || make_template
  )
fi
exec "$wine_tools/session.sh" "$state" "$wine_tools/run.sh" --state "$state" "$@"
