#!/usr/bin/env bash
# Builds the Windows icon from the program's icon design: the 32 x 32 bitmap as drawn
# (equilateral-triangle.xpm), once in true colour and once with a palette of 256 colours (as
# designed, and what a display of 256 colours shows), and the other sizes Windows shows (16 to
# 256, crisp at high resolutions) from the same drawing at scale (equilateral-triangle.svg).
# Needs ImageMagick.
# Usage: make_icon.sh ICON.svg ICON.xpm OUT.ico
set -euo pipefail
svg=$1
xpm=$2
out=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

convert=$(command -v convert)
[[ -x /usr/bin/convert ]] && convert=/usr/bin/convert

images=()
for size in 16 24 32 48 64 256; do
  if [[ $size -eq 32 ]]; then
    "$convert" "$xpm" -depth 8 -define png:color-type=6 "$work/32.png"
  else
    # The drawing is 32 units wide: render it at the resolution that makes it $size pixels.
    "$convert" -background none -density $((72 * size / 32)) "$svg" -resize "${size}x${size}" \
      -depth 8 -define png:color-type=6 "$work/$size.png"
  fi
  images+=("$work/$size.png")
done
# An image with a palette is stored as an 8-bit bitmap in the icon.
"$convert" "$xpm" -type Palette -depth 8 "$work/32-256-colours.bmp"
images+=("$work/32-256-colours.bmp")
"$convert" "${images[@]}" "$out"
