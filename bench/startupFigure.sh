#!/usr/bin/env bash
# The whole process's start-up: milliseconds from starting the game to the first frame of its
# window that is not black, under a private Xvfb of the game's size, timed by bench/firstFrame
# (a look every millisecond). Prints the median of RUNS starts (5 by default) and every figure.
# With --wm, a window manager runs on the server, as on a player's desktop; without one, SDL 2
# waits 100 ms for the answer to its full-screen request.
# Needs xwd (Debian's x11-apps), and openbox for --wm.
# Usage: bench/startupFigure.sh BUILD_DIR [RUNS] [--wm]
set -euo pipefail
BUILD=$(cd "$1" && pwd)
RUNS=${2:-5}
source "$(dirname "$0")/xvfb.sh"
bench_begin quaro-startup

start_xvfb 760x520x24
[ "${3:-}" = --wm ] && start_window_manager
mkdir -p "$WORK/game"
ln -s "$BUILD/GFX" "$WORK/game/GFX"
ln -s "$BUILD/SFX" "$WORK/game/SFX"
ln -s "$BUILD/RUN" "$WORK/game/RUN"
black=$(xwd -root -silent | md5sum)

figures=()
for _ in $(seq "$RUNS"); do
  figures+=($(cd "$WORK/game" && SDL_AUDIODRIVER=dummy "$BUILD/bench/firstFrame" "$BUILD/quaro"))
  # The next start begins on a black screen again.
  xdotool search --name Quaro > /dev/null 2>&1 && sleep 0.5
  while [ "$(xwd -root -silent | md5sum)" != "$black" ]; do sleep 0.05; done
done
sorted=$(printf '%s\n' "${figures[@]}" | sort -n)
echo "start-up to the first title drawn: median $(echo "$sorted" | sed -n "$(((RUNS + 1) / 2))p") ms" \
  "(every start: ${figures[*]} ms)"
