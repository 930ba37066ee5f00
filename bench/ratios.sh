#!/usr/bin/env bash
# Runs the benchmarks once (release build) and prints each measured pair as a ratio.
# Usage: bench/ratios.sh [build-dir]   (default: build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/release}"
[[ -d "$build" ]] || cmake --preset release
cmake --build "$build" --target triangle_bench
"$build/bench/triangle_bench" --benchmark_repetitions=10 --benchmark_enable_random_interleaving=true \
  --benchmark_report_aggregates_only=true \
  --benchmark_format=csv 2>/dev/null | awk -F, '
  /_median"?,/ { name = $1; gsub(/"|_median/, "", name); time[name] = $4 }
  END {
    split("BM_FormatResult BM_ToCharsFixed4 1.5 BM_FormatResult BM_ToCharsFixed4String 1.5 " \
          "BM_ParseNumber BM_FromChars 2 " \
          "BM_CalculateThroughController BM_CalculateDirectly 1.5", pair, " ")
    for (i = 1; i <= 12; i += 3) {
      printf "%-30s %8.1f ns  / %-22s %8.1f ns  = %.2fx (target <= %sx)\n",
             pair[i], time[pair[i]], pair[i + 1], time[pair[i + 1]],
             time[pair[i]] / time[pair[i + 1]], pair[i + 2]
    }
  }'
