#!/usr/bin/env bash
# Installs what is missing, then builds with warnings as errors and runs every test, first in
# the debug preset, then the core and behaviour tests with Clang and libc++, then everything
# under the address and undefined-behaviour sanitizers, then the Windows edition (its 32-bit
# program first, in the mingw32 preset) and the core and behaviour tests cross-built with
# mingw-w64 and run under Wine, then as WebAssembly under Node, and ends with a short run of
# each fuzz target. Presets can be named: scripts/test.sh debug
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
export TRIANGLE_WERROR=ON
presets=("$@")
[[ ${#presets[@]} -eq 0 ]] && presets=(debug clang-libcxx sanitize mingw emscripten fuzz)

for preset in "${presets[@]}"; do
  echo "== $preset"
  if [[ "$preset" == fuzz ]]; then
    fuzz/run.sh 5  # a smoke run; fuzz/run.sh alone fuzzes for a minute a target
    continue
  fi
  # The mingw preset's packages hold the 32-bit program, built first by its own preset, whose
  # tests run with the mingw preset's (win32_32bit_tests).
  if [[ "$preset" == mingw || "$preset" == mingw32 ]]; then
    cmake --preset mingw32 -DTRIANGLE_WERROR=ON
    cmake --build --preset mingw32
    if [[ "$preset" == mingw32 ]]; then continue; fi
  fi
  cmake --preset "$preset" -DTRIANGLE_WERROR=ON
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
