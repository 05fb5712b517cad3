#!/usr/bin/env bash
# The cost of the game on each SDL, in one run: CPU (percent of one core) and peak resident
# memory of the game's process while a round runs under a private Xvfb 1920x1080x24, at the
# default full screen (factor 2) and in a 760 x 520 window (--window --scale 1), for the SDL 2
# build, the SDL 1.2 build on the classic SDL 1.2, and the SDL 1.2 build on sdl12-compat
# (Debian's libsdl1.2-compat, which installs beside the classic library and is used here
# through LD_LIBRARY_PATH). Prints a table.
# Usage: bench/sdlFigures.sh SDL2_BUILD SDL1_BUILD [SECONDS]
set -euo pipefail
SDL2_BUILD=$(cd "$1" && pwd)
SDL1_BUILD=$(cd "$2" && pwd)
SECONDS_MEASURED=${3:-12}
COMPAT_DIR=/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null || echo x86_64-linux-gnu)/sdl12-compat
source "$(dirname "$0")/xvfb.sh"
bench_begin quaro-sdl-figures
export SDL_AUDIODRIVER=dummy

[ -e "$COMPAT_DIR/libSDL-1.2.so.0" ] ||
  { echo "sdl12-compat is not installed: apt-get install libsdl1.2-compat" >&2; exit 1; }

start_xvfb 1920x1080x24

ticks_per_second=$(getconf CLK_TCK)
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

# Plays the titles, starts a round and walks a loop while the game's CPU is measured; prints
# "cpu% peak_MB".
session() { # build [environment assignments...] -- game options...
  local build=$1 window t0 t1 peak
  shift
  local environment=()
  while [ "$1" != -- ]; do environment+=("$1"); shift; done
  shift
  mkdir -p "$WORK/game"
  ln -sfn "$build/GFX" "$WORK/game/GFX"
  ln -sfn "$build/SFX" "$WORK/game/SFX"
  (cd "$WORK/game" && exec env "${environment[@]}" "$build/quaro" "$@" > /dev/null 2>&1) &
  GAME_PID=$!
  for _ in $(seq 100); do
    window=$(xdotool search --name Quaro 2>/dev/null | head -1) && [ -n "$window" ] && break
    sleep 0.1
  done
  sleep 1
  xdotool mousemove --window "$window" 5 5 # the keyboard follows the pointer
  hold space
  hold space
  hold s
  (while :; do
    for key in Left Down Right Up; do xdotool keydown $key; sleep 0.5; xdotool keyup $key; sleep 0.5; done
  done) &
  local walker=$!
  sleep 1
  t0=$(cpu_ticks "$GAME_PID")
  sleep "$SECONDS_MEASURED"
  t1=$(cpu_ticks "$GAME_PID")
  peak=$(awk '/VmHWM/ { print $2 }' "/proc/$GAME_PID/status")
  kill "$walker" 2>/dev/null || true
  wait "$walker" 2>/dev/null || true
  kill -9 "$GAME_PID" 2>/dev/null || true
  wait "$GAME_PID" 2>/dev/null || true
  GAME_PID=
  awk -v t=$((t1 - t0)) -v hz="$ticks_per_second" -v s="$SECONDS_MEASURED" -v kb="$peak" \
    'BEGIN { printf "%.1f%% %.1f MB", 100 * t / hz / s, kb / 1024 }'
}

row() { # name build [environment...]
  local name=$1 build=$2
  shift 2
  local full window
  full=$(session "$build" "$@" --)
  window=$(session "$build" "$@" -- --window --scale 1)
  printf '| %-28s | %-17s | %-17s |\n' "$name" "$full" "$window"
}

echo "A round for ${SECONDS_MEASURED} s under Xvfb 1920x1080x24: CPU of one core, peak memory."
echo
printf '| %-28s | %-17s | %-17s |\n' "build" "full screen, 2x" "760 x 520 window"
printf '|%s|%s|%s|\n' "$(printf -- '-%.0s' {1..30})" "$(printf -- '-%.0s' {1..19})" "$(printf -- '-%.0s' {1..19})"
row "SDL 2" "$SDL2_BUILD"
row "SDL 1.2, classic" "$SDL1_BUILD"
row "SDL 1.2 build, sdl12-compat" "$SDL1_BUILD" LD_LIBRARY_PATH="$COMPAT_DIR"
