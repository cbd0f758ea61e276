#!/usr/bin/env bash
# Installs the Debian 12 packages the build needs that are not installed yet.
#   tools/install-packages.sh run      what building and starting the calculator needs
#   tools/install-packages.sh windows  what cross-building the Windows program needs
#   tools/install-packages.sh test     all that, plus the test, sanitizer, fuzzing and benchmark
#                                      tools, Wine for the Windows tests and the packaging tools
#   tools/install-packages.sh test-build  what configuring and building the tests needs: the
#                                      rest of "test" can then come while they build
set -euo pipefail

run_packages=(
  cmake make g++ pkg-config
  qt6-base-dev libgl-dev
  fonts-liberation fonts-dejavu-core
)
# The Windows program: cross compiler, Wine to run it headless in Xvfb, the executable check,
# and its installer: wixl builds it, msiinfo reads its tables.
windows_packages=(
  g++-mingw-w64-x86-64-posix mingw-w64-tools python3 wine wine64 fonts-wine xvfb xauth python3-pefile
  wixl msitools
)
# The Debian package: building, linting and validating it.
package_packages=(
  dpkg-dev fakeroot file lintian qt6-svg-dev x11-utils imagemagick man-db
)
# What the release build with tests looks for when it is configured.
test_build_packages=(
  "${run_packages[@]}"
  googletest libgtest-dev libbenchmark-dev libatspi2.0-dev desktop-file-utils appstream
)
test_packages=(
  "${test_build_packages[@]}"
  clang clang-format clang-tidy libclang-rt-14-dev
  time
  # German and French locales, under which numbers must still read and write with '.'.
  locales-all
  # What Linux screen readers hear, read over AT-SPI: the accessibility bus, started on a
  # session bus of the test's own.
  at-spi2-core dbus-daemon
  # What Orca says of the running program, driven by real keys under a window manager.
  orca openbox xdotool
  "${windows_packages[@]}"
  "${package_packages[@]}"
)

case "${1:-}" in
  run) wanted=("${run_packages[@]}") ;;
  windows) wanted=(cmake make "${windows_packages[@]}") ;;
  test) wanted=("${test_packages[@]}") ;;
  test-build) wanted=("${test_build_packages[@]}") ;;
  *) echo "usage: $0 run|windows|test|test-build" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
# The package lists are read again unless an earlier call read them within the hour.
if [ -z "$(find /var/lib/apt/lists -maxdepth 1 -name '*_Packages*' -mmin -60 -print -quit)" ]; then
  "${sudo[@]}" apt-get update -qq
fi
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
