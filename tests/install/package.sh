#!/usr/bin/env bash
# The Debian package as CPack makes it from the build folder: the game in /usr/games, its data
# and documents, Depends computed from the binary (on the SDL the game was built on), and no
# error from lintian (its warnings and notes are printed).
# Usage: package.sh BUILD_DIR SDL_PACKAGE
set -euo pipefail
BUILD=$1
SDL_PACKAGE=$2
WORK=$(mktemp -d /tmp/quaro-package.XXXXXX)
trap 'rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB -B "$WORK" --config "$BUILD/CPackConfig.cmake" > "$WORK/cpack.log" 2>&1 ||
  { cat "$WORK/cpack.log"; fail "cpack failed"; }
deb=$(echo "$WORK"/quaro_*.deb)
[ -f "$deb" ] || fail "no package"

dpkg-deb --contents "$deb" | awk '{print $6}' > "$WORK/contents"
for file in games/quaro share/quaro/GFX/Misc/Level_Map.bmp share/quaro/SFX/Congrat.wav \
  share/quaro/RUN/Demo.run share/man/man6/quaro.6.gz share/doc/quaro/copyright share/doc/quaro/changelog.gz; do
  grep -qx "./usr/$file" "$WORK/contents" || fail "$file is not in the package"
done
[ "$(dpkg-deb --field "$deb" Section)" = games ] || fail "not in the games section"
depends=$(dpkg-deb --field "$deb" Depends)
[[ $depends == *libc6* && $depends == *"$SDL_PACKAGE"* ]] || fail "Depends: $depends"

status=0
lintian --info --display-info "$deb" > "$WORK/lintian" 2>&1 || status=$?
grep -v '^N:' "$WORK/lintian" || true
[ "$status" = 0 ] || fail "lintian reports errors (status $status)"
echo "PASS: $(basename "$deb"), $(stat -c %s "$deb") bytes, Depends: $depends"
