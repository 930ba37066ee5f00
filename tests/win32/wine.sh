#!/usr/bin/env bash
# Runs a Windows program under Wine in a throw-away prefix of its own (made once, in the build
# folder), so the tests touch no user's Wine set-up. Wine's own messages are silenced.
# Usage: wine.sh PROGRAM.exe [ARGUMENTS...]   (TRIANGLE_WINEPREFIX names the prefix)
set -euo pipefail

export WINEPREFIX=${TRIANGLE_WINEPREFIX:-$PWD/wineprefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="  # no offer to install Mono or Gecko
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64
[[ -x $wine ]] || wine=$(command -v wine64 || command -v wine)
[[ -x $wineserver ]] || wineserver=$(command -v wineserver)

# Tests may start at once: one sets up, the others wait for it.
mkdir -p "$WINEPREFIX"
exec 9>"$WINEPREFIX.lock"
flock 9
if [[ ! -f "$WINEPREFIX/.made" ]]; then
  "$wine" wineboot -i </dev/null >/dev/null 2>&1
  # Wine has no Times New Roman: Liberation Serif has the same metrics.
  "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' /t REG_SZ \
    /d 'Liberation Serif' /f </dev/null >/dev/null 2>&1
  "$wineserver" -w
  touch "$WINEPREFIX/.made"
fi
# The server and Wine's own services started here, detached from our output, and kept for a
# while between programs: started by the program, they would hold the caller's pipes open
# (ctest waits on them) and start anew for every test.
if "$wineserver" -p10 </dev/null >/dev/null 2>&1; then
  "$wine" wineboot </dev/null >/dev/null 2>&1
fi
flock -u 9
exec 9>&-

exec "$wine" "$@"
