#!/usr/bin/env bash
# Builds the Debian package and checks what it installs: a Release build in build-package/,
# an install into build-package/stage/, the desktop entry, metainfo and man pages validated,
# the .deb built, listed and checked, and the installed programs run on the demo set.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-packages.sh g++ cmake ninja-build qt6-base-dev libcli11-dev nlohmann-json3-dev \
    desktop-file-utils appstream man-db dpkg-dev file liblua5.4-dev pkg-config

build_dir=build-package
stage=$PWD/$build_dir/stage
app_id=org.ventry.Ventry

step() { echo "== $*"; }
fail() {
    echo "package.sh: $*" >&2
    exit 1
}

step "Release build in $build_dir/"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVENTRY_TESTS=OFF \
    -DVENTRY_BENCH=OFF -DVENTRY_WERROR="${VENTRY_WERROR:-OFF}" "${launcher[@]}" >/dev/null
cmake --build "$build_dir" -- -j2

step "Install into $build_dir/stage/"
rm -rf "$stage"
cmake --install "$build_dir" --prefix "$stage/usr" >/dev/null
(cd "$stage" && find . -type f | sort)

step "Desktop entry and metainfo"
# Errors fail the validator; warnings and hints fail here too.
findings=$(desktop-file-validate "$stage/usr/share/applications/$app_id.desktop" 2>&1) ||
    fail "$app_id.desktop is not valid:"$'\n'"$findings"
[ -z "$findings" ] || fail "$app_id.desktop:"$'\n'"$findings"
echo "$app_id.desktop: valid"
appstreamcli validate --no-net "$stage/usr/share/metainfo/$app_id.metainfo.xml"

step "Man pages"
for page in ventry ventry-db; do
    file=$stage/usr/share/man/man1/$page.1.gz
    warnings=$(MANWIDTH=80 man --warnings -l "$file" 2>&1 >/dev/null) ||
        fail "man could not render $page.1"
    [ -z "$warnings" ] || fail "$page.1 renders with warnings:"$'\n'"$warnings"
    lines=$(MANWIDTH=80 man -l "$file" 2>/dev/null | wc -l)
    echo "$page.1: $lines lines, no warnings"
done

step "Debian package"
rm -f "$build_dir"/*.deb
(cd "$build_dir" && cpack -G DEB)
debs=("$build_dir"/*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    fail "expected one .deb in $build_dir/"
fi
deb=${debs[0]}
echo "$deb"
dpkg-deb -c "$deb"
echo "Depends: $(dpkg-deb -f "$deb" Depends)"
tests/packaging/check-package.sh "$deb"

step "The installed programs on the demo set"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$stage/usr/bin/ventry-db" demo "$scratch/demo"
for name in object.eod sensor.esd launcher.eld airstrip.ead entity.epd profile.eqd mast.emd \
    3dobject.e3d class.ebd countryname.ecd shipbasedaircraft.ehd; do
    [ -f "$scratch/demo/$name" ] || fail "ventry-db demo did not write $name"
done
echo "ventry-db demo wrote $(find "$scratch/demo" -type f | wc -l) files"

# Settings and the runtime folder stay in the scratch folder; the recent-file list there
# shows that the set was opened, not merely that a window came up.
mkdir -m 700 "$scratch/runtime"
object_file=$scratch/demo/object.eod
XDG_CONFIG_HOME=$scratch/config XDG_RUNTIME_DIR=$scratch/runtime QT_QPA_PLATFORM=offscreen \
    "$stage/usr/bin/ventry" "$object_file" >"$scratch/ventry.log" 2>&1 &
pid=$!
sleep 2
kill -0 "$pid" 2>/dev/null || fail "ventry ended early: $(cat "$scratch/ventry.log")"
kill "$pid"
wait "$pid" 2>/dev/null || true
# The offscreen platform says which window operations it lacks; anything else is an error.
errors=$(grep -Ev '^This plugin does not support [A-Za-z]+\(\)$' "$scratch/ventry.log" || true)
[ -z "$errors" ] || fail "ventry printed:"$'\n'"$errors"
settings=$scratch/config/Local\ AppWizard-Generated\ Applications/Ventry.ini
grep -qxF "File1=$object_file" "$settings" 2>/dev/null ||
    fail "ventry did not open $object_file"
echo "ventry opened $object_file and kept running"
