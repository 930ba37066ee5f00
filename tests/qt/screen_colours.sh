#!/usr/bin/env bash
# The real program on Xvfb after a calculation (area 12): a screenshot of its window is
# checked for the results' text contrast and the buttons' exact colours (screen_colours.py).
# Usage: screen_colours.sh PROGRAM
set -euo pipefail
program=$1
here=$(dirname "$0")
source "$here/xvfb.sh"

start_xvfb
start_in_background "$program"
window=$(wait_for_window)
click_at "$window" 24 116    # the area option; its field takes the focus
xdotool type --delay 20 "12"
click_at "$window" 320 152   # Изчисли
xdotool mousemove --window "$window" 5 5  # away from the buttons
sleep 0.5
xwd -silent -id "$window" -out "$workdir/window.xwd"
/usr/bin/python3 "$here/screen_colours.py" "$workdir/window.xwd"
