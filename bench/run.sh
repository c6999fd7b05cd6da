#!/usr/bin/env bash
# Builds morfenaar, its I/O floor and the benchmark in Release mode (into
# build-bench) and measures the program beside the floor on a generated
# verb list of 100,000 entries: 5 pairs of runs, program and floor taking
# turns, then both medians, their ratio, entries per second and peak RSS.
# Pass other values as: bench/run.sh [ENTRIES] [PAIRS] [more benchmark options]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${MORFENAAR_BENCH_BUILD:-$here/build-bench}"
entries="${1:-100000}"
pairs="${2:-5}"
shift $(($# < 2 ? $# : 2))

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release -DMORFENAAR_BENCH=ON \
  -DMORFENAAR_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target morfenaar morfenaar_floor morfenaar_bench >/dev/null

echo "machine: $(nproc) CPUs, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), load $(cut -d' ' -f1-3 /proc/loadavg)"
"$build/bench/morfenaar_bench" --entries "$entries" --pairs "$pairs" \
  --verbs "$here/data/verbs.tsv" "$@"
