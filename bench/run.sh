#!/usr/bin/env bash
# Builds morfenaar, its I/O floor and the benchmark in Release mode (into
# build-bench, or $MORFENAAR_BENCH_BUILD) and measures the program in two ways:
#
#  1. Time and memory, beside the floor (bench/floor.c), on a generated verb
#     list of ENTRIES entries (default 100,000): PAIRS pairs of runs
#     (default 5), program and floor taking turns. Printed: every run, the
#     medians of wall, user and system time, entries per second, peak RSS,
#     the ratio of the two wall-clock medians ("ratio:"), and the peak RSS at
#     1,000 entries beside that at ENTRIES ("memory:").
#  2. Instructions per entry, with callgrind, on data/verbs.tsv repeated to
#     10,000 lines: the instructions of the whole run, less those of a run on
#     an empty input (start-up and exit), divided by 10,000. The count of the
#     whole run divided by 10,000 is printed beside it, and the floor's count
#     on the same list for comparison. Skipped when valgrind is missing.
#
# Usage: bench/run.sh [ENTRIES] [PAIRS] [more options of morfenaar_bench]
# With --binary FILE among the options, both parts measure that binary.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${MORFENAAR_BENCH_BUILD:-$here/build-bench}"
entries="${1:-100000}"
pairs="${2:-5}"
shift $(($# < 2 ? $# : 2))

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release -DMORFENAAR_BENCH=ON \
  -DMORFENAAR_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target morfenaar morfenaar_floor morfenaar_bench >/dev/null

binary="$build/src/morfenaar"
floor="$build/bench/morfenaar_floor"
args=("$@")
for ((i = 0; i + 1 < ${#args[@]}; i++)); do
  if [ "${args[i]}" = --binary ]; then binary="$(realpath "${args[i + 1]}")"; fi
done

echo "machine: $(nproc) CPUs, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), load $(cut -d' ' -f1-3 /proc/loadavg)"
"$build/bench/morfenaar_bench" --entries "$entries" --pairs "$pairs" \
  --verbs "$here/data/verbs.tsv" "$@"

if ! command -v valgrind >/dev/null; then
  echo "instructions: skipped (valgrind is not installed)"
  exit 0
fi

lines=10000
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# The sample's lines in order, again and again, up to $lines lines.
awk -v n="$lines" '{ line[NR] = $0 } END { for (i = 0; i < n; i++) print line[i % NR + 1] }' \
  "$here/data/verbs.tsv" >"$work/verbs.tsv"
: >"$work/empty.tsv"

# Instructions of one run of "$@" in $work with standard input from $1,
# standard output to $2; fails when the run fails or writes to stderr.
instructions() {
  local input="$1" output="$2"
  shift 2
  rm -f "$work/morfenaar.log" "$work/callgrind.out"
  if ! (cd "$work" && valgrind --tool=callgrind --callgrind-out-file="$work/callgrind.out" \
    --log-file="$work/valgrind.log" "$@" <"$input" >"$output" 2>"$work/err"); then
    echo "run.sh: $* failed under callgrind" >&2
    cat "$work/err" "$work/valgrind.log" >&2
    exit 1
  fi
  if [ -s "$work/err" ]; then
    echo "run.sh: $* wrote to standard error:" >&2
    head -5 "$work/err" >&2
    exit 1
  fi
  awk '$1 == "summary:" { print $2 }' "$work/callgrind.out"
}

whole=$(instructions "$work/verbs.tsv" "$work/out" "$binary")
outBytes=$(wc -c <"$work/out")
logBytes=$(wc -c <"$work/morfenaar.log")
logLines=$(wc -l <"$work/morfenaar.log")
empty=$(instructions "$work/empty.tsv" /dev/null "$binary")
# The floor with the program's averages per entry on this list.
floorArgs=($(((outBytes + lines / 2) / lines)) $(((logLines + lines / 2) / lines))
  $(((logBytes + logLines / 2) / logLines)))
floorWhole=$(instructions "$work/verbs.tsv" /dev/null "$floor" "${floorArgs[@]}")
floorEmpty=$(instructions "$work/empty.tsv" /dev/null "$floor" "${floorArgs[@]}")

echo "instructions (callgrind; data/verbs.tsv repeated to $lines lines, $outBytes bytes out, $logLines log lines):"
echo "  program: $whole in all, $empty on an empty input"
echo "  program: $(((whole - empty + lines / 2) / lines)) per entry without start-up ($(((whole + lines / 2) / lines)) with it)"
echo "  floor:   $(((floorWhole - floorEmpty + lines / 2) / lines)) per entry without start-up ($(((floorWhole + lines / 2) / lines)) with it)"
