#!/usr/bin/env bash
# tests/wine/make-template.sh STATE [DPI]
# Makes STATE/template once: a 64-bit Wine prefix set up for headless test runs, on a screen
# of DPI dots per inch (96 when not given). Every Wine prefix of the tests is made here.
#   - The X11 driver leaves windows unmanaged (Managed=N); otherwise Wine waits two seconds on
#     every hide for a window manager that is not there.
#   - A crash ends the program at once instead of opening the crash dialog.
#   - Wine's own fonts (Debian's fonts-wine) lie in the prefix's Fonts folder, so the faces
#     that Windows programs name (MS Sans Serif, Tahoma, ...) are found.
#   - Another DPI is the screen's LogPixels, set where Wine 8 reads it, for the system dpi and
#     for GDI's fonts alike.
# Does nothing when the template exists; concurrent calls make it once.
set -euo pipefail
[ $# -eq 1 ] || [ $# -eq 2 ] || { echo "usage: $0 STATE [DPI]" >&2; exit 2; }
state=$(realpath -m "$1")
dpi=${2:-96}
# shellcheck source=tests/wine/common.sh
source "$(dirname "$(realpath "$0")")/common.sh"

[ -d "$state/template" ] && exit 0
wine_lock_state "$state"
[ -d "$state/template" ] && exit 0

fonts=/usr/share/wine/fonts
if ! compgen -G "$fonts/*.ttf" >/dev/null; then
  echo "$0: Wine's fonts are missing from $fonts (Debian package fonts-wine)" >&2
  exit 1
fi

echo "Making the Wine prefix template in $state/template"
new="$state/template.new"
log="$state/template.log"
rm -rf "$new"
mkdir -p "$new"
wine_use_prefix "$new" "$state"
unset DISPLAY  # the set-up shows nothing
wine_start_server
trap wine_stop_server EXIT
if ! {
  wineboot --init &&
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f &&
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f &&
    # Wine has no face of that name; Windows draws it much as Wine's own Tahoma.
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Microsoft Sans Serif' /d Tahoma /f &&
    if [ "$dpi" != 96 ]; then
      wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f &&
        wine reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' \
          /v LogPixels /t REG_DWORD /d "$dpi" /f
    fi
} >"$log" 2>&1; then
  cat "$log" >&2
  exit 1
fi
cp "$fonts"/* "$new/drive_c/windows/Fonts/"
# The server writes the registry as it stops.
wine_stop_server
trap - EXIT
mv "$new" "$state/template"
