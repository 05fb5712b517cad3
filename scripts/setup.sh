#!/usr/bin/env bash
# Installs from Debian's packages whatever building, playing and testing the game needs and
# this machine lacks. Run it twice and the second run installs nothing. With --web it also
# installs what the browser build and its test need (scripts/web.sh).
set -euo pipefail

packages=(
  g++ cmake make pkg-config            # the build
  libsdl2-dev                          # SDL 2, which the desktop game is built on
  libgtest-dev libgmock-dev libbenchmark-dev
  libcairo2-dev fonts-dejavu-core      # the asset generator
  xvfb x11-utils xdotool imagemagick sox  # end-to-end tests: a real X server, keys, screenshots
  clang libclang-rt-14-dev valgrind    # the fuzzer and memcheck runs
  dpkg-dev file                        # the Debian package: dpkg-shlibdeps, and file for CPack
  desktop-file-utils appstream lintian man-db  # checking the install and the package
)
# The classic SDL 1.2 (for the classic build and the benchmarks' floor), unless sdl12-compat's
# development package is already installed.
installed() { dpkg-query -W -f='${db:Status-Abbrev}' "$1" 2>/dev/null | grep -q '^ii'; }
if ! installed libsdl1.2-compat-dev; then
  packages+=(libsdl1.2-dev)
fi
# The browser build: Emscripten, and Chromium with npm for the browser test's driver (the
# pictures are packed for the page by ImageMagick, the sounds by sox). Node
# comes with Emscripten; npm comes with some Node packages and is a package of its own in
# Debian's.
if [ "${1:-}" = --web ]; then
  packages+=(emscripten chromium python3)
  command -v npm > /dev/null || packages+=(npm)
fi

missing=()
for p in "${packages[@]}"; do
  installed "$p" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
if ! "${sudo[@]}" apt-get install -y -q "${missing[@]}"; then
  "${sudo[@]}" apt-get update -q
  "${sudo[@]}" apt-get install -y -q "${missing[@]}"
fi
