#!/usr/bin/env bash
# A request to close ends the real game whatever it is doing. A game stuck inside SDL (a
# joystick device that reads zeros for ever, at full CPU) ends on its own 3 seconds after a
# SIGTERM or SIGHUP, or at once at a second request, killed by the first signal and saying why.
# (Two signals of one kind sent at once may reach a process as one, so the second requests are
# other signals; and the kernel hands pending signals over lowest number first, so each is sent
# once the one before has left the pending set.)
source "$(dirname "$0")/lib.sh"
start_x
make_game_folder

# Whether the game runs yet (an ended game stays a zombie until it is waited for).
running() {
  [ -r "/proc/$GAME_PID/stat" ] && [ "$(awk '{ print $3 }' "/proc/$GAME_PID/stat")" != Z ]
}

# Starts the game with a joystick device that never ends and waits until it spins in it: half
# a second of CPU, which nothing before the joystick takes.
start_stuck_game() {
  (cd "$WORK/game" && SDL_JOYSTICK_DEVICE=/dev/zero SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy \
    exec "$QUARO" --window > stdout 2> stderr) &
  GAME_PID=$!
  for _ in $(seq 300); do
    running || fail "the stuck game ended before a signal"
    (( $(awk '{ print $14 + $15 }' "/proc/$GAME_PID/stat") >= $(getconf CLK_TCK) / 2 )) && return 0
    sleep 0.1
  done
  kill -KILL "$GAME_PID"
  fail "the game with /dev/zero for a joystick did not get stuck"
}

# Waits until no thread of the game has signal $1 pending: its handler has taken it.
wait_taken() {
  local number bit mask
  number=$(kill -l "$1")
  bit=$((1 << (number - 1)))
  for _ in $(seq 300); do
    mask=0
    for field in $(awk '/^(SigPnd|ShdPnd):/ { print $2 }' "/proc/$GAME_PID/status" \
      "/proc/$GAME_PID"/task/*/status 2> /dev/null); do
      mask=$((mask | 16#$field))
    done
    ((mask & bit)) || return 0
    sleep 0.1
  done
  fail "signal $1 stayed pending"
}

stuck_case() { # status line signals...: the status and the line expected after the signals
  local expected_status=$1 says=$2
  shift 2
  start_stuck_game
  for signal in "$@"; do
    kill "-$signal" "$GAME_PID"
    wait_taken "$signal"
  done
  for _ in $(seq 150); do
    running || break
    sleep 0.1
  done
  if running; then
    kill -KILL "$GAME_PID"
    fail "the stuck game still runs 15 seconds after $*"
  fi
  wait_for_game
  [ "$STATUS" = "$expected_status" ] || fail "status $STATUS after $*, not $expected_status"
  grep -q "^Ending at once on SIG$1: $says" "$WORK/game/stderr" ||
    fail "no line '$says' after $*: $(cat "$WORK/game/stderr")"
}

if [[ $(ldd "$QUARO") == *libSDL-1.2* ]]; then
  stuck_case 143 "the game did not close within 3000 ms" TERM
  stuck_case 143 "a second request to close" TERM INT
  stuck_case 129 "the game did not close within 3000 ms" HUP
else
  # SDL 2 passes over a joystick device that is no joystick: the game plays, and closes as
  # asked. (The grace period of a game stuck elsewhere is kuCloseSignalsTest's.)
  SDL_JOYSTICK_DEVICE=/dev/zero start_game --window
  wait_for_window
  kill -HUP "$GAME_PID"
  wait_for_game
  [ "$STATUS" = 0 ] || fail "status $STATUS after HUP, not 0"
fi

echo "PASS"
