#!/usr/bin/env bash
# Starts the real program on its own Xvfb server, waits until its window is mapped, checks
# its title and client size, and saves a screenshot of it.
# Usage: window_starts.sh PROGRAM SCREENSHOT.xwd
set -euo pipefail
program=$1
screenshot=$2
expected_title="www.ravnostranen.example Геометрия - равностранен триъгълник"
source "$(dirname "$0")/xvfb.sh"

start_xvfb
start_in_background "$program"
window=$(wait_for_window)

title=$(xdotool getwindowname "$window")
size=$(xwininfo -id "$window" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }')
xwd -silent -id "$window" -out "$screenshot"

status=0
[[ "$title" == "$expected_title" ]] || { echo "FAIL: title is '$title'"; status=1; }
[[ "$size" == "498x364" ]] || { echo "FAIL: client size is $size"; status=1; }
kill -0 "${background_pids[1]}" || { echo "FAIL: the program is no longer running"; status=1; }
[[ $status -eq 0 ]] && echo "window mapped: '$title', $size, screenshot in $screenshot"
exit $status
