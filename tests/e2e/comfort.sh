#!/usr/bin/env bash
# Pause and close as a player meets them: P freezes a round (the picture stands still), P
# again makes it move; M switches the sound off; a SIGTERM during a round ends the game within
# a second with the status of a normal end, the table file intact.
source "$(dirname "$0")/lib.sh"
start_x
make_game_folder
start_game --window
wait_for_window

expect_screen "$BUILD/GFX/Misc/StartScreen_01.bmp" "the first title"
hold_key space
hold_key space
expect_screen "$BUILD/GFX/Misc/StartScreen_03.bmp" "the menu"
hold_key h
sleep 0.5
table_before=$(md5sum < "$WORK/game/Save/Highscore.hs")
hold_key s
sleep 1

hold_key p
sleep 0.5
screenshot paused1
sleep 1.5
screenshot paused2
[ "$(pixels_differing "$WORK/paused1.png" "$WORK/paused2.png")" = 0 ] ||
  fail "the picture moved while the round was paused"
[ "$(pixels_differing "$WORK/paused1.png" "$BUILD/GFX/Misc/Level_Map.bmp" 120x40+320+240)" != 0 ] ||
  fail "no pause box in the middle of the maze"

hold_key p
sleep 1.5
screenshot running
[ "$(pixels_differing "$WORK/paused2.png" "$WORK/running.png")" != 0 ] ||
  fail "the round did not move again after P"

start=$(date +%s%N)
kill -TERM "$GAME_PID"
wait_for_game
elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))
[ "$STATUS" = 0 ] || fail "exit status $STATUS after SIGTERM, not 0"
(( elapsed_ms < 1000 )) || fail "the game took ${elapsed_ms} ms to end after SIGTERM"
[ "$(md5sum < "$WORK/game/Save/Highscore.hs")" = "$table_before" ] ||
  fail "the table file changed"
echo "PASS"
