#!/usr/bin/env bash
# Regenerates docs/screenshot.png and docs/screenshot-2x.png (QT_SCALE_FACTOR=2): the real
# window on a private Xvfb server, after choosing the area, typing 12 and pressing "Изчисли";
# and docs/screenshot-solution.png: that window beside the solution window F1 then opens.
# Needs a build (default: the debug one), xvfb, xdotool, x11-apps and imagemagick.
# "scripts/screenshot.sh web" regenerates docs/screenshot-web.png and
# docs/screenshot-web-phone.png from the emscripten preset's build, in headless chromium.
set -euo pipefail
cd "$(dirname "$0")/.."
if [[ "${1:-}" == "web" ]]; then
  exec node tests/web/screenshots.mjs "$PWD/build/emscripten/web/site"
fi
program=${1:-build/debug/qt/equilateral-triangle}
source tests/qt/xvfb.sh

start_xvfb
for scale in 1 2; do
  QT_SCALE_FACTOR=$scale start_in_background "$program"
  window=$(wait_for_window)
  click_at "$window" $((24 * scale)) $((116 * scale))    # the area option (" лице")
  click_at "$window" $((190 * scale)) $((116 * scale))   # its field
  xdotool type --delay 50 "12"
  click_at "$window" $((320 * scale)) $((152 * scale))   # Изчисли
  sleep 0.5
  xwd -silent -id "$window" -out "$workdir/window.xwd"
  name=docs/screenshot.png
  [[ $scale -eq 1 ]] || name=docs/screenshot-${scale}x.png
  convert "$workdir/window.xwd" "$name"
  if [[ $scale -eq 1 ]]; then
    xdotool key --window "$window" F1
    # The program's other window (xdotool matches no Cyrillic name under every locale).
    solution=$(timeout 20 xdotool search --sync --onlyvisible --classname equilateral-triangle |
               grep -vx "$window" | head -n1)
    sleep 0.5
    xwd -silent -id "$solution" -out "$workdir/solution.xwd"
    # Side by side, as on a desktop: the screen of Xvfb is too narrow for both.
    convert "$workdir/window.xwd" -size 12x1 xc:white "$workdir/solution.xwd" \
      -background white -gravity north +append docs/screenshot-solution.png
    echo docs/screenshot-solution.png
  fi
  kill "${background_pids[-1]}"
  wait "${background_pids[-1]}" 2>/dev/null || true
  echo "$name"
done
