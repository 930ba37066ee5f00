#!/usr/bin/env bash
# Installs what is missing, builds the release preset and starts the calculator.
# "scripts/run.sh web" builds the browser edition instead and serves it on 127.0.0.1
# (port 8000, or $PORT).
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ "${1:-}" == "web" ]]; then
  scripts/install-deps.sh web
  cmake --preset web
  cmake --build --preset web
  port="${PORT:-8000}"
  echo "The browser edition: http://127.0.0.1:$port/ (Ctrl+C stops the server)"
  exec python3 -m http.server "$port" --bind 127.0.0.1 --directory build/web/web/site
fi

scripts/install-deps.sh
cmake --preset release
cmake --build --preset release --target equilateral-triangle

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "The calculator is built (build/release/qt/equilateral-triangle), but there is no" >&2
  echo "graphical display to show its window on: run this from a desktop session." >&2
  exit 1
fi
exec build/release/qt/equilateral-triangle
