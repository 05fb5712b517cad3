#!/usr/bin/env bash
# Installs from Debian's packages what this machine lacks: by default only what building and
# playing the game needs (the compiler, CMake, SDL 2, cairo and the font of the pictures); with
# --test also what the tests need (the classic SDL 1.2, test libraries, an X server and its tools, the sanitizers'
# and fuzzers' compiler, valgrind, the package checkers); with --web also the browser build
# and its test. Run it twice and the second run installs nothing.
# Usage: scripts/setup.sh [--test] [--web]
set -euo pipefail

packages=(
  g++ cmake make pkg-config            # the build
  libsdl2-dev                          # SDL 2, which the desktop game is built on
  libcairo2-dev fonts-dejavu-core      # the asset generator
)
tests=(
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb x11-utils xdotool imagemagick sox  # end-to-end tests: a real X server, keys, screenshots
  clang libclang-rt-14-dev valgrind    # the fuzzer and memcheck runs
  dpkg-dev file                        # the Debian package: dpkg-shlibdeps, and file for CPack
  desktop-file-utils appstream lintian man-db  # checking the install and the package
)
installed() { dpkg-query -W -f='${db:Status-Abbrev}' "$1" 2>/dev/null | grep -q '^ii'; }
# The classic SDL 1.2, for the classic build the tests build too and the benchmarks' floor,
# unless sdl12-compat's development package is already installed.
if ! installed libsdl1.2-compat-dev; then
  tests+=(libsdl1.2-dev)
fi
for option in "$@"; do
  case "$option" in
    --test) packages+=("${tests[@]}") ;;
    # The browser build: Emscripten, and Chromium with npm for the browser test's driver (the
    # pictures are packed for the page by ImageMagick, the sounds by sox; the wait analysis
    # reads the game with binaryen's wasm-dis). Node comes with Emscripten; npm comes with some
    # Node packages and is a package of its own in Debian's.
    --web)
      packages+=(emscripten binaryen chromium python3 imagemagick sox)
      command -v npm > /dev/null || packages+=(npm)
      ;;
    *) echo "Usage: $0 [--test] [--web]" >&2; exit 2 ;;
  esac
done

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
