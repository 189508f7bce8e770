#!/usr/bin/env bash
# Regenerates docs/screenshot-object-editor.png: the Object editor on the demo set, shown
# under Xvfb by the keys a person would press (Alt+V, O) and captured with ImageMagick.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" != --in-xvfb ]; then
    scripts/install-packages.sh xvfb xauth xdotool imagemagick
    scripts/setup.sh
    exec xvfb-run -a -s "-screen 0 1920x1080x24" "$0" --in-xvfb
fi

output=$PWD/docs/screenshot-object-editor.png
program=$PWD/build/app/ventry
scratch=$(mktemp -d)
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

build/tools/ventry-db demo "$scratch/demo"
mkdir -m 700 "$scratch/runtime"
# Started in the set's folder, the program opens the set without asking; fresh settings
# keep a developer's recent-file list out of it.
(cd "$scratch/demo" && XDG_CONFIG_HOME=$scratch/config XDG_RUNTIME_DIR=$scratch/runtime \
    exec "$program") &
pid=$!

main=$(timeout 30 xdotool search --sync --onlyvisible --class ventry | head -1)
[ -n "$main" ] || { echo "screenshot.sh: the main window did not appear" >&2; exit 1; }
xdotool windowfocus --sync "$main"
xdotool key --clearmodifiers alt+v
xdotool key --clearmodifiers o
editor=$(timeout 30 xdotool search --sync --onlyvisible --name '^Object Dialog$' | head -1)
[ -n "$editor" ] || { echo "screenshot.sh: the Object editor did not open" >&2; exit 1; }
# Let the list and the fields finish painting.
sleep 1

mkdir -p docs
# A palette of 256 colours keeps widgets and text sharp at a quarter of the size.
import -window "$editor" -strip -define png:compression-level=9 "PNG8:$output"
echo "Wrote $output ($(identify -format '%wx%h' "$output"), $(stat -c %s "$output") bytes)"
