#!/usr/bin/env bash
# Starts the real program on its own Xvfb server, waits until its window is mapped, checks
# its title and client size (498 x 364 times the scale factor), and saves a screenshot of it.
# Usage: window_starts.sh PROGRAM SCREENSHOT.xwd [QT_SCALE_FACTOR]
set -euo pipefail
program=$1
screenshot=$2
scale=${3:-1}
expected_size="$((498 * scale))x$((364 * scale))"
expected_title="www.ravnostranen.example Геометрия - равностранен триъгълник"
source "$(dirname "$0")/xvfb.sh"

start_xvfb
QT_SCALE_FACTOR=$scale start_in_background "$program"
window=$(wait_for_window)

title=$(xdotool getwindowname "$window")
size=$(xwininfo -id "$window" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }')
xwd -silent -id "$window" -out "$screenshot"

status=0
[[ "$title" == "$expected_title" ]] || { echo "FAIL: title is '$title'"; status=1; }
[[ "$size" == "$expected_size" ]] || { echo "FAIL: client size is $size, not $expected_size"; status=1; }
kill -0 "${background_pids[1]}" || { echo "FAIL: the program is no longer running"; status=1; }
[[ $status -eq 0 ]] && echo "window mapped: '$title', $size, screenshot in $screenshot"
exit $status
