#!/usr/bin/env bash
# Installs what is missing, builds the game and its pictures and sounds, and starts it from
# the build folder, which holds GFX/, SFX/ and Save/. Arguments pass through (--window).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUARO_SDL=2 > /dev/null
cmake --build "$root/build" --target quaro -j "$(nproc)"
cd "$root/build"
exec ./quaro "$@"
