#!/usr/bin/env bash
# Builds the browser edition and measures its budgets (see budgets.mjs); not part of the tests.
#   bench/web/run.sh [LOADS]
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/install-deps.sh test
(cd bench/web && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error)
cmake --preset web >/dev/null
cmake --build --preset web
node bench/web/budgets.mjs build/web/web/site "${1:-41}"
