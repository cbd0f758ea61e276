#!/usr/bin/env bash
# Builds release artefacts twice from the same sources, in two folders of different names one
# after the other, and fails unless both builds are the same bytes:
#   tools/test-reproducible.sh exe       pellomar.exe, the Windows program, and its installer
#                                        (the test command)
#   tools/test-reproducible.sh package   the Debian package as well (before a release: it
#                                        builds the Qt program twice, too long for CI)
# The sources are the working tree's files that git knows or would add, copied once and then copied again under
# another name, so that no edit can come between the builds; their time is the last commit's
# (SOURCE_DATE_EPOCH). The builds lie in build/repro-one and build/repro-two.
set -euo pipefail
cd "$(dirname "$0")/.."

case "${1:-}" in
  exe) what=(exe) ;;
  package) what=(exe package) ;;
  *) echo "usage: $0 exe|package" >&2; exit 2 ;;
esac

# shellcheck source=tools/common.sh
source tools/common.sh

tools/install-packages.sh test
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
export SOURCE_DATE_EPOCH
folders=(build/repro-one build/repro-two)
sources=(pellomar-1.0 calculator-sources)
rm -rf "${folders[@]}"
mkdir -p "${folders[0]}/${sources[0]}"
git ls-files -z --cached --others --exclude-standard | while IFS= read -r -d '' file; do
  [ ! -e "$file" ] || printf '%s\0' "$file"
done | xargs -0 cp --parents -t "${folders[0]}/${sources[0]}"
mkdir -p "${folders[1]}"
cp -a "${folders[0]}/${sources[0]}" "${folders[1]}/${sources[1]}"

# build <preset> <target or "package">: the same build in each folder, one after the other.
build() {
  local index source binary
  for index in 0 1; do
    source="${folders[$index]}/${sources[$index]}"
    binary="${folders[$index]}/$1"
    echo "building $2 in $binary"
    cmake -S "$source" -B "$binary" --preset "$1" >"$binary.log" 2>&1 ||
      fail "configuring $binary failed: $(tail -n 20 "$binary.log")"
    if [ "$2" = package ]; then
      (cmake --build "$binary" -j2 && cd "$binary" && cpack) >>"$binary.log" 2>&1
    else
      cmake --build "$binary" -j2 --target "$2" >>"$binary.log" 2>&1
    fi || fail "building $binary failed: $(tail -n 20 "$binary.log")"
  done
}

# same <path inside each build folder>: the two builds' files are the same bytes and name
# neither folder.
same() {
  local one="${folders[0]}/$1" two="${folders[1]}/$1" folder
  if [ ! -f "$one" ] || [ ! -f "$two" ]; then fail "$1 was not made in both folders"; fi
  sha256sum "$one" "$two"
  cmp "$one" "$two" || fail "the two builds of $(basename "$1") differ"
  for folder in "${folders[@]}" "${sources[@]}"; do
    ! grep -q -a -F "$(basename "$folder")" "$one" || fail "$1 names the folder $folder"
  done
  echo "$(basename "$1"): the same $(stat -c %s "$one") bytes from both builds"
}

for artefact in "${what[@]}"; do
  case "$artefact" in
    exe)
      # The installer holds the program: one build of each folder makes both.
      build windows-release pellomar_installer
      same windows-release/app/pellomar.exe
      version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' \
        "${folders[0]}/windows-release/CMakeCache.txt")
      same "windows-release/pellomar-${version}-x64.msi"
      ;;
    package)
      build package package
      version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "${folders[0]}/package/CMakeCache.txt")
      same "package/pellomar_${version}_$(dpkg --print-architecture).deb"
      ;;
  esac
done
echo
echo "The builds are reproducible."
