#!/usr/bin/env bash
# Screenshots of what a player reads, as a 1920 x 1080 full screen shows the game (twice its
# size), written as PNG files into BUILD_DIR/preview/screens/:
#   after-*.png  from this build, by quaro_shots (the game shell on a private Xvfb): the
#                how-to-play screen, the ready moment, a round with its bottom wall, the sound
#                muted, the frightened outlaws, the super form's last seconds, the gate's banner,
#                the wait mark, the pause box with its reminder of the keys, the game-over
#                screen, the table, the idle demonstration and the settings screen;
#   before-*.png with BEFORE_BUILD_DIR (a build folder of an older game, with its quaro, GFX/,
#                SFX/ and RUN/): the same screens of that game, which the real binary shows
#                driven by xdotool; the demonstration run played back with --replay, each shot
#                taken when its clock shows the time the timeline of this build gives. The older
#                game-over screen is its picture, which that game shows as it is.
# Usage: scripts/screenshots.sh BUILD_DIR QUARO_SHOTS [BEFORE_BUILD_DIR]
set -euo pipefail
build=$(cd "$1" && pwd)
shots_tool=$2
before=${3:-}
out=$build/preview/screens
mkdir -p "$out"
rm -f "$out"/*.png "$out"/*.bmp

source "$(dirname "$0")/../tests/e2e/lib.sh" "$build/quaro" "$build"
start_x 1920x1080x24

# The 760 x 520 canvas twice its size, centred on the 1920 x 1080 screen.
origin_x=200
origin_y=20

echo "after: quaro_shots"
(cd "$WORK" && SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy \
  timeout -k 10 300 "$shots_tool" "$build" "$out" > "$WORK/shots.log" 2>&1) ||
  fail "quaro_shots failed: $(cat "$WORK/shots.log")"
for shot in "$out"/after-*.bmp; do
  convert "$shot" "${shot%.bmp}.png"
  rm "$shot"
done
rm -rf "$out/Save"

if [ -z "$before" ]; then
  ls "$out"
  exit 0
fi

before=$(cd "$before" && pwd)
QUARO=$before/quaro
BUILD=$before
make_game_folder

# The clock of the older game as it shows TEXT ("01:23"), twice its size: its glyphs over its
# board, cut from its own pictures.
clock_picture() { # text png
  local text=$1 i c x
  convert "$before/GFX/Misc/Level_Map.bmp" -crop 75x25+650+493 +repage "$WORK/clock.png"
  for i in 0 1 2 3 4; do
    c=${text:$i:1}
    if [ "$c" = ":" ]; then x=15 row=50; else x=$((15 * c)) row=25; fi
    convert "$before/GFX/Misc/Font.bmp" -crop "15x25+$x+$row" +repage \
      -transparent "rgb(220,188,108)" "$WORK/glyph.png"
    convert "$WORK/clock.png" "$WORK/glyph.png" -geometry "+$((15 * i))+0" -composite \
      "$WORK/clock.png"
  done
  convert "$WORK/clock.png" -scale 200% "$2"
}

# Polls until the older game's clock shows one of the times, drawn beforehand by clock_picture
# (grabbing only the clock, so that no second goes by unseen), then keeps the screen as
# before-NAME.png.
shot_at_clock() { # name text...
  local name=$1 text
  shift
  for _ in $(seq 3000); do
    import -window root -crop "150x50+$((origin_x + 1300))+$((origin_y + 986))" +repage \
      "$WORK/current-clock.png"
    for text in "$@"; do
      if [ "$(pixels_differing "$WORK/current-clock.png" "$WORK/expected-$text.png")" = 0 ]; then
        screenshot current
        cp "$WORK/current.png" "$out/before-$name.png"
        return 0
      fi
    done
    kill -0 "$GAME_PID" 2>/dev/null || fail "the older game ended before its clock showed $*"
  done
  fail "the older game's clock never showed $*"
}

scaled() { # picture
  expect_scaled_screen "$1" 2 "$origin_x" "$origin_y"
}

while read -r what clock; do
  case $what in
    super) super_at=$clock ;;
    cue) cue_at=$clock ;;
    gate) gate_at=$clock ;;
  esac
done < "$out/timeline.txt"
for text in 00:01 00:02 00:03 "$super_at" "$cue_at" "$gate_at"; do
  clock_picture "$text" "$WORK/expected-$text.png"
done

echo "before: the screens"
start_game
wait_for_window
scaled "$before/GFX/Misc/StartScreen_01.bmp"
hold_key space
scaled "$before/GFX/Misc/StartScreen_02.bmp"
cp "$WORK/current.png" "$out/before-howto.png"
hold_key space
scaled "$before/GFX/Misc/StartScreen_03.bmp"
hold_key s
shot_at_clock round 00:01 00:02 00:03
hold_key p
# Inside the older game's box, beside its word: the box's dark brown.
until_pixel() { # x y colour: a pixel of the canvas, polled until it has the colour
  for _ in $(seq 50); do
    screenshot current
    [ "$(convert "$WORK/current.png" -format "%[pixel:p{$((origin_x + 2 * $1)),$((origin_y + 2 * $2))}]" info:)" = "$3" ] && return 0
    sleep 0.2
  done
  fail "the pixel ($1, $2) never became $3"
}
until_pixel 310 250 "srgb(36,24,14)"
cp "$WORK/current.png" "$out/before-pause.png"
hold_key Escape
scaled "$before/GFX/Misc/StartScreen_03.bmp"
hold_key h
# The rows are drawn over the picture: the first row's time, 10:00, begins with a 1.
for _ in $(seq 50); do
  screenshot current
  convert "$WORK/current.png" -crop "60x50+$((origin_x + 1060))+$((origin_y + 206))" +repage \
    "$WORK/row.png"
  convert "$before/GFX/Misc/HighScore.bmp" -crop 30x25+530+103 +repage -scale 200% \
    "$WORK/bare-row.png"
  [ "$(pixels_differing "$WORK/row.png" "$WORK/bare-row.png")" != 0 ] && break
  sleep 0.2
done
cp "$WORK/current.png" "$out/before-table.png"
hold_key q
wait_for_game

echo "before: the demonstration run"
start_game --replay RUN/Demo.run
wait_for_window
shot_at_clock frightened "$super_at"
shot_at_clock super-cue "$cue_at"
shot_at_clock gate-banner "$gate_at"
kill "$GAME_PID" 2>/dev/null || true
wait_for_game

convert -size 1920x1080 xc:black \( "$before/GFX/Misc/GameOver.bmp" -scale 200% \) \
  -geometry "+$origin_x+$origin_y" -composite "$out/before-gameover.png"
ls "$out"
