#!/usr/bin/env bash
# Builds morfenaar and its benchmark in Release mode and measures the whole
# program on a generated verb list of 100,000 entries (5 runs; the median is
# printed last). Pass other values as: bench/run.sh [ENTRIES] [RUNS]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${MORFENAAR_BENCH_BUILD:-$here/build-release}"
entries="${1:-100000}"
runs="${2:-5}"

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release -DMORFENAAR_BENCH=ON >/dev/null
cmake --build "$build" -j2 --target morfenaar morfenaar_bench >/dev/null

echo "machine: $(nproc) CPUs, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
"$build/bench/morfenaar_bench" --entries "$entries" --runs "$runs" --verbs "$here/data/verbs.tsv"
