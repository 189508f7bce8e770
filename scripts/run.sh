#!/usr/bin/env bash
# Sets up, builds, writes the demo set into demo/ and opens the program on it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
if [ ! -f demo/object.eod ]; then
    build/tools/ventry-db demo demo
fi
if [ ! -x build/app/ventry ]; then
    echo "Demo set written to $(pwd)/demo"
    exit 0
fi
# Started in the set's directory, the program finds the set without asking.
cd demo
exec ../build/app/ventry
