#!/usr/bin/env bash
# Starts the real program on its own Xvfb server, waits until its window is mapped, checks
# its title and client size, and saves a screenshot of it.
# Usage: window_starts.sh PROGRAM SCREENSHOT.xwd
set -euo pipefail
program=$1
screenshot=$2
expected_title="www.ravnostranen.example Геометрия - равностранен триъгълник"

workdir=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$workdir"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$workdir/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [[ -s "$workdir/display" ]] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$workdir/display")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

"$program" &
pids+=($!)
window=$(timeout 20 xdotool search --sync --onlyvisible --classname equilateral-triangle | head -n1)
[[ -n "$window" ]] || { echo "FAIL: no window was mapped"; exit 1; }

title=$(xdotool getwindowname "$window")
size=$(xwininfo -id "$window" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }')
xwd -silent -id "$window" -out "$screenshot"

status=0
[[ "$title" == "$expected_title" ]] || { echo "FAIL: title is '$title'"; status=1; }
[[ "$size" == "498x364" ]] || { echo "FAIL: client size is $size"; status=1; }
kill -0 "${pids[1]}" || { echo "FAIL: the program is no longer running"; status=1; }
[[ $status -eq 0 ]] && echo "window mapped: '$title', $size, screenshot in $screenshot"
exit $status
