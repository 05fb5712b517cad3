# Shared steps of the end-to-end tests: a private X server (of exactly the game's size unless
# a test asks for another), a working folder that sees the generated pictures and sounds, the real binary started with
# the disk audio driver, and keys and clicks held the way a player holds them.
# Usage from a test: source lib.sh QUARO_BINARY BUILD_DIR
set -euo pipefail

QUARO=$1
BUILD=$2
E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
WORK=$(mktemp -d /tmp/quaro-e2e.XXXXXX)
XVFB_PID=
GAME_PID=
trap cleanup EXIT

cleanup() {
  [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$WORK"
}

fail() {
  echo "FAIL: $*" >&2
  local log
  for log in game/stdout game/stderr valgrind.log; do
    [ -f "$WORK/$log" ] && { echo "--- $log" >&2; cat "$WORK/$log" >&2; }
  done
  exit 1
}

# Starts Xvfb on a free display with a screen of the given size (760x520x24 by default) and
# waits until it answers.
start_x() { # [WxHxD]
  # -noreset: the server must not restart when xdpyinfo, the last client, disconnects.
  Xvfb -displayfd 3 -screen 0 "${1:-760x520x24}" -nolisten tcp -noreset 3>"$WORK/display" \
    2>"$WORK/xvfb.log" &
  XVFB_PID=$!
  for _ in $(seq 100); do
    [ -s "$WORK/display" ] && break
    sleep 0.1
  done
  [ -s "$WORK/display" ] || fail "Xvfb did not start"
  export DISPLAY=":$(cat "$WORK/display")"
  for _ in $(seq 100); do
    xdpyinfo > /dev/null 2>&1 && return 0
    sleep 0.1
  done
  fail "the X server does not answer"
}

# A game folder with the generated assets and demonstration run, and a Save/ of its own.
make_game_folder() {
  mkdir -p "$WORK/game"
  ln -s "$BUILD/GFX" "$WORK/game/GFX"
  ln -s "$BUILD/SFX" "$WORK/game/SFX"
  ln -s "$BUILD/RUN" "$WORK/game/RUN"
}

# Starts the game in its folder; its sound goes to $WORK/audio.raw.
start_game() {
  (cd "$WORK/game" && SDL_VIDEODRIVER=x11 \
    SDL_AUDIODRIVER=${AUDIO_DRIVER:-disk} SDL_DISKAUDIOFILE=${AUDIO_FILE:-$WORK/audio.raw} \
      SDL_DISKAUDIODELAY=3 exec ${VALGRIND:-} "$QUARO" "$@" > stdout 2> stderr) &
  GAME_PID=$!
}

# Waits for the game to end and leaves its exit status in STATUS.
wait_for_game() {
  STATUS=0
  wait "$GAME_PID" || STATUS=$?
  GAME_PID=
}

# Waits until the game's window exists.
wait_for_window() {
  for _ in $(seq 200); do
    xdotool search --name Quaro > /dev/null 2>&1 && { sleep 0.5; return 0; }
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended before its window appeared"
    sleep 0.1
  done
  fail "no game window"
}

# Polls the command until it succeeds (at most about SCREEN_WAIT_SECONDS), else fails saying
# what did not happen.
wait_until() { # what command...
  local what=$1
  shift
  for _ in $(seq $((5 * ${SCREEN_WAIT_SECONDS:-10}))); do
    "$@" && return 0
    sleep 0.2
  done
  fail "$what"
}

screenshot() { # name: writes $WORK/name.png
  import -window root "$WORK/$1.png"
}

# Number of pixels that differ between two pictures, optionally in a crop WxH+X+Y.
pixels_differing() { # a b [crop]
  local a=$1 b=$2
  if [ $# -ge 3 ]; then
    convert "$a" -crop "$3" +repage "$WORK/crop_a.png"
    convert "$b" -crop "$3" +repage "$WORK/crop_b.png"
    a=$WORK/crop_a.png b=$WORK/crop_b.png
  fi
  compare -metric AE "$a" "$b" null: 2>&1 || true
}

# Polls until the screen shows the picture (at most about SCREEN_WAIT_SECONDS).
expect_screen() { # picture [what]
  local diff
  # Five polls a second for SCREEN_WAIT_SECONDS (10 by default; a game under valgrind on a
  # busy machine needs longer).
  for _ in $(seq $((5 * ${SCREEN_WAIT_SECONDS:-10}))); do
    screenshot current
    diff=$(pixels_differing "$WORK/current.png" "$1")
    [ "$diff" = 0 ] && return 0
    sleep 0.2
  done
  cp "$WORK/current.png" "/tmp/quaro-e2e-last-failure.png"
  fail "${2:-$1} not on screen ($diff pixels differ; screenshot in /tmp/quaro-e2e-last-failure.png)"
}

# Polls until the screen shows the picture enlarged by the factor with its top-left corner at
# (x, y), and black all around it (at most about 10 seconds).
expect_scaled_screen() { # picture factor x y [what]
  local width height diff
  convert "$1" -scale "$(($2 * 100))%" "$WORK/scaled.png"
  width=$(identify -format %w "$WORK/scaled.png")
  height=$(identify -format %h "$WORK/scaled.png")
  for _ in $(seq 50); do
    screenshot current
    convert "$WORK/current.png" -crop "${width}x${height}+$3+$4" +repage "$WORK/placed.png"
    diff=$(pixels_differing "$WORK/placed.png" "$WORK/scaled.png")
    [ "$diff" = 0 ] && [ "$(outside_is_black "$WORK/current.png" "$width" "$height" "$3" "$4")" = 1 ] &&
      return 0
    sleep 0.2
  done
  cp "$WORK/current.png" "/tmp/quaro-e2e-last-failure.png"
  fail "${5:-$1} not on screen at $2x from ($3, $4) ($diff pixels differ; screenshot in /tmp/quaro-e2e-last-failure.png)"
}

# 1 when everything of the screenshot outside the rectangle is black, else 0.
outside_is_black() { # png width height x y
  local max
  max=$(convert "$1" -fill black -draw "rectangle $4,$5 $(($4 + $2 - 1)),$(($5 + $3 - 1))" \
    -format "%[max]" info:)
  [ "$max" = 0 ] && echo 1 || echo 0
}

# Holds a key for a moment, since the game reads the keys held when it handles an event.
hold_key() { # key [seconds]
  xdotool keydown "$1"
  sleep "${2:-0.3}"
  xdotool keyup "$1"
  sleep 0.2
}

click_at() { # x y
  xdotool mousemove "$1" "$2"
  sleep 0.1
  xdotool mousedown 1
  sleep 0.3
  xdotool mouseup 1
  sleep 0.2
}

# True when the captured sound holds anything but silence.
audio_not_silent() {
  [ -s "$1" ] && [ "$(tr -d '\000' < "$1" | head -c 1 | wc -c)" -gt 0 ]
}
