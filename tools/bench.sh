#!/usr/bin/env bash
# Builds the benchmarks in release mode and runs them; each program ends with the ratios of its
# measurements against baselines taken in the same run. Extra arguments go to every program, for
# example --benchmark_filter=TextBetween or --benchmark_repetitions=5.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup-debian.sh
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVANE_BUILD_TESTS=OFF \
  -DQUORVANE_BUILD_BENCHMARKS=ON
cmake --build build/bench

status=0
for program in build/bench/bench/*_bench; do
  echo "== $program"
  "$program" --benchmark_color=false "$@" || status=1
done
exit $status
