#!/usr/bin/env bash
# Regenerates docs/screenshot.png: the real window on a private Xvfb server, after choosing
# the area, typing 12 and pressing "Изчисли". Needs the debug build, xvfb, xdotool,
# x11-utils, x11-apps and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/debug/ui/equilateral-triangle}
workdir=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$workdir"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$workdir/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [[ -s "$workdir/display" ]] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$workdir/display")"
unset QT_QPA_PLATFORM

"$program" &
pids+=($!)
window=$(timeout 20 xdotool search --sync --onlyvisible --classname equilateral-triangle | head -n1)
xdotool mousemove --window "$window" 24 116 click 1    # the area option (" лице")
xdotool mousemove --window "$window" 190 116 click 1   # its field
xdotool type --delay 50 "12"
xdotool mousemove --window "$window" 320 152 click 1   # "Изчисли"
sleep 0.5
xwd -silent -id "$window" -out "$workdir/window.xwd"
convert "$workdir/window.xwd" docs/screenshot.png
echo "docs/screenshot.png"
