#!/usr/bin/env bash
# Configures a clang build with libFuzzer, ASan and UBSan, builds the CSV reader fuzzer and
# runs it for a bounded time (seconds, default 300) on a corpus seeded from the demo set's CSV
# files, with the column names as a dictionary.
# Environment: VENTRY_FUZZ_BUILD (build directory, default build-fuzz).
set -euo pipefail

. "$(dirname "$0")/build.sh"
seconds=${1:-300}

build_fuzzers ventry_fuzz_csv_import

work=$(mktemp -d "${TMPDIR:-/dev/shm}/ventry-fuzz-csv-XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus"

# One seed per database: its number in the order of the set's files, then its CSV file.
databases=(object sensor launcher airstrip entity profile mast 3dobject class countryname)
for i in "${!databases[@]}"; do
    name=${databases[$i]}
    { printf "\\x$(printf %02x "$i")"; cat "$root/resources/demo/$name.csv"; } \
        >"$work/corpus/$name"
    head -n 1 "$root/resources/demo/$name.csv" | tr ',' '\n' | sed 's/.*/"&"/' >>"$work/dict"
done
sort -u -o "$work/dict" "$work/dict"

"$build/tests/fuzz/ventry_fuzz_csv_import" -max_total_time="$seconds" -max_len=65536 \
    -dict="$work/dict" -print_final_stats=1 "$work/corpus"
