#!/usr/bin/env bash
# Writes previews of the generated pictures into BUILD_DIR/preview: a contact sheet of the
# screens and the maze, one of every keyed picture, and strips of every animation shown over
# the maze's own ground, enlarged, the way the game shows them.
# Usage: scripts/preview-assets.sh [BUILD_DIR]   (default: build)
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
gfx=$build/GFX
out=$build/preview
[ -f "$gfx/Misc/Level_Map.bmp" ] || { echo "no pictures in $gfx: build the assets first" >&2; exit 1; }
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
key="rgb(220,188,108)"
maze=$gfx/Misc/Level_Map.bmp

# A tile of plain corridor ground (brick 15, 4), repeated under the figures.
convert "$maze" -crop 40x40+600+160 +repage "$tmp/ground.png"

screens=(Level_Map StartScreen_01 StartScreen_02 StartScreen_03 GameOver Congrat1 Congrat2
  HighScore Credits)
shots=()
for s in "${screens[@]}"; do
  convert "$gfx/Misc/$s.bmp" "$tmp/$s.png"
  shots+=("$tmp/$s.png")
done
montage -label '%t' "${shots[@]}" -geometry 380x260+6+6 -tile 3x -pointsize 14 \
  "$out/contact-screens.png"

# Every keyed picture laid on the ground, twice its size.
keyed=()
for f in Misc/Products Misc/Mugs Misc/Arrow Misc/Gate Misc/Font Misc/Marks Misc/Banners \
  Quaro/Quaro_Walk Quaro/Quaro_Drinking Quaro/Quaro_KnockOut Quaro/Quaro_SuperWalk \
  Quaro/Quaro_SuperDrinking Indian/Indian_Walk Indian/Indian_KnockOut Indian/Indian_Frightened; do
  name=$(basename "$f")
  size=$(identify -format "%wx%h" "$gfx/$f.bmp")
  convert -size "$size" tile:"$tmp/ground.png" \( "$gfx/$f.bmp" -transparent "$key" \) \
    -composite -filter point -resize 200% "$tmp/$name.png"
  keyed+=("$tmp/$name.png")
done
montage -label '%t' "${keyed[@]}" -geometry +8+8 -tile 1x -pointsize 16 \
  -background "#403028" -fill white "$out/contact-keyed.png"

# Animation strips: each sheet row over the ground, three times its size.
for f in Quaro/Quaro_Walk Quaro/Quaro_Drinking Quaro/Quaro_KnockOut Quaro/Quaro_SuperWalk \
  Quaro/Quaro_SuperDrinking Indian/Indian_Walk Indian/Indian_KnockOut Indian/Indian_Frightened \
  Misc/Mugs Misc/Arrow; do
  name=$(basename "$f")
  size=$(identify -format "%wx%h" "$gfx/$f.bmp")
  convert -size "$size" tile:"$tmp/ground.png" \( "$gfx/$f.bmp" -transparent "$key" \) \
    -composite -filter point -resize 300% "$out/strip-$name.png"
done

# The gate opening, frame by frame, painted into the maze as the game does.
convert "$gfx/Misc/Gate.bmp" -transparent "$key" "$tmp/gate.png"
frames=()
for f in 0 1 2 3 4 5 6 7 8 9; do
  convert "$maze" -crop 160x120+300+100 +repage \
    \( "$tmp/gate.png" -crop 120x80+$((f * 120))+0 +repage \) -geometry +20+20 -composite \
    "$tmp/gate$f.png"
  frames+=("$tmp/gate$f.png")
done
montage "${frames[@]}" -tile 10x1 -geometry +2+2 -filter point -resize 200% \
  "$out/strip-Gate.png"

echo "previews written to $out"
