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
WORK=$(mktemp -d /tmp/quaro-memory.XXXXXX)
XVFB_PID=
GAME_PID=
export SDL_AUDIODRIVER=dummy SDL_VIDEODRIVER=x11
cleanup() {
  [ -n "$GAME_PID" ] && kill -9 "$GAME_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 760x520x24 -nolisten tcp -noreset 3>"$WORK/display" 2>/dev/null &
XVFB_PID=$!
for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$WORK/display")"
for _ in $(seq 100); do xdpyinfo > /dev/null 2>&1 && break; sleep 0.1; done

hold() { xdotool keydown "$1"; sleep "${2:-0.3}"; xdotool keyup "$1"; sleep 0.3; }
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
