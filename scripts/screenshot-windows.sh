#!/usr/bin/env bash
# Regenerates docs/screenshot-windows.png: the Windows edition under Wine on a private Xvfb
# server, after choosing the area, typing 12 and pressing "Изчисли". Needs the mingw build
# (cmake --preset mingw && cmake --build --preset mingw), wine, xvfb, xdotool, x11-apps and
# imagemagick.
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
