#!/usr/bin/env bash
# Runs a Windows program under Wine on a private Xvfb server, then stops that prefix's Wine
# server, which stays bound to the display it started with.
# Usage: on_xvfb.sh PROGRAM.exe [ARGUMENTS...]   (TRIANGLE_WINEPREFIX names the prefix)
set -euo pipefail
here=$(dirname "$0")
source "$here/../qt/xvfb.sh"
source "$here/wine_server.sh"

start_xvfb
status=0
"$here/wine.sh" "$@" || status=$?
stop_wine_server
exit $status
