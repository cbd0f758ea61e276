#!/usr/bin/env bash
# Builds the Debian package from a release build and tests it the way a Debian 12 user meets it:
#   1. its control fields and files: dependencies, documentation, no maintainer scripts, the
#      one application id on the desktop entry, icons, metadata, and the MIT licence;
#   2. lintian (no error, no warning), desktop-file-validate and appstreamcli on what it ships;
#   3. `apt-get install ./pellomar_<version>_<arch>.deb`; /usr/bin/pellomar starts in a virtual
#      X server and paints its calculator window, whose window class the desktop entry names;
#   4. `apt-get purge pellomar` leaves none of its files, and no package it pulled in.
# Needs root (or sudo) for step 3. When pellomar is installed already, steps 3 and 4 are
# skipped so as not to replace it; otherwise the machine's packages end as they began.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${PELLOMAR_OWN_DISPLAY:-}" ]; then
  tools/install-packages.sh test
  # The installed program starts on an X server of the script's own.
  PELLOMAR_OWN_DISPLAY=1 exec tests/xvfb.sh tools/test-package.sh "$@"
fi
# shellcheck source=tools/common.sh
source tools/common.sh

step() { printf '\n== %s\n' "$*"; }
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)

step "Building the package"
cmake --workflow --preset package >/dev/null
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/package/CMakeCache.txt)
deb="build/package/pellomar_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "$deb was not made"
echo "$deb"

work=$(mktemp -d)
app_pid=""
installed_by_us=""

installed_packages() {
  dpkg-query -W -f='${db:Status-Abbrev} ${binary:Package}\n' | awk '$1 == "ii" { print $2 }' | sort
}
# Purges pellomar and every package its installation pulled in.
restore_packages() {
  local added
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get purge -y -qq pellomar >/dev/null
  added=$(installed_packages | comm -13 "$work/packages-before" - | xargs)
  if [ -n "$added" ]; then
    echo "purging what the install pulled in: $added"
    # shellcheck disable=SC2086 # one word per package
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get purge -y -qq $added >/dev/null
  fi
}
cleanup() {
  [ -z "$app_pid" ] || kill "$app_pid" 2>/dev/null || true
  [ -z "$installed_by_us" ] || restore_packages || true
  rm -rf "$work"
}
trap cleanup EXIT

step "Control fields and files"
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = pellomar ] || fail "Package is $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version $(field Version), the project's is $version"
for name in Section Priority Maintainer Description; do
  [ -n "$(field "$name")" ] || fail "no $name field"
done
depends=$(field Depends)
# The fonts for the faces the windows name, and what dpkg-shlibdeps finds the program links.
for package in fonts-liberation fonts-dejavu-core libc6 libqt6core6 libqt6gui6 libqt6widgets6; do
  [[ ", $depends," == *", $package"[\ ,]* ]] || fail "Depends lacks $package: $depends"
done
control=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | sed 's|^\./||' | grep -v '^$' | sort | xargs)
[ "$control" = "control md5sums" ] || fail "control files other than control and md5sums: $control"

dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\.||' >"$work/contents"
files=$(grep -v '/$' "$work/contents")
has() { grep -qx -- "$1" <<<"$files" || fail "the package lacks $1"; }
has /usr/bin/pellomar
has /usr/share/man/man1/pellomar.1.gz
has /usr/share/doc/pellomar/copyright
has /usr/share/doc/pellomar/changelog.gz
entry=$(grep -x '/usr/share/applications/[^/]*\.desktop' <<<"$files") ||
  fail "the package has no desktop entry"
[ "$(wc -l <<<"$entry")" -eq 1 ] || fail "more than one desktop entry: $entry"
app_id=$(basename "$entry" .desktop)
[[ "$app_id" =~ ^[a-z][a-z0-9]*(\.[A-Za-z][A-Za-z0-9_]*){2,}$ ]] ||
  fail "desktop entry $app_id.desktop is not named by a reverse-DNS id"
for size in 16 24 32 48 64 128 256; do
  has "/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
done
has "/usr/share/icons/hicolor/scalable/apps/$app_id.svg"
has "/usr/share/metainfo/$app_id.metainfo.xml"
echo "application id $app_id"

dpkg-deb -x "$deb" "$work/root"
desktop_key() { sed -n "s/^$1=//p" "$work/root$entry"; }
metainfo="$work/root/usr/share/metainfo/$app_id.metainfo.xml"
[ "$(desktop_key Icon)" = "$app_id" ] || fail "the desktop entry's Icon is $(desktop_key Icon)"
[ "$(desktop_key Exec)" = pellomar ] || fail "the desktop entry's Exec is $(desktop_key Exec)"
grep -q "<id>$app_id</id>" "$metainfo" || fail "the metadata's component id is not $app_id"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
  fail "the metadata does not launch $app_id.desktop"
grep -q "<binary>pellomar</binary>" "$metainfo" || fail "the metadata does not provide pellomar"
# The newest release in the metadata is this version, released the day of its changelog entry.
release=$(grep -o -m1 '<release version="[^"]*" date="[^"]*"' "$metainfo")
changelog_date=$(zcat "$work/root/usr/share/doc/pellomar/changelog.gz" |
  dpkg-parsechangelog -l- -S Date)
expected_release="<release version=\"$version\" date=\"$(date -u -d "$changelog_date" +%F)\""
[ "$release" = "$expected_release" ] || fail "metadata has $release, changelog $expected_release"

# The licence, MIT, and its holder, Pellomar, as LICENSE states them.
copyright="$work/root/usr/share/doc/pellomar/copyright"
grep -q -x 'Copyright: [0-9]* Pellomar' "$copyright" || fail "the copyright file's holder is not Pellomar"
[ "$(grep -c -x 'License: MIT' "$copyright")" -eq 2 ] || fail "the copyright file's licence is not MIT"
grep -q -x ' Permission is hereby granted, free of charge, to any person obtaining a copy' \
  "$copyright" || fail "the copyright file lacks the MIT licence's text"
grep -q '<project_license>MIT</project_license>' "$metainfo" || fail "the metadata's licence is not MIT"
grep -q '<developer_name>Pellomar</developer_name>' "$metainfo" || fail "the metadata's developer"

step "lintian, desktop-file-validate, appstreamcli"
lintian --fail-on error,warning "$deb" || fail "lintian reports errors or warnings"
desktop-file-validate "$work/root$entry"
appstreamcli validate --no-net --strict "$metainfo"

step "Install, start and purge"
if dpkg-query -W -f='${db:Status-Abbrev}' pellomar 2>/dev/null | grep -q '^ii'; then
  echo "pellomar is installed on this machine already: not replacing it, install test skipped."
  exit 0
fi
installed_packages >"$work/packages-before"
# Every path of the package that is not there yet, so must not be there after the purge.
sed 's|/$||' "$work/contents" | while read -r path; do
  [ -z "$path" ] || [ -e "$path" ] || echo "$path"
done >"$work/new-paths"

installed_by_us=yes
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "./$deb" >/dev/null
[ "$(command -v pellomar)" = /usr/bin/pellomar ] || fail "pellomar is not /usr/bin/pellomar"
dpkg -L pellomar | sort >"$work/listed"
missing=$(sed 's|/$||' "$work/contents" | grep -v '^$' | sort | comm -23 - "$work/listed")
[ -z "$missing" ] || fail "dpkg does not list: $missing"
[ "$(man -w pellomar)" = /usr/share/man/man1/pellomar.1.gz ] || fail "man does not find pellomar(1)"

# The program, Qt and fontconfig keep their runtime files and caches in the work folder.
mkdir -m 700 "$work/home" "$work/runtime"
export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime"

env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb /usr/bin/pellomar 2>"$work/pellomar.log" &
app_pid=$!
title="Pellomar Advanced Calculator"
calculator_window() {
  kill -0 "$app_pid" 2>/dev/null || fail "pellomar ended: $(cat "$work/pellomar.log")"
  window=$(xwininfo -root -tree | awk -v title="\"$title\":" 'index($0, title) { print $1; exit }')
  [ -n "$window" ]
}
wait_for 30 calculator_window || fail "no window titled \"$title\" within 30 seconds"

# Painted: the window's dark grey background fills much of it, among the buttons' colours.
shot="$PWD/build/package/window.png"
painted() {
  import -window "$window" "$shot" 2>/dev/null || return 1
  local grey colours
  grey=$(convert "$shot" -alpha off -fill black +opaque '#404040' \
    -fill white -opaque '#404040' -format '%[fx:round(mean*100)]' info:)
  colours=$(convert "$shot" -format '%k' info:)
  [ "$grey" -ge 30 ] && [ "$colours" -ge 8 ]
}
wait_for 30 painted || fail "the calculator window is not painted, last seen in $shot"
echo "window $window painted: $(identify -format '%w x %h' "$shot"), in $shot"
# The desktop matches the running window to its entry by the window's class.
wm_class=$(xprop -id "$window" WM_CLASS)
[[ "$wm_class" == *"\"$(desktop_key StartupWMClass)\""* ]] ||
  fail "StartupWMClass $(desktop_key StartupWMClass) is not the window's $wm_class"
kill "$app_pid"
wait "$app_pid" 2>/dev/null || true
app_pid=""

restore_packages
installed_by_us=""
left=$(while read -r path; do [ ! -e "$path" ] || echo "$path"; done <"$work/new-paths")
[ -z "$left" ] || fail "purging left: $left"
installed_packages | cmp -s "$work/packages-before" - || fail "the installed packages differ"

echo
echo "The package passed."
