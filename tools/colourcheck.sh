#!/usr/bin/env bash
# Checks that the characters and their states stay apart for players with red-green colour
# blindness: every character sheet (and the super form's glow) is seen as by deuteranopia and by
# protanopia (Machado, Oliveira and Fernandes's matrices at full severity, in linear RGB), and
# the mean colour of each figure is compared with that of the figure it must not be taken for:
# the colour difference (CIE76, in Lab) must stay at least MIN_DELTA_E (15 by default; above 10
# two colours read as different ones) in every vision. Writes the sheets as each vision sees
# them into BUILD_DIR/preview/colourblind/ to look at, prints every difference, and fails when
# a pair comes too close.
# Usage: tools/colourcheck.sh [BUILD_DIR]   (default: build)
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
gfx=$build/GFX
out=$build/preview/colourblind
min_delta=${MIN_DELTA_E:-15}
[ -f "$gfx/Quaro/Quaro_Walk.bmp" ] || { echo "no pictures in $gfx: build the assets first" >&2; exit 1; }
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
key="rgb(220,188,108)"

# How each vision turns a linear RGB colour, row by row.
declare -A matrix=(
  [normal]="1 0 0 0 1 0 0 0 1"
  [deuteranopia]="0.367322 0.860646 -0.227968 0.280085 0.672501 0.047413 -0.011820 0.042940 0.968881"
  [protanopia]="0.152286 1.052583 -0.204868 0.114503 0.786281 0.099216 -0.003882 -0.048116 1.051998"
)

# The picture as the vision sees it, with the key's pixels transparent; with a ring, that many
# pixels of every figure's edge (its outline and its halo) left out as well, so that what is
# compared is what the figure wears.
seen() { # picture vision png [ring]
  local edge=()
  [ "${4:-0}" -gt 0 ] && edge=(\( +clone -alpha extract -morphology Erode "Square:$4" \)
    -compose CopyOpacity -composite)
  convert "$1" -transparent "$key" "${edge[@]}" -colorspace RGB -color-matrix "${matrix[$2]}" \
    -colorspace sRGB "$3"
}

# "L a b" of the mean colour of the figure's pixels (those not of the key).
mean_lab() { # png
  local covered colour
  covered=$(convert "$1" -alpha extract -format "%[fx:mean]" info:)
  colour=$(convert "$1" -background black -alpha remove -format \
    "%[fx:255*mean.r/$covered],%[fx:255*mean.g/$covered],%[fx:255*mean.b/$covered]" info:)
  convert xc:"srgb($colour)" -colorspace Lab -format "%[fx:100*r] %[fx:255*g-128] %[fx:255*b-128]" info:
}

delta_e() { # "L a b" "L a b"
  awk -v p="$1" -v q="$2" 'BEGIN { split(p, a, " "); split(q, b, " ");
    printf "%.1f", sqrt((a[1]-b[1])^2 + (a[2]-b[2])^2 + (a[3]-b[3])^2) }'
}

# The glow alone, as the mark behind the super hero: its first brick of the marks picture.
convert "$gfx/Misc/Marks.bmp" -crop 40x40+0+0 +repage "$tmp/Glow.bmp"
# The ground the glow and the characters stand on: a brick of plain corridor.
convert "$gfx/Misc/Level_Map.bmp" -crop 40x40+600+160 +repage "$tmp/Ground.bmp"

# The characters are compared inside their outline and halo, the glow as it is.
declare -A ring=([kid]=2 [super]=3 [outlaw]=2 [frightened]=2 [glow]=0 [ground]=0)
declare -A picture=(
  [kid]="$gfx/Quaro/Quaro_Walk.bmp"
  [super]="$gfx/Quaro/Quaro_SuperWalk.bmp"
  [outlaw]="$gfx/Indian/Indian_Walk.bmp"
  [frightened]="$gfx/Indian/Indian_Frightened.bmp"
  [glow]="$tmp/Glow.bmp"
  [ground]="$tmp/Ground.bmp"
)
# Who must not be taken for whom: two characters, or two states of one.
pairs="kid:outlaw kid:super outlaw:frightened super:frightened kid:frightened glow:ground"

status=0
for vision in normal deuteranopia protanopia; do
  declare -A lab=()
  for who in "${!picture[@]}"; do
    seen "${picture[$who]}" "$vision" "$tmp/$who-$vision.png" "${ring[$who]}"
    seen "${picture[$who]}" "$vision" "$tmp/$who-$vision-whole.png"
    lab[$who]=$(mean_lab "$tmp/$who-$vision.png")
  done
  for pair in $pairs; do
    a=${pair%%:*} b=${pair##*:}
    delta=$(delta_e "${lab[$a]}" "${lab[$b]}")
    verdict=ok
    if awk -v d="$delta" -v m="$min_delta" 'BEGIN { exit !(d < m) }'; then
      verdict="TOO CLOSE"
      status=1
    fi
    printf "%-13s %-10s %-10s delta E %6s  %s\n" "$vision" "$a" "$b" "$delta" "$verdict"
  done
  montage -label '%t' "$tmp"/{kid,super,outlaw,frightened}-"$vision"-whole.png -background "#403028" \
    -fill white -geometry +4+4 -tile 1x "$out/sheets-$vision.png"
  unset lab
done
[ "$status" = 0 ] && echo "every pair stays apart in every vision" || echo "some pairs come too close" >&2
exit "$status"
