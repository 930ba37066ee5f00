# Sourced by the scripts that run Windows programs on their own display: stop_wine_server
# ends the Wine server of the prefix and the programs it runs, and waits for it.
export TRIANGLE_WINEPREFIX=${TRIANGLE_WINEPREFIX:-$PWD/wineprefix-window}
stop_wine_server() {
  local server=/usr/lib/wine/wineserver64
  [[ -x $server ]] || server=wineserver
  WINEPREFIX=$TRIANGLE_WINEPREFIX "$server" -k 2>/dev/null || true
  WINEPREFIX=$TRIANGLE_WINEPREFIX "$server" -w 2>/dev/null || true
}
# Whether this machine runs 32-bit Windows programs: 32-bit Wine is a 32-bit Linux program, which
# a kernel without 32-bit support (some virtual machines) refuses ("Exec format error").
runs_32bit_wine() {
  [[ -x /usr/lib/wine/wine ]] && /usr/lib/wine/wine --version >/dev/null 2>&1
}
