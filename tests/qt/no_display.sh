#!/usr/bin/env bash
# Without a graphical display the program says so, in Bulgarian and English, and exits with
# status 1 (not Qt's abort with advice to reinstall): with no display named, and with one
# named that no server answers. Usage: no_display.sh PROGRAM
set -uo pipefail
program=$1
workdir=$(mktemp -d)
trap 'rm -rf "$workdir"' EXIT

status=0
for display in "" ":4242"; do
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ${display:+DISPLAY=$display} \
    ASAN_OPTIONS=detect_leaks=0 "$program" 2>"$workdir/stderr" >/dev/null
  code=$?
  said=$(cat "$workdir/stderr")
  case_name="DISPLAY=${display:-(unset)}"
  if [[ $code -ne 1 ]]; then
    echo "FAIL: $case_name: exit status $code, not 1"; status=1
  fi
  if ! grep -q "needs a graphical display" <<<"$said" ||
     ! grep -q "графичен дисплей" <<<"$said"; then
    echo "FAIL: $case_name: it did not say that it needs a graphical display"; status=1
  fi
  if grep -q -i "reinstall" <<<"$said"; then
    echo "FAIL: $case_name: it still gives Qt's advice to reinstall"; status=1
  fi
  [[ $status -eq 0 ]] || { echo "  it said:"; sed 's/^/    /' <<<"$said"; }
done
[[ $status -eq 0 ]] && echo "without a display it says so and exits with status 1"
exit $status
