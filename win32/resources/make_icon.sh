#!/usr/bin/env bash
# Builds the Windows icon from the program's icon design: the 32 x 32 bitmap as drawn
# (equilateral-triangle.xpm) and the other sizes Windows shows (16 to 256) from the same
# drawing at scale (equilateral-triangle.svg). Needs ImageMagick.
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
"$convert" "${images[@]}" "$out"
