#!/usr/bin/env bash
# Configures a clang build with libFuzzer, ASan and UBSan, builds the set loader fuzzer and
# runs it for a bounded time (seconds, default 120) on a corpus seeded from the demo set.
# Environment: VENTRY_FUZZ_BUILD (build directory, default build-fuzz).
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
build=${VENTRY_FUZZ_BUILD:-$root/build-fuzz}
seconds=${1:-120}

CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVENTRY_FUZZ=ON -DVENTRY_SANITIZE=ON -DVENTRY_BENCH=OFF \
    -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link >/dev/null
ninja -C "$build" -j2 ventry_fuzz_load_set ventry-db >/dev/null

work=$(mktemp -d "${TMPDIR:-/dev/shm}/ventry-fuzz-run-XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus" "$work/demo" "$work/tmp"
# The fuzzer's set directories live in here, so the trap takes them away too.
export TMPDIR="$work/tmp"

# One seed: the demo set in the fuzzer's input format (lengths first, then the files).
"$build/tools/ventry-db" demo "$work/demo"
files=(object.eod sensor.esd launcher.eld airstrip.ead entity.epd profile.eqd mast.emd
       3dobject.e3d class.ebd countryname.ecd)
seed="$work/corpus/demo"
: >"$seed"
for f in "${files[@]}"; do
    n=$(stat -c %s "$work/demo/$f")
    printf "\\x$(printf %02x $((n & 255)))\\x$(printf %02x $((n >> 8)))" >>"$seed"
done
for f in "${files[@]}"; do
    cat "$work/demo/$f" >>"$seed"
done

"$build/tests/fuzz/ventry_fuzz_load_set" -max_total_time="$seconds" -max_len=131072 \
    -print_final_stats=1 "$work/corpus"
