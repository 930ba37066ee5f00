#!/usr/bin/env bash
# Runs the tests of the 32-bit build (its core, window and program tests under 32-bit Wine).
# Where this machine cannot run 32-bit programs, checks the 32-bit program as a file (format,
# imports, size, version record, icon) and reports the rest as skipped, with the reason.
# Usage: run_32bit_tests.sh BUILD_DIR (the mingw32 preset's)
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine_server.sh"
[[ -f $build/win32/equilateral-triangle-32bit.exe ]] || {
  echo "FAIL: no 32-bit program in $build (cmake --preset mingw32 && cmake --build --preset mingw32)"
  exit 1
}
if runs_32bit_wine; then
  exec ctest --test-dir "$build" --output-on-failure
fi
echo "This machine does not run 32-bit programs: $(/usr/lib/wine/wine --version 2>&1 | tail -n1)"
"$here/program_check.sh" "$build/win32/equilateral-triangle-32bit.exe" "$build/screenshot.xwd" ||
  [[ $? -eq 77 ]] || exit 1
echo "SKIPPED: the 32-bit tests under Wine"
exit 77
