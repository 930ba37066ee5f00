#!/usr/bin/env bash
# Builds the fuzz targets (clang, address and undefined-behaviour sanitizers) and runs each
# for a bounded time, starting from the seed corpus in fuzz/corpus/.
# Usage: fuzz/run.sh [seconds per target, default 60]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

cmake --preset fuzz -DTRIANGLE_WERROR="${TRIANGLE_WERROR:-OFF}" >/dev/null
cmake --build --preset fuzz

workdir=$(mktemp -d)
trap 'rm -rf "$workdir"' EXIT
for target in parse_number format_result controller exact_measures; do
  mkdir -p "$workdir/$target"
  # New inputs go to the scratch folder; the seeds in the repository stay as they are.
  build/fuzz/fuzz/${target}_fuzz -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
    -artifact_prefix="$workdir/" "$workdir/$target" "fuzz/corpus/$target" \
    >"$workdir/$target.log" 2>&1 || {
    tail -n 40 "$workdir/$target.log"
    mkdir -p build/fuzz/findings && cp "$workdir"/crash-* "$workdir"/leak-* build/fuzz/findings/ 2>/dev/null || true
    echo "FAIL: $target found a fault; inputs kept in build/fuzz/findings/"
    exit 1
  }
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$workdir/$target.log" | grep -o '[0-9]*$')
  echo "$target: $runs executions in ${seconds}s, no finding"
done
