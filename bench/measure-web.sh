#!/usr/bin/env bash
# The browser build's figures beside the desktop game's, in one run: first bench/measure.sh
# on the desktop build (CPU while a round runs, against its floor), then bench/webFigures.js
# on the site (transfer of a first visit raw and compressed, time to the title on a cold and
# on an offline load, Chromium's CPU while a round runs), and on the site it is compared with
# when one is given: a site built from another commit, such as main in a worktree of its own:
#     git worktree add /tmp/quaro-before main && /tmp/quaro-before/scripts/web.sh
#     bench/measure-web.sh 20 /tmp/quaro-before/build-web/site
# Usage: bench/measure-web.sh [SECONDS] [BEFORE_SITE]   (after scripts/web.sh --test, which
# installs the browser driver; the desktop build in build/ must hold the game and
# bench/floorProgram)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-20}
before=${2:-}
echo "== The desktop game"
"$root/bench/measure.sh" "$root/build" "$seconds"
echo "== The browser build in headless Chromium"
NODE_PATH=$root/build-web/browser-test/node_modules \
  node "$root/bench/webFigures.js" "$root/build-web/site" "$seconds" ${before:+"$before"}
