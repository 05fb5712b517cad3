#!/usr/bin/env bash
# The figures of runs checked and watched, in one run: the time --verify takes for the
# demonstration run and for 100 runs (the demonstration, 100 times), with no display; and the
# peak resident memory of the real game watching the demonstration at x1 and at x8 (--replay,
# + pressed three times), under a private Xvfb with the dummy audio driver.
# Usage: bench/measure-races.sh BUILD_DIR
set -euo pipefail
BUILD=$(cd "$1" && pwd)
WORK=$(mktemp -d /tmp/quaro-races.XXXXXX)
XVFB_PID=
GAME_PID=
cleanup() {
  [ -n "$GAME_PID" ] && kill -9 "$GAME_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT
DEMO=$BUILD/RUN/Demo.run

seconds() { # command...: the wall-clock seconds it took
  local start end
  start=$(date +%s.%N)
  "$@" > /dev/null
  end=$(date +%s.%N)
  echo "$end - $start" | bc
}
cd "$BUILD"
one=$(seconds env -u DISPLAY -u SDL_VIDEODRIVER ./quaro --verify "$DEMO")
mapfile -t hundred < <(for _ in $(seq 100); do echo "$DEMO"; done)
many=$(seconds env -u DISPLAY -u SDL_VIDEODRIVER ./quaro --verify "${hundred[@]}")
frames=$(env -u DISPLAY ./quaro --verify "$DEMO" | sed -E 's/.* in ([0-9]+) frames.*/\1/')
echo "--verify, the demonstration run ($frames frames): ${one} s"
echo "--verify, 100 runs: ${many} s"

Xvfb -displayfd 3 -screen 0 760x520x24 -nolisten tcp -noreset 3>"$WORK/display" 2>/dev/null &
XVFB_PID=$!
for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$WORK/display")"
for _ in $(seq 100); do xdpyinfo > /dev/null 2>&1 && break; sleep 0.1; done
peak_kb() { awk '/VmHWM/ { print $2 }' "/proc/$GAME_PID/status"; }
for presses in 0 3; do
  SDL_AUDIODRIVER=dummy SDL_VIDEODRIVER=x11 ./quaro --window --replay "$DEMO" > /dev/null 2>&1 &
  GAME_PID=$!
  for _ in $(seq 100); do xdotool search --name Quaro > /dev/null 2>&1 && break; sleep 0.1; done
  for _ in $(seq "$presses"); do xdotool key plus; sleep 0.2; done
  sleep 4
  echo "peak resident memory watching at x$((1 << presses)): $(peak_kb) kB"
  kill "$GAME_PID"
  wait "$GAME_PID" 2>/dev/null || true
  GAME_PID=
done
