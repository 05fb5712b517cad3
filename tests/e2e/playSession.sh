#!/usr/bin/env bash
# A whole session as a player has it: both titles, the menu, a round that waits under its ready
# banner, steered with the arrow keys and left with Escape, the high-score table, and quitting
# by a click through the credits.
source "$(dirname "$0")/lib.sh"
start_x
make_game_folder
start_game
wait_for_window

expect_screen "$BUILD/GFX/Misc/StartScreen_01.bmp" "the first title"
hold_key space
expect_screen "$BUILD/GFX/Misc/StartScreen_02.bmp" "the second title"
click_at 400 300
expect_screen "$BUILD/GFX/Misc/StartScreen_03.bmp" "the menu"
audio_not_silent "$WORK/audio.raw" || fail "the title jingle was not heard"

hold_key s
map=$BUILD/GFX/Misc/Level_Map.bmp
# The ready banner stands on the wall under the house until a steering key is pressed. The
# menu differs from the maze there too, so the maze's corner tells that the round is shown.
maze_drawn() { [ "$(pixels_differing "$WORK/round.png" "$map" 40x40+0+0)" = 0 ]; }
banner_shown() { [ "$(pixels_differing "$WORK/round.png" "$map" 100x30+330+245)" != 0 ]; }
for _ in $(seq 50); do
  screenshot round
  maze_drawn && banner_shown && break
  sleep 0.2
done
maze_drawn || fail "the maze is not drawn"
banner_shown || fail "no ready banner"
[ "$(pixels_differing "$WORK/round.png" "$map" 40x40+80+40)" != 0 ] || fail "no product at (2, 1)"
[ "$(pixels_differing "$WORK/round.png" "$map" 75x25+650+493)" != 0 ] || fail "no clock"

hold_key Left 1.0
screenshot moved
# The hero stood in front of the gate and walked off to the left.
[ "$(pixels_differing "$WORK/moved.png" "$WORK/round.png" 40x40+360+120)" != 0 ] ||
  fail "the hero did not walk away from the gate"
[ "$(pixels_differing "$WORK/moved.png" "$WORK/round.png" 80x40+280+120)" != 0 ] ||
  fail "the hero is not to the left of the gate"
# The outlaws set off with the round's first frame, when the hero's key ended the ready moment:
# the one from the bottom-left corner has left its corner (waiting longer lets them catch the
# hero on a slow machine).
[ "$(pixels_differing "$WORK/moved.png" "$WORK/round.png" 240x40+40+440)" != 0 ] ||
  fail "the outlaw in the bottom-left corner did not set off"

hold_key Escape
expect_screen "$BUILD/GFX/Misc/StartScreen_03.bmp" "the menu after Escape"

hold_key h
sleep 0.5
[ "$(stat -c %s "$WORK/game/Save/Highscore.hs" 2>/dev/null)" = 260 ] ||
  fail "the table did not write the default file"
screenshot table
[ "$(pixels_differing "$WORK/table.png" "$BUILD/GFX/Misc/HighScore.bmp" 150x25+370+103)" != 0 ] ||
  fail "no names in the table"

# Timed from before the click, since seeing the credits on screen may take a while: the game
# cannot end sooner than the credits' four seconds after it.
start=$(date +%s%N)
click_at 120 460
expect_screen "$BUILD/GFX/Misc/Credits.bmp" "the credits"
wait_for_game
elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))
[ "$STATUS" = 0 ] || fail "exit status $STATUS after quitting, not 0"
(( elapsed_ms >= 4000 && elapsed_ms < 12000 )) || fail "the credits stayed ${elapsed_ms} ms"
echo "PASS"
