#!/usr/bin/env bash
# The real program on a screen of its own: the calculator moved to (X, Y), a calculation, F1;
# the solution window must lie inside the screen and, where SIDE says there is room, on that
# side of the calculator without covering any of it ("none": no side has room).
# Usage: solution_window_placement.sh PROGRAM WIDTHxHEIGHT SCALE X Y SIDE [SCREENSHOT.xwd]
set -euo pipefail
program=$1
screen=$2
scale=$3
x=$4
y=$5
side=$6
screenshot=${7:-}
source "$(dirname "$0")/xvfb.sh"

XVFB_SCREEN="${screen}x24" start_xvfb
QT_SCALE_FACTOR=$scale start_in_background "$program"
window=$(wait_for_window)
xdotool windowmove --sync "$window" "$x" "$y" 2>/dev/null || xdotool windowmove "$window" "$x" "$y"
sleep 0.5

# The area 12, at the window's design coordinates times the scale factor, then F1.
click_at "$window" $((24 * scale)) $((116 * scale))
xdotool type --delay 20 "12"
click_at "$window" $((320 * scale)) $((152 * scale))
xdotool key F1
solution=$(timeout 20 xdotool search --sync --onlyvisible --name "^Решение и чертеж$" | head -n1) ||
  true
[[ -n "$solution" ]] || { echo "FAIL: F1 mapped no solution window"; exit 1; }
sleep 0.5

# Left, top, right, bottom of a window on the screen.
edges() {
  xwininfo -id "$1" | awk '/Absolute upper-left X:/ { l = $4 } /Absolute upper-left Y:/ { t = $4 }
    /Width:/ { w = $2 } /Height:/ { h = $2 } END { print l, t, l + w, t + h }'
}
read -r cl ct cr cb < <(edges "$window")
read -r sl st sr sb < <(edges "$solution")
read -r width height < <(echo "${screen/x/ }")
echo "screen ${screen} at scale $scale: calculator $cl,$ct-$cr,$cb; solution $sl,$st-$sr,$sb"
[[ -n "$screenshot" ]] && xwd -silent -root -out "$screenshot"

status=0
((sl >= 0 && st >= 0 && sr <= width && sb <= height)) ||
  { echo "FAIL: the solution window leaves the screen"; status=1; }
case $side in
  right) ((sl >= cr)) || { echo "FAIL: not right of the calculator"; status=1; } ;;
  left) ((sr <= cl)) || { echo "FAIL: not left of the calculator"; status=1; } ;;
  below) ((st >= cb)) || { echo "FAIL: not below the calculator"; status=1; } ;;
  none) ;;
  *) echo "FAIL: unknown side $side"; exit 2 ;;
esac
kill -0 "${background_pids[1]}" || { echo "FAIL: the program is no longer running"; status=1; }
exit $status
