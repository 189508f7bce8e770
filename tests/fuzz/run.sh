#!/usr/bin/env bash
# Configures a clang build with libFuzzer, ASan and UBSan, builds the set loader fuzzer and
# runs it for a bounded time (seconds, default 120; 0 for no bound) on a corpus seeded from
# the demo set. Further arguments go to libFuzzer, e.g. -runs=10000000.
# Environment: VENTRY_FUZZ_BUILD (build directory, default build-fuzz).
set -euo pipefail

. "$(dirname "$0")/build.sh"
seconds=${1:-120}

build_fuzzers ventry_fuzz_load_set ventry-db

work=$(mktemp -d "${TMPDIR:-/tmp}/ventry-fuzz-run-XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus" "$work/demo"

# One seed: the first two records of every demo file in the fuzzer's input format (lengths
# first, then the files). Small inputs reach every branch of the loader; larger ones only
# repeat them, slower.
"$build/tools/ventry-db" demo "$work/demo"
files=(object.eod:344 sensor.esd:180 launcher.eld:120 airstrip.ead:96 entity.epd:58
       profile.eqd:44 mast.emd:96 3dobject.e3d:956 class.ebd:68 countryname.ecd:56)
seed="$work/corpus/demo"
: >"$seed"
for f in "${files[@]}"; do
    n=$((2 * ${f#*:}))
    printf "\\x$(printf %02x $((n & 255)))\\x$(printf %02x $((n >> 8)))" >>"$seed"
done
for f in "${files[@]}"; do
    head -c $((2 * ${f#*:})) "$work/demo/${f%:*}" >>"$seed"
done

"$build/tests/fuzz/ventry_fuzz_load_set" -max_total_time="$seconds" -max_len=4096 \
    -print_final_stats=1 "${@:2}" "$work/corpus"
