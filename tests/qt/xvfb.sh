# Sourced by the scripts that drive the real program on a private Xvfb server.
# Provides: start_xvfb (exports DISPLAY; XVFB_SCREEN sets the screen, 1024x768x24 unless set),
# start_in_background CMD..., wait_for_window,
# and removes the servers, programs and scratch folder ($workdir) on exit (KEEP_WORKDIR=1
# keeps the folder, with its traces and screenshots, for a look after a failure).

workdir=$(mktemp -d)
background_pids=()
cleanup_xvfb_session() {
  for pid in "${background_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  [[ -n "${KEEP_WORKDIR:-}" ]] || rm -rf "$workdir"
}
trap cleanup_xvfb_session EXIT

start_in_background() {
  "$@" &
  background_pids+=($!)
}

# A display number of our own: other sessions' servers may hold low numbers in the shared
# socket namespace without a lock file here, which -displayfd alone does not step over.
start_xvfb() {
  local number pid
  for _ in 1 2 3 4 5 6 7 8 9 10; do
    number=$((100 + RANDOM % 800))
    : >"$workdir/display"
    Xvfb ":$number" -displayfd 3 -screen 0 "${XVFB_SCREEN:-1024x768x24}" -nolisten tcp \
      3>"$workdir/display" 2>/dev/null &
    pid=$!
    for _ in $(seq 100); do
      [[ -s "$workdir/display" ]] || ! kill -0 "$pid" 2>/dev/null && break
      sleep 0.1
    done
    if [[ -s "$workdir/display" ]]; then
      background_pids+=("$pid")
      export DISPLAY=":$number"
      unset QT_QPA_PLATFORM WAYLAND_DISPLAY
      return 0
    fi
    kill "$pid" 2>/dev/null || true
  done
  echo "FAIL: Xvfb did not start" >&2
  exit 1
}

# Prints the calculator's window once it is mapped; fails after 20 seconds.
wait_for_window() {
  local window
  window=$(timeout 20 xdotool search --sync --onlyvisible --classname equilateral-triangle |
           head -n1) || true
  [[ -n "$window" ]] || { echo "FAIL: no window was mapped" >&2; exit 1; }
  echo "$window"
}

# Clicks at (x, y) of the window's client area, in pixels.
click_at() {
  xdotool mousemove --window "$1" "$2" "$3" click 1
}

# The road of one calculation in the window at its design size: choose the area, type 12,
# press Изчисли, and move the pointer off the buttons so that none is drawn hovered.
calculate_the_area_of_12() {
  click_at "$1" 24 116    # the area option; its field takes the focus
  xdotool type --delay 20 "12"
  click_at "$1" 320 152   # Изчисли
  xdotool mousemove --window "$1" 5 5
  sleep 0.5
}
