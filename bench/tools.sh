#!/usr/bin/env bash
# Builds Release and runs ventry-db's commands on a maximal set beside "ventry-db copy" of the
# same set, medians of 5 repetitions, and prints each as a ratio to copy with its goal: copy
# within 1.5x of cp -r followed by a sync of the copied files (as durable as copy), check and
# diff within 1.5x copy, dump --json within 4x, export and import within 3x, run (a script that
# changes one field of every object, then saves) within 3x, building the reference index within
# 1x, merging two sets with 1 % of their records changed within 3x; find, of a text and of a
# number, within 1.5x check. Exits 1 when a goal is missed.
# Environment: VENTRY_BENCH_BUILD (build directory, default build-bench), TMPDIR (where the
# sets are written).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${VENTRY_BENCH_BUILD:-$root/build-bench}

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVENTRY_BENCH=ON >/dev/null
ninja -C "$build" -j2 ventry_bench_tools ventry-db >/dev/null

work=$(mktemp -d "${TMPDIR:-/tmp}/ventry-bench-tools-run-XXXXXX")
trap 'rm -rf "$work"' EXIT

# Repetitions in random order, so that a busy moment of the machine does not fall on one
# command alone.
"$build/bench/ventry_bench_tools" --benchmark_repetitions=5 \
    --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true \
    --benchmark_out="$work/bench.csv" --benchmark_out_format=csv >&2

awk -F, '
$1 ~ /_median"$/ {
    name = $1
    gsub(/"/, "", name)
    gsub(/^BM_|\/iterations:1|\/real_time|_median$/, "", name)
    ms[name] = $3
}
END {
    split("Check 1.5 Copy check|DumpJson 4 Copy dump --json|Diff 1.5 Copy diff|" \
          "Export 3 Copy export|Import 3 Copy import|Run 3 Copy run|" \
          "ReferenceIndex 1 Copy reference index|Merge 3 Copy merge|" \
          "FindText 1.5 Check find frigate|FindNumber 1.5 Check find 1500", rows, "|")
    printf "\nmedians of 5 repetitions, maximal set (65536 records per database)\n"
    printf "  %-18s %9s %8s %6s %s\n", "command", "ms", "ratio", "goal", ""
    durable = ms["Copy"] / ms["DurableCp"]
    missed = durable > 1.5
    printf "  %-18s %9.0f %8s %6s\n", "cp -r + sync", ms["DurableCp"], "", ""
    printf "  %-18s %9.0f %8s %6s  %.2fx cp -r + sync, goal 1.5x: %s\n", "copy", ms["Copy"],
           "1.00", "", durable, missed ? "MISSED" : "met"
    for (i = 1; i <= 10; i++) {
        split(rows[i], f, " ")
        label = substr(rows[i], length(f[1]) + length(f[2]) + length(f[3]) + 4)
        ratio = ms[f[1]] / ms[f[3]]
        met = ratio <= f[2]
        missed += !met
        printf "  %-18s %9.0f %8.2f %5sx %s %s\n", label, ms[f[1]], ratio, f[2], tolower(f[3]),
               met ? "met" : "MISSED"
    }
    exit missed > 0
}' "$work/bench.csv"
