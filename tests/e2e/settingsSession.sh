#!/usr/bin/env bash
# Settings as a player meets them: a settings file binds left to J; the menu's O opens the
# settings screen and Escape leaves it; in a round, J walks the hero left from its start (and
# nothing moves it right); the file named by --settings is the one read.
source "$(dirname "$0")/lib.sh"
start_x
make_game_folder
printf '[keys]\nleft=J\n' > "$WORK/settings.ini"
start_game --window --settings "$WORK/settings.ini"
wait_for_window

# Polls until the crop of the screen differs from the same crop of the picture.
expect_change() { # picture crop what
  for _ in $(seq $((5 * ${SCREEN_WAIT_SECONDS:-10}))); do
    screenshot current
    [ "$(pixels_differing "$WORK/current.png" "$1" "$2")" != 0 ] && return 0
    sleep 0.2
  done
  cp "$WORK/current.png" "/tmp/quaro-e2e-last-failure.png"
  fail "$3 (screenshot in /tmp/quaro-e2e-last-failure.png)"
}

expect_screen "$BUILD/GFX/Misc/StartScreen_01.bmp" "the first title"
hold_key space
hold_key space
menu=$BUILD/GFX/Misc/StartScreen_03.bmp
expect_screen "$menu" "the menu"
hold_key o
expect_change "$menu" 580x490+90+14 "O did not open the settings screen"
screenshot settings
hold_key Escape
expect_screen "$menu" "the menu after the settings screen"
grep -qi 'ignoring' "$WORK/game/stderr" && fail "the settings file was called damaged"

hold_key s
# The round's start: the maze's top wall as the maze picture has it, the hero standing in
# front of the gate (brick 9, 3) for the ready moment; the bricks to its left and right are
# taken as they are then.
for _ in $(seq $((5 * ${SCREEN_WAIT_SECONDS:-10}))); do
  screenshot start
  [ "$(pixels_differing "$WORK/start.png" "$BUILD/GFX/Misc/Level_Map.bmp" 760x40+0+0)" = 0 ] &&
    break
  sleep 0.2
done
[ "$(pixels_differing "$WORK/start.png" "$BUILD/GFX/Misc/Level_Map.bmp" 760x40+0+0)" = 0 ] ||
  fail "the round did not start"
left=40x40+320+120 right=40x40+400+120
xdotool keydown j
expect_change "$WORK/start.png" "$left" "J did not walk the hero left"
xdotool keyup j
screenshot moved
[ "$(pixels_differing "$WORK/moved.png" "$WORK/start.png" "$right")" = 0 ] ||
  fail "the hero walked right"

kill -TERM "$GAME_PID"
wait_for_game
[ "$STATUS" = 0 ] || fail "exit status $STATUS after SIGTERM, not 0"
grep -qi 'left=J' "$WORK/settings.ini" || fail "the settings file lost its binding"
echo "PASS"
