#!/usr/bin/env bash
# Builds Release and prints one table of the program's speed and memory figures on a maximal
# set (65,536 records in every database), each beside cp -r of the same files measured in the
# same run; times are medians of 5 runs or more. Exits 1 when a goal is missed.
# The programs with windows run under xvfb-run when it is installed (as a user sees them),
# otherwise on Qt's offscreen platform; the idle figure needs xvfb-run.
# Environment: VENTRY_BENCH_BUILD (build directory, default build-bench), TMPDIR (where the
# sets are written).
set -euo pipefail
export LC_ALL=C

root=$(cd "$(dirname "$0")/.." && pwd)
build=${VENTRY_BENCH_BUILD:-$root/build-bench}
runs=5

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVENTRY_BENCH=ON >/dev/null
ninja -C "$build" -j2 ventry ventry-db ventry_bench_document ventry_bench_editors \
    ventry_bench_editor_open ventry_bench_startup ventry_bench_undo >/dev/null
if [ ! -x /usr/bin/time ]; then
    apt-get install -y time >/dev/null
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/ventry-bench-run-XXXXXX")
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$work/runtime"
# What the programs tell on stderr (benchmark context, Qt notes) shows only when one fails.
quiet() {
    "$@" 2>>"$work/stderr.txt" || { cat "$work/stderr.txt" >&2; return 1; }
}
load_before=$(cut -d' ' -f1 /proc/loadavg)
quiet "$build/tools/ventry-db" generate "$work/max" 65536
quiet "$build/tools/ventry-db" demo "$work/demo"
set_bytes=$(stat -c %s "$work"/max/*.e[oslapqm3bc]d | awk '{ s += $1 } END { print s }')

now_us() { echo "${EPOCHREALTIME/./}"; }
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
# The median real time in milliseconds of a benchmark from a Google Benchmark CSV report.
bench_median() {
    awk -F, -v name="\"$2/" 'index($1, name) == 1 && $1 ~ /_median"$/ { print $3 }' "$1"
}

# cp -r and the whole-process copy, taken in turns so that both see the same machine.
for _ in $(seq $runs); do
    rm -rf "$work/cp" "$work/out" && mkdir "$work/out"
    t0=$(now_us)
    cp -r "$work/max" "$work/cp"
    t1=$(now_us)
    "$build/tools/ventry-db" copy "$work/max/object.eod" "$work/out/object.eod"
    t2=$(now_us)
    echo "$(((t1 - t0) / 1000)).$(((t1 - t0) % 1000 / 100))" >>"$work/cp.txt"
    echo "$(((t2 - t1) / 1000)).$(((t2 - t1) % 1000 / 100))" >>"$work/copy.txt"
done
cp_ms=$(median <"$work/cp.txt")
copy_ms=$(median <"$work/copy.txt")
/usr/bin/time -f %M "$build/tools/ventry-db" copy "$work/max/object.eod" \
    "$work/out/object.eod" 2>"$work/rss.txt"

bench_options=(--benchmark_repetitions=$runs --benchmark_report_aggregates_only=true
               --benchmark_out_format=csv)
quiet "$build/bench/ventry_bench_document" "$work/max/object.eod" "$work/out" \
    "${bench_options[@]}" --benchmark_out="$work/document.csv" >/dev/null
quiet "$build/bench/editors/ventry_bench_editors" --benchmark_out_format=csv \
    --benchmark_out="$work/editors.csv" >/dev/null
quiet "$build/bench/extras/ventry_bench_undo" --benchmark_out_format=csv \
    --benchmark_out="$work/undo.csv" >/dev/null

# The programs with windows, with one X server for all of them when there is one.
cat >"$work/gui.sh" <<EOF
set -euo pipefail
"$build/bench/app/ventry_bench_editor_open" "$work/demo/object.eod" "$work/max/object.eod" \
    --benchmark_out_format=csv --benchmark_out="$work/open.csv" >/dev/null
cd "$work/demo"
for _ in \$(seq $runs); do
    t0=\${EPOCHREALTIME/./}
    t1=\$("$build/bench/app/ventry_bench_startup")
    echo \$(((t1 / 1000 - t0) / 1000)) >>"$work/startup.txt"
done
if [ -n "\${DISPLAY:-}" ]; then
    "$build/app/ventry" & pid=\$!
    sleep 3
    a=\$(awk '{ print \$14 + \$15 }' /proc/\$pid/stat)
    sleep 10
    b=\$(awk '{ print \$14 + \$15 }' /proc/\$pid/stat)
    kill \$pid
    echo "\$((b - a)) \$(getconf CLK_TCK)" >"$work/idle.txt"
fi
EOF
if command -v xvfb-run >/dev/null; then
    QT_QPA_PLATFORM=xcb quiet xvfb-run -a -s "-screen 0 1280x1024x24" bash "$work/gui.sh"
else
    QT_QPA_PLATFORM=offscreen quiet bash "$work/gui.sh"
fi
startup_ms=$(median <"$work/startup.txt")

{
    echo "copy $copy_ms"
    echo "load $(bench_median "$work/document.csv" BM_Load)"
    echo "save $(bench_median "$work/document.csv" BM_Save)"
    echo "one-apply $(bench_median "$work/document.csv" BM_SaveAfterOneApply)" \
        "$(bench_median "$work/document.csv" BM_CopyObjectFile)"
    echo "free $(bench_median "$work/document.csv" BM_Free)"
    echo "memory-load $(bench_median "$work/document.csv" BM_LoadFromMemory)"
    echo "fill $(bench_median "$work/editors.csv" BM_TypeFilterAllTypes)"
    echo "search $(bench_median "$work/editors.csv" BM_SearchMatchingAll)"
    echo "undo $(bench_median "$work/undo.csv" BM_UndoOneApply)"
    echo "redo $(bench_median "$work/undo.csv" BM_RedoOneApply)"
    echo "history $(awk -F, '/BM_ThousandAppliesMemory/ { print $NF }' "$work/undo.csv")"
    for editor in Object Sensor Launcher Profile Mast Entity 3DObject Airstrip ShipClass \
        CountryName; do
        echo "open-$editor $(bench_median "$work/open.csv" "BM_OpenEditor/$editor/maximal")" \
            "$(bench_median "$work/open.csv" "BM_OpenEditor/$editor/demo")"
    done
    echo "startup $startup_ms"
    [ -f "$work/idle.txt" ] && echo "idle $(cat "$work/idle.txt")"
    echo "memory $(cat "$work/rss.txt") $set_bytes"
} >"$work/figures.txt"

awk -v cp="$cp_ms" -v load="$load_before" -v runs="$runs" '
function row(label, value, goal, met) {
    printf "  %-50s %9.1f ms %9.1f ms %7.2fx  %-16s %s\n", label, value, cp, value / cp, goal,
           met ? "met" : "MISSED"
    if (!met) failed = 1
}
BEGIN {
    printf "medians of %d runs or more; load average %s at the start\n", runs, load
    printf "  %-50s %12s %12s %8s  %-16s\n", "figure", "Ventry", "cp -r", "ratio", "goal"
}
$1 == "copy" { row("ventry-db copy of the maximal set, whole process", $2, "<= 1.5x cp -r",
                   $2 <= 1.5 * cp) }
$1 == "load" { row("load into the document", $2, "-", 1) }
$1 == "save" { row("save from the document", $2, "-", 1) }
$1 == "one-apply" {
    printf "  %-50s %9.1f ms %9.1f ms %7.2fx  %-16s %s\n",
           "save after one Apply to an object (vs its file copy)", $2, $3, $2 / $3,
           "<= 1.2x the copy", $2 <= 1.2 * $3 ? "met" : "MISSED"
    if ($2 > 1.2 * $3) failed = 1
}
$1 == "free" { row("free the loaded document", $2, "< 20 ms", $2 < 20) }
$1 == "memory-load" { row("load from memory, without the disk", $2, "-", 1) }
$1 == "fill" { row("list fill, type filter, 65,536 lines", $2, "< 30 ms", $2 < 30) }
$1 == "search" { row("search matching all of 65,536 records", $2, "< 30 ms", $2 < 30) }
$1 == "undo" { row("undo of one Apply, editor and table open", $2, "< 5 ms", $2 < 5) }
$1 == "redo" { row("redo of one Apply, editor and table open", $2, "< 5 ms", $2 < 5) }
$1 == "history" {
    printf "  %-50s %9.2f MB  %12s %8s  %-16s %s\n", "history of 1,000 single-record Applies", $2,
           "-", "-", "< 2 MB", $2 < 2 ? "met" : "MISSED"
    if ($2 >= 2) failed = 1
}
$1 ~ /^open-/ {
    row(sprintf("open %s editor, maximal set (demo %.1f ms)", substr($1, 6), $3), $2,
        sprintf("< %.1f ms", $3 + 50), $2 < $3 + 50)
}
$1 == "startup" { row("start-up to the shown main window, demo set", $2, "< 300 ms", $2 < 300) }
$1 == "idle" {
    percent = $2 * 100 / (10 * $3)
    printf "  %-50s %9.1f %%  %12s %8s  %-16s %s\n", "idle CPU over 10 s, main window, demo set",
           percent, "-", "-", "< 1 %", percent < 1 ? "met" : "MISSED"
    if (percent >= 1) failed = 1
}
$1 == "memory" {
    mb = 1024 * 1024
    peak = $2 * 1024
    budget = 1.1 * $3 + 24 * mb
    printf "  %-50s %9.1f MB %9.1f MB %7.2fx  %-16s %s\n", "peak memory of ventry-db copy (vs the set)",
           peak / mb, $3 / mb, peak / $3, sprintf("<= %.1f MB", budget / mb),
           peak <= budget ? "met" : "MISSED"
    if (peak > budget) failed = 1
}
END { exit failed }' "$work/figures.txt"
