#!/usr/bin/env bash
# Runs a command as a client of a private Xvfb server, on Qt's xcb platform.
# Usage: run_under_xvfb.sh COMMAND [ARGUMENTS...]
set -euo pipefail
source "$(dirname "$0")/xvfb.sh"
start_xvfb
QT_QPA_PLATFORM=xcb "$@"
