#!/usr/bin/env bash
# The real program under Xvfb with the AT-SPI accessibility bus: lists its controls with their
# accessible names, then calculates (area 12) and reads what the result fields announced;
# before and after, and once another measure is chosen, checks the window's role, which
# fields are told editable and the options' descriptions; then calculates from that measure,
# opens the solution window (F1) and reads what a screen reader hears of the solution.
# Needs dbus, at-spi2-core and python3-pyatspi. Usage: accessibility_check.sh PROGRAM
set -euo pipefail
if [[ -z "${DBUS_SESSION_BUS_ADDRESS:-}" || -z "${IN_OWN_SESSION:-}" ]]; then
  exec env IN_OWN_SESSION=1 dbus-run-session -- "$0" "$@"  # a private session bus
fi
program=$1
here=$(dirname "$0")
source "$here/xvfb.sh"

start_xvfb
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
start_in_background "$program"
window=$(wait_for_window)
/usr/bin/python3 "$here/atspi_session.py" list
/usr/bin/python3 "$here/atspi_session.py" states  # nothing chosen: every field read-only

/usr/bin/python3 "$here/atspi_session.py" watch 3 >"$workdir/watch" &
watcher=$!
for _ in $(seq 50); do grep -q ready "$workdir/watch" 2>/dev/null && break; sleep 0.1; done
click_at "$window" 24 116    # the area option
click_at "$window" 190 116   # its field
xdotool type --delay 20 "12"
click_at "$window" 320 152   # Изчисли
wait "$watcher" || { cat "$workdir/watch"; exit 1; }
grep -v ready "$workdir/watch"
/usr/bin/python3 "$here/atspi_session.py" states  # after the calculation: every field locked
click_at "$window" 24 148    # the median option: its field alone takes typing
sleep 0.3
/usr/bin/python3 "$here/atspi_session.py" states медиана
click_at "$window" 320 152   # Изчисли, from the median's 4.5590

xdotool key F1
/usr/bin/python3 "$here/atspi_session.py" solution
