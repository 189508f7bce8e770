#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks, then configures and builds.
# Usage: scripts/setup.sh [--sanitize]   (build dir: build/, or build-sanitize/)
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-packages.sh g++ cmake ninja-build qt6-base-dev libcli11-dev nlohmann-json3-dev \
    libgtest-dev libgmock-dev libbenchmark-dev liblua5.4-dev pkg-config git

build_dir=build
options=(-DVENTRY_WERROR="${VENTRY_WERROR:-OFF}")
if [ "${1:-}" = "--sanitize" ]; then
    build_dir=build-sanitize
    options+=(-DVENTRY_SANITIZE=ON -DVENTRY_BENCH=OFF)
fi
cmake -S . -B "$build_dir" -G Ninja "${options[@]}" >/dev/null
cmake --build "$build_dir" -- -j2
