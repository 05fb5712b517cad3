# Sourced by the bench scripts that run the real game under a private X server: a work folder
# removed at exit, the game (GAME_PID) and the server (XVFB_PID) ended with it.
bench_begin() { # work folder's name
  WORK=$(mktemp -d "/tmp/$1.XXXXXX")
  XVFB_PID=
  GAME_PID=
  WM_PID=
  trap bench_end EXIT
}

bench_end() {
  [ -n "$GAME_PID" ] && kill -9 "$GAME_PID" 2>/dev/null || true
  [ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$WORK"
}

start_xvfb() { # screen, e.g. 1920x1080x24; exports DISPLAY once the server answers
  Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp -noreset 3>"$WORK/display" 2>/dev/null &
  XVFB_PID=$!
  for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.1; done
  export DISPLAY=":$(cat "$WORK/display")"
  for _ in $(seq 100); do xdpyinfo > /dev/null 2>&1 && break; sleep 0.1; done
}

# A window manager, as on a player's desktop: without one, SDL 2 waits 100 ms for an answer to
# a full-screen request that nothing gives. Waits until it has taken the screen.
start_window_manager() {
  openbox > /dev/null 2>&1 &
  WM_PID=$!
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.1
  done
  echo "openbox did not start" >&2
  return 1
}

hold() { xdotool keydown "$1"; sleep "${2:-0.3}"; xdotool keyup "$1"; sleep 0.3; }
