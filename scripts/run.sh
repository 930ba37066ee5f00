#!/usr/bin/env bash
# Installs what is missing, builds the release preset and starts the calculator.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset release
cmake --build --preset release --target equilateral-triangle

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "The calculator is built (build/release/qt/equilateral-triangle), but there is no" >&2
  echo "graphical display to show its window on: run this from a desktop session." >&2
  exit 1
fi
exec build/release/qt/equilateral-triangle
