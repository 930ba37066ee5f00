#!/usr/bin/env bash
# Installs what is missing, then builds with warnings as errors and runs every test, first in
# the debug preset, then under the address and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
presets=("$@")
[[ ${#presets[@]} -eq 0 ]] && presets=(debug sanitize)

for preset in "${presets[@]}"; do
  echo "== $preset"
  cmake --preset "$preset" -DTRIANGLE_WERROR=ON
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
