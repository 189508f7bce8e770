#!/usr/bin/env bash
# Builds Release, runs the document benchmarks on a maximal set and measures the peak memory of
# "ventry-db copy" on such a set. Goals: load+save within 3x a plain copy; peak memory within
# twice the set size plus 50 MB. Exits 1 when a goal is missed.
# Environment: VENTRY_BENCH_BUILD (build directory, default build-bench), TMPDIR (where the
# sets are written).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${VENTRY_BENCH_BUILD:-$root/build-bench}

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVENTRY_BENCH=ON >/dev/null
ninja -C "$build" -j2 ventry_bench_document ventry-db >/dev/null

work=$(mktemp -d "${TMPDIR:-/tmp}/ventry-bench-run-XXXXXX")
trap 'rm -rf "$work"' EXIT

"$build/bench/ventry_bench_document" --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true \
    --benchmark_out="$work/bench.csv" --benchmark_out_format=csv

# The median real time in milliseconds of one benchmark, from the CSV report.
median() {
    awk -F, -v name="\"$1/" 'index($1, name) == 1 && $1 ~ /_median"$/ { print $3 }' \
        "$work/bench.csv"
}
copy=$(median BM_PlainCopy)
load=$(median BM_Load)
save=$(median BM_Save)
loadsave=$(median BM_LoadSave)
copyobject=$(median BM_PlainCopyObjectFile)
oneapply=$(median BM_SaveAfterOneApply)

if [ ! -x /usr/bin/time ]; then
    apt-get install -y time >/dev/null
fi
"$build/tools/ventry-db" generate "$work/set" 65536
mkdir "$work/out"
/usr/bin/time -v "$build/tools/ventry-db" copy "$work/set/object.eod" "$work/out/object.eod" \
    2>"$work/time.txt"
rss_kb=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$work/time.txt")
set_bytes=$(stat -c %s "$work"/set/*.e[oslapqm3bc]d | awk '{ s += $1 } END { print s }')

awk -v copy="$copy" -v load="$load" -v save="$save" -v loadsave="$loadsave" \
    -v copyobject="$copyobject" -v oneapply="$oneapply" \
    -v rss_kb="$rss_kb" -v set_bytes="$set_bytes" '
BEGIN {
    mb = 1024 * 1024
    ratio = loadsave / copy
    peak = rss_kb * 1024
    budget = 2 * set_bytes + 50 * mb
    printf "\nmedians of 5 repetitions, maximal set of %.1f MB\n", set_bytes / mb
    printf "  plain copy      %8.1f ms\n", copy
    printf "  load            %8.1f ms  (%.2fx copy)\n", load, load / copy
    printf "  save            %8.1f ms  (%.2fx copy)\n", save, save / copy
    printf "  load+save       %8.1f ms  (%.2fx copy)  goal 3x: %s\n", loadsave, ratio,
           ratio <= 3 ? "met" : "MISSED"
    printf "  object file copy %7.1f ms\n", copyobject
    printf "  save after one Apply to an object %.1f ms  (%.2fx the object file copy; goal 1.2x)\n",
           oneapply, oneapply / copyobject
    printf "peak RSS of ventry-db copy: %.1f MB = %.2fx the set; budget %.1f MB: %s\n",
           peak / mb, peak / set_bytes, budget / mb, peak <= budget ? "met" : "MISSED"
    exit (ratio <= 3 && peak <= budget) ? 0 : 1
}'
