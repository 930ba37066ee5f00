#!/usr/bin/env bash
# Regenerates docs/screenshot.png: the real window on a private Xvfb server, after choosing
# the area, typing 12 and pressing "Изчисли". Needs a build (default: the debug one), xvfb,
# xdotool, x11-apps and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/debug/ui/equilateral-triangle}
source tests/ui/xvfb.sh

start_xvfb
start_in_background "$program"
window=$(wait_for_window)
click_at "$window" 24 116    # the area option (" лице")
click_at "$window" 190 116   # its field
xdotool type --delay 50 "12"
click_at "$window" 320 152   # Изчисли
sleep 0.5
xwd -silent -id "$window" -out "$workdir/window.xwd"
convert "$workdir/window.xwd" docs/screenshot.png
echo "docs/screenshot.png"
