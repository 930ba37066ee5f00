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
calculate_the_area_of_12 "$window"
xwd -silent -id "$window" -out "$workdir/window.xwd"
/usr/bin/python3 "$here/screen_colours.py" "$workdir/window.xwd"
