#!/usr/bin/env bash
# Builds the game for the browser into build-web/site/ (index.html, the page's style and
# script, quaro.js, quaro.wasm and the packed pictures, sounds and demonstration run in
# quaro.data). It installs what is missing, draws the pictures and sounds and plays the
# demonstration run with the desktop build's tools in build/, then compiles the same game
# with Emscripten. Any static server serves the site:
#     python3 -m http.server -d build-web/site
# With --test it then installs the browser test's driver (puppeteer-core, from npm) into
# build-web/browser-test/ and plays the site in headless Chromium.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" --web
jobs=$(nproc)

cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$root/build" --target assets icons demorun -j "$jobs"

# Emscripten's optimiser loads its acorn module from where Debian keeps Node's modules.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
emcmake cmake -S "$root" -B "$root/build-web" -DCMAKE_BUILD_TYPE=Release \
  -DQUARO_ASSET_DIR="$root/build" > /dev/null
cmake --build "$root/build-web" -j "$jobs"
echo "The site is in build-web/site: python3 -m http.server -d build-web/site"

if [ "${1:-}" = --test ]; then
  driver=$root/build-web/browser-test
  if ! cmp -s "$root/tests/web/package-lock.json" "$driver/package-lock.json" ||
    [ ! -d "$driver/node_modules" ]; then
    mkdir -p "$driver"
    cp "$root/tests/web/package.json" "$root/tests/web/package-lock.json" "$driver/"
    (cd "$driver" && npm ci --no-audit --no-fund --loglevel=error)
  fi
  ctest --test-dir "$root/build-web" --output-on-failure
fi
