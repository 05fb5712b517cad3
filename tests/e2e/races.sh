#!/usr/bin/env bash
# Runs raced and watched on the real binary, in a window at twice the picture's size: --verify
# with no display at all; the table marks the row whose run is kept; g and its digit race the
# run's ghost, which moves while the player stands still; the row's run plays in the viewer,
# which pauses, steps and speeds up. With PREVIEW_DIR set, the screenshots are kept there.
source "$(dirname "$0")/lib.sh"

status=0
env -u DISPLAY -u SDL_VIDEODRIVER "$QUARO" --verify "$BUILD/RUN/Demo.run" > "$WORK/verify" ||
  status=$?
[ "$status" = 0 ] || fail "status $status verifying the demonstration: $(cat "$WORK/verify")"
grep -Eq "^$BUILD/RUN/Demo.run: .* claims ([0-9:]+), played \1 in [0-9]+ frames, won: matches$" \
  "$WORK/verify" || fail "the line of --verify: $(cat "$WORK/verify")"

make_game_folder
# A table whose first row is the demonstration's: "quaro" at its time, its run beside it. A
# row is ten name words (each byte plus 0x1f5b), a reserved word, the minutes, the seconds.
read -r minutes seconds < <(sed -E 's/.* claims ([0-9]+):([0-9]+),.*/\1 \2/' "$WORK/verify")
python3 - "$WORK/game/Save/Highscore.hs" "$((10#$minutes))" "$((10#$seconds))" <<'PY'
import os, struct, sys
path, minutes, seconds = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
def row(name, m, s):
    name = name.encode().ljust(10, b"\0")
    return struct.pack("<13H", *[b + 0x1F5B for b in name], 0, m, s)
os.makedirs(os.path.dirname(path), exist_ok=True)
with open(path, "wb") as table:
    table.write(row("quaro", minutes, seconds) + b"".join(row("qwopp", 10, 0) for _ in range(9)))
PY
mkdir -p "$WORK/game/Save/Replays"
cp "$BUILD/RUN/Demo.run" "$WORK/game/Save/Replays/quaro.run"

start_x 1520x1040x24
start_game --window --scale 2
wait_for_window
hold_key space
hold_key space
sleep 0.5
screenshot menu
hold_key h
table=$BUILD/GFX/Misc/HighScore.bmp
convert "$table" -scale 200% "$WORK/table2.png"
for _ in $(seq 50); do
  screenshot shown
  [ "$(pixels_differing "$WORK/shown.png" "$WORK/table2.png" 800x60+0+0)" = 0 ] && break
  sleep 0.2
done
# The mark column at x 304, rows 23 pixels apart from y 103: row 1 has a run, row 2 none.
[ "$(pixels_differing "$WORK/shown.png" "$WORK/table2.png" 40x40+608+208)" != 0 ] ||
  fail "no mark on the row with a run"
[ "$(pixels_differing "$WORK/shown.png" "$WORK/table2.png" 40x40+608+254)" = 0 ] ||
  fail "a mark on a row without a run"
cp "$WORK/shown.png" "$WORK/table-marks.png"

# Race the first row: the player touches nothing while the ghost walks its first corridors,
# around the house, before any outlaw comes near.
convert "$BUILD/GFX/Misc/Level_Map.bmp" -scale 200% "$WORK/map2.png"
xdotool key g
xdotool key 1
early_path=400x320+800+240 # (400, 120) to (600, 280) on the canvas
for _ in $(seq 50); do
  screenshot race0
  [ "$(pixels_differing "$WORK/race0.png" "$WORK/map2.png" 80x80+0+0)" = 0 ] && break
  sleep 0.1
done
moved=
for _ in $(seq 50); do
  screenshot race1
  [ "$(pixels_differing "$WORK/race0.png" "$WORK/race1.png" "$early_path")" != 0 ] && {
    moved=yes
    break
  }
  sleep 0.1
done
[ -n "$moved" ] || fail "the ghost did not move"
cp "$WORK/race1.png" "$WORK/ghost-race.png"
hold_key Escape
sleep 1
screenshot splits
[ "$(pixels_differing "$WORK/splits.png" "$WORK/map2.png" 400x60+500+140)" != 0 ] ||
  fail "no table of splits after the race"
hold_key space # leaves the splits for the menu
hold_key h
sleep 1

# Watch the first row's run: pause, step, speed up.
hold_key 1
sleep 2
hold_key space
sleep 0.5
screenshot paused0
sleep 1
screenshot paused1
[ "$(pixels_differing "$WORK/paused0.png" "$WORK/paused1.png" 1520x960+0+80)" = 0 ] ||
  fail "the paused run moved"
hold_key Right
hold_key Right
screenshot stepped
[ "$(pixels_differing "$WORK/paused1.png" "$WORK/stepped.png" 1520x960+0+80)" != 0 ] ||
  fail "stepping showed no change"
hold_key Left
hold_key plus
hold_key plus
hold_key space
sleep 0.5
screenshot fast
# The left wall's brick (0, 6) is the maze's while a run plays, whose plates are in the top wall.
[ "$(pixels_differing "$WORK/fast.png" "$WORK/map2.png" 80x80+0+480)" = 0 ] ||
  fail "+ (Shift and =) stopped the run"
[ "$(pixels_differing "$WORK/stepped.png" "$WORK/fast.png" 200x60+1200+0)" != 0 ] ||
  fail "the speed is not shown"
hold_key q
sleep 1
hold_key q
wait_for_game
[ "$STATUS" = 0 ] || fail "exit status $STATUS"

if [ -n "${PREVIEW_DIR:-}" ]; then
  mkdir -p "$PREVIEW_DIR"
  cp "$WORK/menu.png" "$WORK/table-marks.png" "$WORK/ghost-race.png" "$WORK/splits.png" \
    "$PREVIEW_DIR/"
  cp "$WORK/paused1.png" "$PREVIEW_DIR/viewer-paused.png"
  cp "$WORK/fast.png" "$PREVIEW_DIR/viewer-x4.png"
fi
