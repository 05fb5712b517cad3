#!/usr/bin/env bash
# The ways a start can go wrong: no data anywhere, a missing picture, no audio device, SDL
# that cannot start, and the command line.
source "$(dirname "$0")/lib.sh"

# --help answers without a display; an unknown argument is only a warning.
"$QUARO" --help > "$WORK/help" || fail "--help did not exit 0"
grep -q -- "--window" "$WORK/help" || fail "--help does not mention --window"
grep -q -- "--scale N" "$WORK/help" || fail "--help does not mention --scale"
grep -q "F11 or Alt+Enter" "$WORK/help" || fail "--help does not mention the switch keys"

# A malformed factor stops the game before SDL starts.
status=0
"$QUARO" --scale 9 > "$WORK/out" 2> "$WORK/err" || status=$?
[ "$status" = 1 ] || fail "status $status for --scale 9"
grep -q "^quaro: --scale takes a whole number from 1 to 6, not '9'" "$WORK/err" ||
  fail "no message for --scale 9"

# --version names the version the build was made from.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD/CMakeCache.txt")
[ "$("$QUARO" --version)" = "quaro $version" ] || fail "--version does not say $version"

# A copy of the game without its data, started elsewhere: one line naming every place looked
# in, in order, and status 1 before SDL starts (which would fail here with status 2).
installed=$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$BUILD/CMakeCache.txt")/share/quaro
if [ -d "$installed/GFX" ]; then
  echo "NOTE: the game is installed in $installed, so the search cannot fail here"
else
  mkdir -p "$WORK/alone/bin" "$WORK/elsewhere"
  cp "$QUARO" "$WORK/alone/bin/quaro"
  status=0
  (cd "$WORK/elsewhere" && QUARO_DATA_DIR=$WORK/nowhere SDL_VIDEODRIVER=nosuchdriver \
    "$WORK/alone/bin/quaro" > "$WORK/out" 2> "$WORK/err") || status=$?
  [ "$status" = 1 ] || fail "status $status without data"
  [ "$(wc -l < "$WORK/err")" = 1 ] || fail "not one message without data"
  grep -qF "looked in: $WORK/nowhere (\$QUARO_DATA_DIR), $WORK/elsewhere (the current folder), \
$WORK/alone/bin (the executable's folder), $WORK/alone/share/quaro (the installed data), \
$installed (the installed data)." "$WORK/err" || fail "the message without data: $(cat "$WORK/err")"
fi

# A QUARO_DATA_DIR without the data is passed over for the data found elsewhere, and said to be,
# once, before anything else.
mkdir -p "$WORK/withdata"
ln -s "$BUILD/GFX" "$WORK/withdata/GFX"
ln -s "$BUILD/SFX" "$WORK/withdata/SFX"
status=0
(cd "$WORK/withdata" && QUARO_DATA_DIR=$WORK/nowhere SDL_VIDEODRIVER=nosuchdriver "$QUARO" \
  > "$WORK/out" 2> "$WORK/err") || status=$?
[ "$status" = 2 ] || fail "status $status with an empty QUARO_DATA_DIR and no SDL"
[ "$(head -1 "$WORK/err")" = "quaro: ignoring QUARO_DATA_DIR ($WORK/nowhere): it holds no GFX/ and SFX/ folders" ] ||
  fail "no note of the ignored QUARO_DATA_DIR: $(cat "$WORK/err")"
[ "$(grep -c QUARO_DATA_DIR "$WORK/err")" = 1 ] || fail "the note is said more than once"

# SDL that cannot start: status 2 and the message on standard error.
status=0
SDL_VIDEODRIVER=nosuchdriver "$QUARO" > "$WORK/out" 2> "$WORK/err" || status=$?
[ "$status" = 2 ] || fail "status $status when SDL cannot start"
grep -q "^Couldn't initialize SDL: " "$WORK/err" || fail "no SDL message on standard error"

# No display and no driver chosen: no text-mode driver, status 2 and the reason, nothing but
# plain lines in the terminal. The same with a display that does not answer.
for display in "" ":97"; do
  status=0
  env -u SDL_VIDEODRIVER DISPLAY="$display" timeout -k 2 10 "$QUARO" < /dev/null \
    > "$WORK/out" 2> "$WORK/err" || status=$?
  [ "$status" = 2 ] || fail "status $status with DISPLAY='$display' and no driver chosen"
  if [ -z "$display" ]; then
    grep -qx "Couldn't initialize SDL: no display (set DISPLAY, or SDL_VIDEODRIVER to choose a driver)" \
      "$WORK/err" || fail "no 'no display' message"
  fi
  ! grep -q $'\e' "$WORK/out" "$WORK/err" || fail "escape codes in the terminal (DISPLAY='$display')"
done

start_x

# A missing picture: the load error, status 1, before any title.
mkdir -p "$WORK/game/GFX"
cp -r "$BUILD/GFX/." "$WORK/game/GFX/"
rm "$WORK/game/GFX/Misc/Gate.bmp"
ln -s "$BUILD/SFX" "$WORK/game/SFX"
start_game --bogus
wait_for_game
[ "$STATUS" = 1 ] || fail "status $STATUS with a missing picture"
grep -q "^Caught exception$" "$WORK/game/stdout" || fail "no 'Caught exception'"
grep -q "^Generic exception of type: FileLoad raised: .*Gate.bmp" "$WORK/game/stdout" ||
  fail "no FileLoad line naming the picture"
grep -q "unknown argument '--bogus'" "$WORK/game/stderr" || fail "no warning for --bogus"

# No audio device: the game says so and runs silently.
rm -rf "$WORK/game"
make_game_folder
AUDIO_FILE=$WORK/no/such/folder/audio.raw start_game --window
wait_for_window
expect_screen "$BUILD/GFX/Misc/StartScreen_01.bmp" "the first title without sound"
grep -q "^Couldn't open audio: " "$WORK/game/stdout" || fail "no audio message on standard output"
grep -q "^Couldn't open audio: " "$WORK/game/stderr" || fail "no audio message on standard error"
hold_key Return
hold_key Return
expect_screen "$BUILD/GFX/Misc/StartScreen_03.bmp" "the menu without sound"
hold_key s
sleep 1
hold_key Escape
expect_screen "$BUILD/GFX/Misc/StartScreen_03.bmp" "the menu after a silent round"
hold_key q
wait_for_game
[ "$STATUS" = 0 ] || fail "status $STATUS after a silent session"
echo "PASS"
