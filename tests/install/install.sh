#!/usr/bin/env bash
# `cmake --install` into a staging folder: every file where the desktop and man look for it,
# the data whole, the launcher and the AppStream file valid, the manual page clean.
# Usage: install.sh BUILD_DIR INSTALL_PREFIX APP_ID
set -euo pipefail
BUILD=$1 ID=$3
WORK=$(mktemp -d /tmp/quaro-install.XXXXXX)
trap 'rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR=$WORK/root cmake --install "$BUILD" > /dev/null
P=$WORK/root$2

for file in bin/quaro share/applications/$ID.desktop share/metainfo/$ID.metainfo.xml \
  share/man/man6/quaro.6 share/doc/quaro/copyright share/doc/quaro/changelog.gz \
  share/icons/hicolor/scalable/apps/$ID.svg; do
  [ -f "$P/$file" ] || fail "$file is not installed"
done
[ -x "$P/bin/quaro" ] || fail "bin/quaro cannot be run"
for size in 48 128 256; do
  icon=$P/share/icons/hicolor/${size}x$size/apps/$ID.png
  [ "$(identify -format %wx%h "$icon")" = "${size}x$size" ] || fail "no $size-pixel icon"
done
diff -r "$BUILD/GFX" "$P/share/quaro/GFX" > /dev/null || fail "the pictures differ"
diff -r "$BUILD/SFX" "$P/share/quaro/SFX" > /dev/null || fail "the sounds differ"
cmp -s "$BUILD/RUN/Demo.run" "$P/share/quaro/RUN/Demo.run" || fail "the demonstration run differs"
grep -qx "Icon=$ID" "$P/share/applications/$ID.desktop" || fail "the launcher names another icon"

desktop-file-validate "$P/share/applications/$ID.desktop" || fail "the launcher is not valid"
appstreamcli validate --no-net "$P/share/metainfo/$ID.metainfo.xml" ||
  fail "the AppStream file is not valid"
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$P/share/man/man6/quaro.6" 2>&1 \
  > /dev/null)
[ -z "$warnings" ] || fail "man warns: $warnings"

odd=$(find "$WORK/root" \( -type d ! -perm 755 \) -o \
  \( -type f ! -perm 644 ! -path "$P/bin/quaro" \))
[ -z "$odd" ] || fail "unusual permissions: $odd"
echo "PASS"
