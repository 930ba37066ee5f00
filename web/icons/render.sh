#!/usr/bin/env bash
# Renders the program's icon (qt/desktop/equilateral-triangle.svg) to the PNG sizes the web app
# manifest names, with headless Chromium, then to a 64-colour palette with pngquant (Debian's
# chromium and pngquant packages). Run again whenever the icon's drawing changes.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
svg="$here/../../qt/desktop/equilateral-triangle.svg"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
for size in 192 512; do
  cat > "$work/icon.html" <<HTML
<!doctype html><style>html,body{margin:0;background:transparent}</style>
<img src="file://$svg" width="$size" height="$size" style="display:block">
HTML
  chromium --headless --no-sandbox --disable-gpu --no-first-run --hide-scrollbars \
    --default-background-color=00000000 --window-size="$size,$size" \
    --screenshot="$work/icon-$size.png" "file://$work/icon.html" 2>/dev/null
  pngquant --force --strip --speed 1 64 --output "$here/icon-$size.png" "$work/icon-$size.png"
done
