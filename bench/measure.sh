#!/usr/bin/env bash
# Whole-process figures of the real game under a private Xvfb (760x520x24), each against a
# floor measured in the same run: CPU while a round runs and while a menu waits, and the peak
# resident memory of a session. Usage: bench/measure.sh BUILD_DIR [SECONDS]
set -euo pipefail
BUILD=$(cd "$1" && pwd)
SECONDS_MEASURED=${2:-20}
WORK=$(mktemp -d /tmp/quaro-measure.XXXXXX)
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

ticks_per_second=$(getconf CLK_TCK)
cpu_ticks() { # pid: user + system clock ticks of every thread so far
  awk '{ print $14 + $15 }' "/proc/$1/stat"
}
# Percent of one core that the process (and the X server) used over the measured seconds.
measure() { # pid
  local game0 x0 game1 x1
  game0=$(cpu_ticks "$1"); x0=$(cpu_ticks "$XVFB_PID")
  sleep "$SECONDS_MEASURED"
  game1=$(cpu_ticks "$1"); x1=$(cpu_ticks "$XVFB_PID")
  awk -v g=$((game1 - game0)) -v x=$((x1 - x0)) -v hz="$ticks_per_second" -v s="$SECONDS_MEASURED" \
    'BEGIN { printf "%.2f %.2f", 100 * g / hz / s, 100 * x / hz / s }'
}

floor() { # options: prints "process% xserver%"
  "$BUILD/bench/floorProgram" --seconds $((SECONDS_MEASURED + 4)) "$@" &
  local pid=$!
  sleep 2
  measure "$pid"
  wait "$pid"
}

read -r floor_video floor_video_x <<< "$(floor --no-audio)"
read -r floor_audio _ <<< "$(floor --no-video)"
read -r floor_both floor_both_x <<< "$(floor)"

hold() { xdotool keydown "$1"; sleep "${2:-0.3}"; xdotool keyup "$1"; sleep 0.3; }

mkdir -p "$WORK/game"
ln -s "$BUILD/GFX" "$WORK/game/GFX"
ln -s "$BUILD/SFX" "$WORK/game/SFX"
(cd "$WORK/game" && exec "$BUILD/quaro" > stdout 2>&1) &
GAME_PID=$!
sleep 2
hold space
hold space
sleep 1
read -r menu menu_x <<< "$(measure "$GAME_PID")"
hold s
sleep 1
# The hero walks a loop through the maze while the measure runs.
(for _ in $(seq $((SECONDS_MEASURED / 4 + 1))); do
  for key in Left Down Right Up; do xdotool keydown $key; sleep 0.5; xdotool keyup $key; sleep 0.5; done
done) &
walker=$!
read -r round round_x <<< "$(measure "$GAME_PID")"
kill "$walker" 2>/dev/null || true
import -window root "$WORK/after-round.png"
round_note=""
if [ "$(compare -metric AE "$WORK/after-round.png" "$BUILD/GFX/Misc/GameOver.bmp" null: 2>&1)" = 0 ]; then
  round_note="(the hero was caught during the measure: run it again)"
fi
peak_kb=$(awk '/VmHWM/ { print $2 }' "/proc/$GAME_PID/status")
hold Escape
hold q
sleep 5

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }
echo "Over ${SECONDS_MEASURED} s each, percent of one core (process, then the X server):"
echo "  floor, video only:        $floor_video  (X $floor_video_x)"
echo "  floor, audio only:        $floor_audio"
echo "  floor, video and audio:   $floor_both  (X $floor_both_x)"
echo "  game, round running:      $round  (X $round_x)   ratio to floor $(ratio "$round" "$floor_both") $round_note"
echo "  game, menu waiting:       $menu  (X $menu_x)   ratio to floor's audio $(ratio "$menu" "$floor_audio")"
echo "Peak resident memory of the session: $((peak_kb / 1024)) MB ($peak_kb kB)"
