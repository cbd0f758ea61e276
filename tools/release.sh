#!/usr/bin/env bash
# Builds every release artefact of the sources into one folder, build/release-files:
#   pellomar_<version>_amd64.deb   the Debian package (the package preset)
#   pellomar-<version>-x64.msi     the Windows installer (the windows-release preset)
#   pellomar.exe                   the portable Windows program, the one the installer holds
#   SHA256SUMS                     their SHA-256 sums, for `sha256sum -c SHA256SUMS`
# The artefacts' time stamps are the last commit's (SOURCE_DATE_EPOCH), so the package and the
# program are the same bytes whoever builds the commit (tools/test-reproducible.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-packages.sh test
if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
  echo "warning: the working tree has changes that are not committed; the artefacts hold them" >&2
fi
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
export SOURCE_DATE_EPOCH

cmake --workflow --preset package >/dev/null
cmake --preset windows-release >/dev/null
cmake --build --preset windows-release --target pellomar_installer >/dev/null

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/package/CMakeCache.txt)
out=build/release-files
rm -rf "$out"
mkdir -p "$out"
cp "build/package/pellomar_${version}_$(dpkg --print-architecture).deb" \
  "build/windows-release/pellomar-$version-x64.msi" \
  build/windows-release/app/pellomar.exe "$out/"
(cd "$out" && sha256sum -- *.deb *.msi *.exe >SHA256SUMS)
echo "Release $version in $out:"
cat "$out/SHA256SUMS"
