#!/usr/bin/env bash
# The browser build's figures beside the desktop game's, in one run: first bench/measure.sh
# on the desktop build (CPU while a round runs, against its floor), then bench/webFigures.js
# on the site (transfer size, time to the title, Chromium's CPU while a round runs).
# Usage: bench/measure-web.sh [SECONDS]   (after scripts/web.sh --test, which installs the
# browser driver; the desktop build in build/ must hold the game and bench/floorProgram)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-20}
echo "== The desktop game"
"$root/bench/measure.sh" "$root/build" "$seconds"
echo "== The browser build in headless Chromium"
NODE_PATH=$root/build-web/browser-test/node_modules \
  node "$root/bench/webFigures.js" "$root/build-web/site" "$seconds"
