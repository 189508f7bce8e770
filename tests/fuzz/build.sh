# Sourced by the fuzz scripts: sets root and build, and build_fuzzers configures a clang build
# with libFuzzer, ASan and UBSan and builds the targets it is given.
# Environment: VENTRY_FUZZ_BUILD (build directory, default build-fuzz).
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=${VENTRY_FUZZ_BUILD:-$root/build-fuzz}

build_fuzzers() {
    CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DVENTRY_FUZZ=ON -DVENTRY_SANITIZE=ON -DVENTRY_BENCH=OFF \
        -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link >/dev/null
    ninja -C "$build" -j2 "$@" >/dev/null
}
