#!/usr/bin/env bash
# Whole-process figures of the real game under private Xvfb servers, each against a floor
# measured in the same run. On a 760x520x24 server: CPU while a round runs and while a menu
# waits, full screen, and the peak resident memory of that session. On a 2560x1600x24 server:
# CPU while a round runs in a window at factor 1 (--window --scale 1) and at factor 3
# (--window --scale 3), against the floor in a window, and the peak memory at factor 3.
# Usage: bench/measure.sh BUILD_DIR [SECONDS]
set -euo pipefail
BUILD=$(cd "$1" && pwd)
SECONDS_MEASURED=${2:-20}
WORK=$(mktemp -d /tmp/quaro-measure.XXXXXX)
XVFB_PID=
GAME_PID=
export SDL_AUDIODRIVER=dummy SDL_VIDEODRIVER=x11
stop_x() {
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && wait "$XVFB_PID" 2>/dev/null || true
  XVFB_PID=
}
cleanup() {
  [ -n "$GAME_PID" ] && kill -9 "$GAME_PID" 2>/dev/null || true
  stop_x
  wait 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

start_x() { # WxHxD
  stop_x
  rm -f "$WORK/display"
  Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp -noreset 3>"$WORK/display" 2>/dev/null &
  XVFB_PID=$!
  for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.1; done
  export DISPLAY=":$(cat "$WORK/display")"
  for _ in $(seq 100); do xdpyinfo > /dev/null 2>&1 && break; sleep 0.1; done
}

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

hold() { xdotool keydown "$1"; sleep "${2:-0.3}"; xdotool keyup "$1"; sleep 0.3; }

mkdir -p "$WORK/game"
ln -s "$BUILD/GFX" "$WORK/game/GFX"
ln -s "$BUILD/SFX" "$WORK/game/SFX"

# Plays a session with the given options: the titles, the menu (measured when MEASURE_MENU is
# set), a round measured while the hero walks a loop, and the way out. Writes "menu% menu_x%
# round% round_x% peak_kB note" into $WORK/session; the menu figures are 0 when not measured.
session() { # factor options...
  local factor=$1 window menu="0 0" round peak note=""
  shift
  (cd "$WORK/game" && exec "$BUILD/quaro" "$@" > stdout 2>&1) &
  GAME_PID=$!
  for _ in $(seq 100); do
    window=$(xdotool search --name Quaro 2>/dev/null | head -1) && [ -n "$window" ] && break
    sleep 0.1
  done
  sleep 1
  # Without a window manager the keyboard follows the pointer.
  xdotool mousemove --window "$window" 5 5
  hold space
  hold space
  sleep 1
  [ -n "${MEASURE_MENU:-}" ] && menu=$(measure "$GAME_PID")
  hold s
  sleep 1
  (for _ in $(seq $((SECONDS_MEASURED / 4 + 1))); do
    for key in Left Down Right Up; do xdotool keydown $key; sleep 0.5; xdotool keyup $key; sleep 0.5; done
  done) &
  local walker=$!
  round=$(measure "$GAME_PID")
  kill "$walker" 2>/dev/null || true
  wait "$walker" 2>/dev/null || true
  import -window "$window" "$WORK/after-round.png"
  convert "$BUILD/GFX/Misc/GameOver.bmp" -scale "$((factor * 100))%" "$WORK/game-over.png"
  if [ "$(compare -metric AE "$WORK/after-round.png" "$WORK/game-over.png" null: 2>&1)" = 0 ]; then
    note="(the hero was caught during the measure: run it again)"
  fi
  peak=$(awk '/VmHWM/ { print $2 }' "/proc/$GAME_PID/status")
  hold Escape
  hold q
  wait "$GAME_PID" || true
  GAME_PID=
  echo "$menu $round $peak $note" > "$WORK/session"
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }

start_x 760x520x24
read -r floor_video floor_video_x <<< "$(floor --no-audio)"
read -r floor_audio _ <<< "$(floor --no-video)"
read -r floor_both floor_both_x <<< "$(floor)"
MEASURE_MENU=1 session 1
read -r menu menu_x round round_x peak_kb round_note < "$WORK/session"

start_x 2560x1600x24
read -r floor_window floor_window_x <<< "$(floor --window)"
session 1 --window --scale 1
read -r _ _ round1 round1_x _ round1_note < "$WORK/session"
session 3 --window --scale 3
read -r _ _ round3 round3_x peak3_kb round3_note < "$WORK/session"

echo "Over ${SECONDS_MEASURED} s each, percent of one core (process, then the X server)."
echo "Full screen on a 760x520 server:"
echo "  floor, video only:        $floor_video  (X $floor_video_x)"
echo "  floor, audio only:        $floor_audio"
echo "  floor, video and audio:   $floor_both  (X $floor_both_x)"
echo "  game, round running:      $round  (X $round_x)   ratio to floor $(ratio "$round" "$floor_both") $round_note"
echo "  game, menu waiting:       $menu  (X $menu_x)   ratio to floor's audio $(ratio "$menu" "$floor_audio")"
echo "  peak resident memory:     $((peak_kb / 1024)) MB ($peak_kb kB)"
echo "A window on a 2560x1600 server:"
echo "  floor, video and audio:   $floor_window  (X $floor_window_x)"
echo "  game, round at N = 1:     $round1  (X $round1_x)   ratio to floor $(ratio "$round1" "$floor_window") $round1_note"
echo "  game, round at N = 3:     $round3  (X $round3_x)   ratio to N = 1 $(ratio "$round3" "$round1") $round3_note"
echo "  peak resident memory at N = 3: $((peak3_kb / 1024)) MB ($peak3_kb kB)"
