#!/usr/bin/env bash
# The game on a 1920 x 1080 display: full screen shows the picture twice its size, centred on
# black, without changing the display's mode; the enlarged buttons answer to clicks; F11 and
# Alt+Enter switch to a window of the chosen size and back while a round runs; a factor too
# large for the full screen is refused before any window opens. With PREVIEW_DIR set, the
# screenshot of the enlarged round is kept there.
source "$(dirname "$0")/lib.sh"
start_x 1920x1080x24
make_game_folder

# 760 x 520 fits 1920 x 1080 twice, not three times.
status=0
(cd "$WORK/game" && SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy "$QUARO" --scale 3 \
  > "$WORK/refused.out" 2> "$WORK/refused.err") || status=$?
[ "$status" = 1 ] || fail "status $status for --scale 3 on 1920 x 1080"
grep -q "^quaro: --scale 3 does not fit the 1920 x 1080 desktop in full screen; at most 2" \
  "$WORK/refused.err" || fail "no clear refusal of --scale 3: $(cat "$WORK/refused.err")"
[ ! -s "$WORK/refused.out" ] || fail "the refused game printed: $(cat "$WORK/refused.out")"

start_game
wait_for_window
expect_scaled_screen "$BUILD/GFX/Misc/StartScreen_01.bmp" 2 200 20 "the first title"
[ "$(xdpyinfo | awk '/dimensions:/ { print $2 }')" = 1920x1080 ] || fail "the display changed mode"
hold_key space
hold_key space
expect_scaled_screen "$BUILD/GFX/Misc/StartScreen_03.bmp" 2 200 20 "the menu"

click_at 120 345 # on the border, where the start button would be unscaled: nothing happens
sleep 0.5
expect_scaled_screen "$BUILD/GFX/Misc/StartScreen_03.bmp" 2 200 20 "the menu after a border click"
click_at 450 710 # the middle of the start button, (125, 345) on the canvas
convert "$BUILD/GFX/Misc/Level_Map.bmp" -scale 200% "$WORK/map2.png"
enlarged_round_drawn() { # the maze's corner as on the map, the clock drawn over the map
  screenshot round
  convert "$WORK/round.png" -crop 1520x1040+200+20 +repage "$WORK/round-canvas.png"
  [ "$(pixels_differing "$WORK/round-canvas.png" "$WORK/map2.png" 80x80+0+0)" = 0 ] &&
    [ "$(pixels_differing "$WORK/round-canvas.png" "$WORK/map2.png" 150x50+1300+986)" != 0 ]
}
wait_until "the enlarged round with its clock is not drawn" enlarged_round_drawn
[ -n "${PREVIEW_DIR:-}" ] && mkdir -p "$PREVIEW_DIR" && cp "$WORK/round.png" "$PREVIEW_DIR/round-1920x1080.png"

hold_key F11
window_of_the_canvas_size() { # leaves the game's window in $window
  window=$(xdotool search --name Quaro | head -1) &&
    geometry=$(xwininfo -id "$window" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }') &&
    [ "$geometry" = 760x520 ]
}
wait_until "F11 gave no 760x520 window" window_of_the_canvas_size
window_shows_the_round() {
  import -window "$window" "$WORK/window.png" &&
    [ "$(pixels_differing "$WORK/window.png" "$BUILD/GFX/Misc/Level_Map.bmp" 40x40+0+0)" = 0 ]
}
wait_until "the window does not show the round" window_shows_the_round

xdotool mousemove --window "$window" 5 5 # the keyboard follows the pointer without a manager
xdotool keydown alt keydown Return
sleep 0.3
xdotool keyup Return keyup alt
enlarged_again() {
  screenshot back
  convert "$WORK/back.png" -crop 80x80+200+20 +repage "$WORK/back-corner.png"
  [ "$(pixels_differing "$WORK/back-corner.png" "$WORK/map2.png" 80x80+0+0)" = 0 ]
}
wait_until "Alt+Enter did not bring back the enlarged full screen" enlarged_again

hold_key Escape
expect_scaled_screen "$BUILD/GFX/Misc/StartScreen_03.bmp" 2 200 20 "the menu after the round"
hold_key q
wait_for_game
[ "$STATUS" = 0 ] || fail "exit status $STATUS after quitting, not 0"
echo "PASS"
