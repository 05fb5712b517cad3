#!/usr/bin/env bash
# The peak resident memory of the real game while it looks through a folder of hostile runs,
# against the same sessions with an empty one: the table with key 1 pressed (which plays the
# first row's run), and a menu left alone until it plays the best run. Half of the files are
# valid runs of the longest round a run may hold that claim the default rows' name and time,
# the other half 75-byte files claiming about a million frames (bench/hostileRuns).
# Usage: bench/measure-memory.sh BUILD_DIR [FILES]   (FILES: 3000 by default)
# HOSTILE_RUNS names another hostileRuns program (to measure a build that has none).
set -euo pipefail
BUILD=$(cd "$1" && pwd)
FILES=${2:-3000}
MAKER=${HOSTILE_RUNS:-$BUILD/bench/hostileRuns}
source "$(dirname "$0")/xvfb.sh"
bench_begin quaro-memory
export SDL_AUDIODRIVER=dummy SDL_VIDEODRIVER=x11

start_xvfb 760x520x24

peak_kb() { awk '/VmHWM/ { print $2 }' "/proc/$GAME_PID/status"; }

# A game folder of its own; with "hostile", its Save/Replays/ holds the hostile runs.
game_folder() { # hostile|empty
  rm -rf "$WORK/game"
  mkdir -p "$WORK/game/Save/Replays"
  ln -s "$BUILD/GFX" "$WORK/game/GFX"
  ln -s "$BUILD/SFX" "$WORK/game/SFX"
  ln -s "$BUILD/RUN" "$WORK/game/RUN"
  [ "$1" = hostile ] && "$MAKER" "$WORK/game/Save/Replays" "$FILES"
  return 0
}

# Plays a session up to the menu, then the steps given; prints the peak in kB.
session() { # table|idle
  (cd "$WORK/game" && exec "$BUILD/quaro" > stdout 2>&1) &
  GAME_PID=$!
  local window
  for _ in $(seq 100); do
    window=$(xdotool search --name Quaro 2>/dev/null | head -1) && [ -n "$window" ] && break
    sleep 0.1
  done
  sleep 1
  xdotool mousemove --window "$window" 5 5
  hold space
  hold space
  sleep 1
  if [ "$1" = table ]; then
    hold h
    sleep 1
    hold 1
    sleep 5
  else
    sleep 40 # the menu plays the best run after 30 seconds
  fi
  peak_kb
  hold space
  sleep 1
  hold q
  wait "$GAME_PID" || true
  GAME_PID=
}

for case in table idle; do
  game_folder empty
  empty=$(session "$case")
  game_folder hostile
  hostile=$(session "$case")
  echo "$case: peak resident memory $((hostile / 1024)) MB ($hostile kB) with $FILES hostile" \
    "files, $((empty / 1024)) MB ($empty kB) without"
done
