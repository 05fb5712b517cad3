#!/usr/bin/env bash
# Recorded runs on the real binary: a damaged run given to --replay is refused before any
# window opens; the saved games go out to a file with --export, and a damaged such file is
# refused by --import with nothing changed; a menu left alone plays the demonstration run
# until a key.
source "$(dirname "$0")/lib.sh"

printf 'QRUN' > "$WORK/damaged.run"
status=0
DISPLAY= "$QUARO" --replay "$WORK/damaged.run" > "$WORK/out" 2> "$WORK/err" || status=$?
[ "$status" = 1 ] || fail "status $status for a damaged run"
grep -qx "quaro: $WORK/damaged.run: too short to be a recording (4 bytes)" "$WORK/err" ||
  fail "the message for a damaged run: $(cat "$WORK/err")"
status=0
"$QUARO" --replay > "$WORK/out" 2> "$WORK/err" || status=$?
[ "$status" = 1 ] && grep -q "takes the file of a run" "$WORK/err" || fail "--replay without a file"

make_game_folder
mkdir -p "$WORK/game/Save/Replays"
cp "$BUILD/RUN/Demo.run" "$WORK/game/Save/Replays/demo.run"
(cd "$WORK/game" && DISPLAY= "$QUARO" --export "$WORK/saves.qsav" > /dev/null) ||
  fail "--export failed"
[ "$(head -c 4 "$WORK/saves.qsav")" = QSAV ] || fail "--export wrote no file of saved games"
printf 'QSAV' > "$WORK/damaged.qsav"
status=0
(cd "$WORK/game" && DISPLAY= "$QUARO" --import "$WORK/damaged.qsav" > /dev/null 2> "$WORK/err") ||
  status=$?
[ "$status" = 1 ] && grep -q "damaged.qsav was not imported" "$WORK/err" ||
  fail "status $status for a damaged file of saved games: $(cat "$WORK/err")"
cmp -s "$WORK/game/Save/Replays/demo.run" "$BUILD/RUN/Demo.run" || fail "a refused import changed a run"
rm -r "$WORK/game/Save"

start_x
start_game --window
wait_for_window
expect_screen "$BUILD/GFX/Misc/StartScreen_01.bmp" "the first title"
hold_key space
hold_key space
menu=$BUILD/GFX/Misc/StartScreen_03.bmp
expect_screen "$menu" "the menu"
quiet_since=$(date +%s)
changed=
while (( $(date +%s) - quiet_since <= 35 )); do
  screenshot idle
  [ "$(pixels_differing "$WORK/idle.png" "$menu")" != 0 ] && { changed=yes; break; }
  sleep 1
done
[ -n "$changed" ] || fail "the idle menu did not start the demonstration within 35 seconds"
(( $(date +%s) - quiet_since >= 29 )) || fail "the demonstration started before 30 seconds"
sleep 2
screenshot demo
map=$BUILD/GFX/Misc/Level_Map.bmp
# The left wall's brick (0, 6): the top wall has the viewer's plates.
[ "$(pixels_differing "$WORK/demo.png" "$map" 40x40+0+240)" = 0 ] || fail "no maze in the demonstration"
[ "$(pixels_differing "$WORK/demo.png" "$map" 75x25+650+493)" != 0 ] || fail "no clock runs"

hold_key Escape # Space would pause the viewer
expect_screen "$menu" "the menu after a key"
hold_key q
wait_for_game
[ "$STATUS" = 0 ] || fail "exit status $STATUS"
[ ! -e "$WORK/game/Save/Replays" ] || fail "the demonstration was saved"
echo "PASS"
