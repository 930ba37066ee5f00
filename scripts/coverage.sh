#!/usr/bin/env bash
# Line and branch coverage of triangle/ and controller/ by their tests (gcovr from Debian).
# Branches that only exist for exceptions the compiler may throw are left out of the count.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v gcovr >/dev/null || { echo "needs gcovr: apt-get install gcovr" >&2; exit 1; }

find build/coverage -name '*.gcda' -delete 2>/dev/null || true
cmake --preset coverage >/dev/null
cmake --build --preset coverage
ctest --preset coverage >/dev/null
gcovr --root . --object-directory build/coverage --filter 'triangle/' --filter 'controller/' \
  --exclude-directories 'build/coverage/CMakeFiles' --exclude-throw-branches --exclude-unreachable-branches --txt "${@}" --print-summary
