#!/usr/bin/env bash
# The installed game as a player starts it: from an unrelated folder, with a home and a data
# folder of its own. It finds its installed data, keeps the table in the player's data folder,
# and writes nothing under its install prefix.
# Usage: installedGame.sh QUARO_BINARY BUILD_DIR INSTALL_PREFIX
source "$(dirname "$0")/lib.sh"
DESTDIR=$WORK/root cmake --install "$BUILD" > /dev/null
QUARO=$WORK/root$3/bin/quaro
snapshot() { (cd "$WORK/root" && find . -printf '%p %s %m %T@\n' | sort); }
snapshot > "$WORK/installed"

mkdir -p "$WORK/game" "$WORK/home"
export HOME=$WORK/home XDG_DATA_HOME=$WORK/xdg
unset QUARO_DATA_DIR
start_x
start_game --window
wait_for_window
expect_screen "$BUILD/GFX/Misc/StartScreen_01.bmp" "the first title"
hold_key Return
hold_key Return
expect_screen "$BUILD/GFX/Misc/StartScreen_03.bmp" "the menu"

hold_key h
table=$XDG_DATA_HOME/quaro/Save/Highscore.hs
for _ in $(seq 50); do
  [ -f "$table" ] && break
  sleep 0.1
done
[ "$(stat -c %s "$table" 2>/dev/null)" = 260 ] || fail "no 260-byte table in $table"
for folder in "$XDG_DATA_HOME" "$XDG_DATA_HOME/quaro" "$XDG_DATA_HOME/quaro/Save"; do
  [ "$(stat -c %a "$folder")" = 700 ] || fail "$folder is open to others"
done
hold_key q
wait_for_game
((STATUS < 128)) || fail "the game died of signal $((STATUS - 128))"

snapshot | diff "$WORK/installed" - || fail "the game wrote under its install prefix"
[ ! -e "$WORK/game/Save" ] || fail "the game wrote a table in the current folder"
[ -z "$(ls -A "$WORK/home")" ] || fail "the game wrote into the home folder"
echo "PASS"
