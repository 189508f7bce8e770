#!/usr/bin/env bash
# Configures a clang build with libFuzzer, ASan and UBSan, builds the script fuzzer and runs it
# for a bounded time (seconds, default 300) on a corpus seeded from the documented example
# scripts and a few small ones, with the API's words and the fields' names as a dictionary.
# Environment: VENTRY_FUZZ_BUILD (build directory, default build-fuzz).
set -euo pipefail

. "$(dirname "$0")/build.sh"
seconds=${1:-300}

build_fuzzers ventry_fuzz_script

work=$(mktemp -d "${TMPDIR:-/dev/shm}/ventry-fuzz-script-XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus"
cp "$root"/docs/scripts/*.lua "$work/corpus/"
seeds=(
    'for i, r in set.object:records() do r.mass = r.mass // 2 end'
    'local s = set.sensor:new(9, set.sensor[1]) s.name = "x" s.detection_curve_ranges[2] = 7'
    'set["3dobject"]:new(#set["3dobject"]).name = "n" print(#set.mast, set.mast[2])'
    'local m = set.mast[1] m.index = 5 m.center_x = m.center_x set.mast:new(1)'
    'for _, r in set.launcher:records() do for k = 1, #r.rounds do r.rounds[k] = k end end'
)
for i in "${!seeds[@]}"; do
    printf '%s\n' "${seeds[$i]}" >"$work/corpus/seed$i.lua"
done

# The API's words and every field name.
{
    for word in set object sensor launcher airstrip entity profile mast 3dobject class \
        countryname records new index name print pcall load tostring for in do end local \
        if then else while repeat until function return nil true false; do
        echo "\"$word\""
    done
    printf '"%s"\n' ':records()' ':new(' '[' ']' '#' '=' '==' '..' '\\0' '0/0' '1e39' '2^31'
    for csv in "$root"/resources/demo/*.csv; do
        head -n 1 "$csv" | tr -d '\r' | tr ',' '\n' | sed -E 's/_[0-9]+$//; s/.*/"&"/'
    done
} | sort -u >"$work/dict"

"$build/tests/fuzz/ventry_fuzz_script" -max_total_time="$seconds" -max_len=4096 \
    -dict="$work/dict" -print_final_stats=1 "$work/corpus"
