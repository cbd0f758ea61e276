#!/usr/bin/env bash
# Builds the Windows installer (the windows-release preset's pellomar_installer target) and
# tests it under Wine the way a Windows user meets it, in a headless X server and a fresh
# Wine prefix (tests/wine):
#   1. its tables: per machine, a major-upgrade rule under the fixed upgrade code, no custom
#      actions, a Start-menu shortcut with the program's icon;
#   2. `msiexec /i ... /qn` puts the program, byte for byte, in Program Files\Pellomar, the
#      shortcut in the Start menu and the product in "Apps & features" (name, version,
#      publisher, contact, icon); installing it again changes nothing;
#   3. the installed program opens its calculator window, and ends when it is closed;
#   4. `msiexec /x ... /qn` removes it: no file, shortcut or registry entry of it is left;
#   5. a newer version (the same installer, renumbered) replaces it, and leaves nothing either.
# Its argument, if any, is a build folder already configured with the windows-release preset
# (the test command passes the reproducible build's, so the program is not built again).
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" != --inside ]; then
  build=${1:-build/windows-release}
fi
state="$build/wine"
title="Pellomar Advanced Calculator"
upgrade_code="{BB96FB43-4998-4586-A67C-036CBD783E7C}"

# shellcheck source=tools/common.sh
source tools/common.sh

# Steps 2 to 4, inside the Wine session that the script starts for itself below.
if [ "${1:-}" = --inside ]; then
  msi=$2
  product_code=$3
  newer_msi=$4
  newer_code=$5
  # Wine's menu builder would mirror the shortcut into the Linux desktop's menus and keep a
  # record of it in the registry: that is Wine's, not the installer's, and stays off.
  export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
  drive_c="$WINEPREFIX/drive_c"
  folder="$drive_c/Program Files/Pellomar"
  uninstall_key="HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$product_code"
  # The Windows path of a file outside the prefix: Wine's drive Z: is the Unix root. Worked out
  # here, not by winepath, which is one more Wine process to start for every path.
  windows_path() {
    local path
    path=$(realpath -m "$1")
    printf 'Z:%s' "${path//\//\\}"
  }
  # Under load, Wine now and then fails to start a process at all. What the test asks of the
  # registry is asked once more when the answer did not come, and fails the test only then.
  # query_registry KEY [OPTION...]: the key's values in $work/query; status 1 when there is no
  # such key.
  query_registry() {
    local attempt status
    for attempt in 1 2; do
      status=0
      wine reg query "$@" >"$work/query" 2>"$work/query.wine" || status=$?
      [ "$status" -ne 0 ] || return 0
      # reg says so on standard output.
      ! grep -q "Unable to find the specified registry key" "$work/query" || return 1
      echo "reg query $1 ended with status $status: $(cat "$work/query" "$work/query.wine")" >&2
      sleep 1
    done
    fail "reg query $1 did not answer, twice"
  }
  export_registry() {
    local attempt
    for attempt in 1 2; do
      rm -f "$work/registry.reg"
      wine regedit /E "$(windows_path "$work/registry.reg")" 2>"$work/export.wine" &&
        [ -s "$work/registry.reg" ] && return 0
      echo "regedit /E did not export the registry: $(cat "$work/export.wine")" >&2
      sleep 1
    done
    fail "regedit /E did not export the registry, twice"
  }
  # Every file of the prefix and every registry line that names the product.
  traces() {
    find "$drive_c" | sort
    export_registry
    iconv -f UTF-16LE -t UTF-8 "$work/registry.reg" | tr -d '\r' |
      grep -i -e pellomar -e "${product_code//[\{\}]/}" -e "${newer_code//[\{\}]/}" || true
  }
  traces >"$work/before"
  # msiexec OPTION PACKAGE, silent, with Windows Installer's verbose log, and Wine's errors and
  # its installer's warnings kept aside. A failure shows both: Wine's say what went wrong, the
  # log's last actions at which step (its closing list of properties is left out). Under load,
  # Wine now and then fails to start a process at all: msiexec then ends before it opens its
  # log, and is started once more.
  quiet_msiexec() {
    local log="$work/msiexec.log" wine_log="$work/msiexec.wine" status attempt
    local arguments=("$1" "$(windows_path "$2")" /qn /l*v "$(windows_path "$log")")
    for attempt in 1 2; do
      rm -f "$log"
      status=0
      WINEDEBUG=-all,err+all,warn+msi wine msiexec "${arguments[@]}" 2>"$wine_log" || status=$?
      [ "$status" -eq 0 ] && return
      cat "$wine_log" >&2
      if [ -e "$log" ] || [ "$attempt" -eq 2 ]; then
        break
      fi
      echo "msiexec $1 $2 ended with status $status before it opened its log; starting it again" >&2
      sleep 1
    done
    [ -e "$log" ] || fail "msiexec $1 $2 ended with status $status, twice, before it opened its log"
    sed '/^Property(/d' "$log" | tail -n 40 | tr -d '\r' >&2
    fail "msiexec $1 $2 ended with status $status"
  }

  echo "== msiexec /i $msi /qn"
  quiet_msiexec /i "$msi"
  cmp "$build/app/pellomar.exe" "$folder/pellomar.exe" ||
    fail "Program Files\\Pellomar\\pellomar.exe is not the program built"
  # Per machine, the shortcut belongs in all users' Start menu; Wine puts it in the installing
  # user's, so either counts here.
  shortcut=$(find "$drive_c/ProgramData" "$drive_c/users" -path '*/Start Menu/Programs/*' \
    -name "$title.lnk" | head -n1)
  [ -n "$shortcut" ] || fail "no Start-menu shortcut \"$title\""
  echo "shortcut ${shortcut#"$drive_c/"}"
  query_registry "$uninstall_key" || fail "no entry $uninstall_key"
  cp "$work/query" "$work/entry"
  value() { tr -d '\r' <"$work/entry" | awk -v name="$1" '$1 == name { sub(/^ *[^ ]+ +[^ ]+ +/, ""); print }'; }
  for pair in "DisplayName=$title" "DisplayVersion=$version" "Publisher=Pellomar" \
    "Contact=alex.quillby@example.com" "NoModify=0x1"; do
    [ "$(value "${pair%%=*}")" = "${pair#*=}" ] ||
      fail "Apps & features: ${pair%%=*} is \"$(value "${pair%%=*}")\", not \"${pair#*=}\""
  done
  echo "Apps & features: $(value DisplayName) $(value DisplayVersion), $(value Publisher)"
  # Wine keeps the product's icon as Windows Installer's ProductIcon, in the installer's cache.
  query_registry 'HKLM\Software\Classes\Installer\Products' /s || fail "no installed products"
  tr -d '\r' <"$work/query" | grep -q "ProductIcon.*$product_code.pellomar\.ico" ||
    fail "the product has no icon"

  echo "== msiexec /i again: nothing changes"
  traces >"$work/installed"
  grep -q -F "CurrentVersion\\Uninstall\\$product_code]" "$work/installed" ||
    fail "the registry export does not show the product's entry"
  quiet_msiexec /i "$msi"
  traces | diff "$work/installed" - || fail "installing the same version again changed the above"

  echo "== the installed program"
  wine "C:\\Program Files\\Pellomar\\pellomar.exe" &
  program_pid=$!
  # shellcheck disable=SC2317  # run by wait_for
  window_shown() {
    kill -0 "$program_pid" 2>/dev/null || fail "the installed program ended without a window"
    xwininfo -root -tree | grep -q "\"$title\": "
  }
  wait_for 30 window_shown || fail "no window titled \"$title\" within 30 seconds"
  echo "window \"$title\" shown"
  # Closed as a user closes it, so that nothing of it still runs when it is uninstalled.
  wine taskkill /im pellomar.exe >/dev/null || fail "taskkill could not close the program"
  # shellcheck disable=SC2317  # run by wait_for
  program_ended() { ! kill -0 "$program_pid" 2>/dev/null; }
  wait_for 30 program_ended || fail "the installed program did not end within 30 seconds of closing"
  wait "$program_pid" || fail "the installed program ended with status $?"
  echo "closed"

  echo "== msiexec /x $msi /qn"
  quiet_msiexec /x "$msi"
  # Windows Installer's own cache folder may stay, empty; nothing of the product may.
  traces | grep -v -x "$drive_c/windows/Installer" | diff "$work/before" - ||
    fail "uninstalling left the lines marked > above"
  echo "nothing left"

  echo "== a newer version replaces it"
  quiet_msiexec /i "$msi"
  quiet_msiexec /i "$newer_msi"
  ! query_registry "$uninstall_key" || fail "$version is still installed"
  query_registry "${uninstall_key%\\*}\\$newer_code" || fail "the newer version is not installed"
  cmp "$build/app/pellomar.exe" "$folder/pellomar.exe" || fail "the newer version lacks the program"
  quiet_msiexec /x "$newer_msi"
  traces | grep -v -x "$drive_c/windows/Installer" | diff "$work/before" - ||
    fail "uninstalling the newer version left the lines marked > above"
  echo "replaced, then removed: nothing left"
  exit 0
fi

tools/install-packages.sh test
if [ $# -eq 0 ]; then
  cmake --preset windows-release >/dev/null
fi
cmake --build "$build" -j2 --target pellomar_installer
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
msi="$build/pellomar-$version-x64.msi"
[ -f "$msi" ] || fail "$msi was not made"

echo "== the installer's tables"
table() { msiinfo export "$msi" "$1" | tr -d '\r' | tail -n +4; }
property() { table Property | awk -F'\t' -v name="$1" '$1 == name { print $2 }'; }
[ "$(property ALLUSERS)" = 1 ] || fail "not per machine: ALLUSERS is \"$(property ALLUSERS)\""
[ "$(property UpgradeCode)" = "$upgrade_code" ] || fail "UpgradeCode is $(property UpgradeCode)"
[ "$(property ProductVersion)" = "$version" ] || fail "ProductVersion $(property ProductVersion)"
[ "$(property ARPPRODUCTICON)" = pellomar.ico ] || fail "no ARPPRODUCTICON"
# The upgrade rule finds every other version under the upgrade code: older ones are removed
# (RemoveExistingProducts), a newer one stops the installation.
table Upgrade | awk -F'\t' -v code="$upgrade_code" '$1 == code' | grep -q WIX_UPGRADE_DETECTED ||
  fail "no major-upgrade rule"
table InstallExecuteSequence | grep -q '^RemoveExistingProducts' || fail "no RemoveExistingProducts"
[ -z "$(table CustomAction)" ] || fail "custom actions: $(table CustomAction)"
table Shortcut | awk -F'\t' '{ print $1, $2, $5, $9 }' | grep -q -x \
  "StartMenuShortcut ProgramMenuFolder \[INSTALLDIR\]pellomar.exe pellomar.ico" ||
  fail "no Start-menu shortcut to pellomar.exe with its icon: $(table Shortcut)"
product_code=$(property ProductCode)
echo "$msi: $version, product $product_code"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The newer version: the same tables under the same upgrade code, with a higher version and
# its own product code, as the next release will have.
newer_code="{0D7F3A52-6C1B-4E8A-9F25-3B8E4C71A6D0}"
cp -r "$build/packaging/windows/stage" "$work/newer"
sed -i -e "s/Id=\"${product_code//[\{\}]/}\"/Id=\"${newer_code//[\{\}]/}\"/" \
  -e "s/Version=\"$version\"/Version=\"$((${version%%.*} + 1)).0.0\"/" "$work/newer/pellomar.wxs"
(cd "$work/newer" && wixl --arch x64 --output newer.msi pellomar.wxs)
[ "$(msiinfo export "$work/newer/newer.msi" Property | tr -d '\r' |
  awk -F'\t' '$1 == "ProductCode" { print $2 }')" = "$newer_code" ] ||
  fail "the newer installer was not renumbered"
export work build version title
tests/xvfb.sh tests/wine/session.sh "$state" "$0" --inside "$msi" "$product_code" \
  "$work/newer/newer.msi" "$newer_code"
echo
echo "The installer passed."
