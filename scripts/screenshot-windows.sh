#!/usr/bin/env bash
# Regenerates docs/screenshot-windows.png: the Windows edition under Wine on a private Xvfb
# server, after choosing the area, typing 12 and pressing "Изчисли"; and
# docs/screenshot-windows-solution.png: that window beside the solution window F1 then opens. Needs the mingw build
# (the README's steps: the mingw32 preset, then cmake --preset mingw && cmake --build --preset
# mingw), wine, xvfb, xdotool, x11-apps and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/mingw/win32/equilateral-triangle.exe}
export TRIANGLE_WINEPREFIX=$PWD/build/mingw/wineprefix-window
source tests/qt/xvfb.sh
source tests/win32/wine_server.sh
trap 'stop_wine_server; cleanup_xvfb_session' EXIT

start_xvfb
start_in_background env LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 tests/win32/wine.sh "$program"
window=$(timeout 120 xdotool search --sync --onlyvisible --name '^www.ravnostranen' | head -n1)
sleep 1
click_at "$window" 24 116    # the area option (" лице")
click_at "$window" 190 116   # its field
xdotool type --delay 50 "12"
click_at "$window" 320 152   # Изчисли
sleep 1
xwd -silent -id "$window" -out "$workdir/window.xwd"
convert "$workdir/window.xwd" docs/screenshot-windows.png
echo docs/screenshot-windows.png

xdotool key F1
# The window that shows up beside the calculator (xdotool matches no Cyrillic name under
# every locale).
solution=
for _ in $(seq 120); do
  solution=$(xdotool search --onlyvisible --name '.' 2>/dev/null | grep -vx "$window" | head -n1) || true
  [[ -n "$solution" ]] && break
  sleep 0.5
done
[[ -n "$solution" ]] || { echo "FAIL: F1 opened no window" >&2; exit 1; }
sleep 1
xwd -silent -id "$solution" -out "$workdir/solution.xwd"
# Side by side, as on a desktop: the screen of Xvfb is too narrow for both.
convert "$workdir/window.xwd" -size 12x1 xc:white "$workdir/solution.xwd" \
  -background white -gravity north +append docs/screenshot-windows-solution.png
echo docs/screenshot-windows-solution.png
