#!/usr/bin/env bash
# Checks a built ventry .deb: the files a desktop install needs, the entries that tie them
# together, and dependencies taken from the linked libraries.
# Usage: tests/packaging/check-package.sh PACKAGE.deb
set -euo pipefail

deb=${1:?usage: check-package.sh PACKAGE.deb}
app_id=org.ventry.Ventry
passed=0
failed=0

check() {
    local what=$1
    shift
    if "$@" >/dev/null 2>&1; then
        echo "ok - $what"
        passed=$((passed + 1))
    else
        echo "not ok - $what"
        failed=$((failed + 1))
    fi
}

contents=$(dpkg-deb -c "$deb")
# The mode column and the path of every regular file and link.
files=$(awk '{ print $1, $NF }' <<<"$contents")
# A member's text; empty when it is missing, which the checks on it then report.
member() { dpkg-deb --fsys-tarfile "$deb" | tar -xOf - "./$1" 2>/dev/null || true; }
field() { dpkg-deb -f "$deb" "$1"; }

has_file() { grep -qx -- "-[-rwx]* ./$1" <<<"$files"; }
has_program() { grep -qx -- "-rwxr-xr-x ./usr/bin/$1" <<<"$files"; }

check "ventry is installed as a program" has_program ventry
check "ventry-db is installed as a program" has_program ventry-db
check "desktop entry" has_file "usr/share/applications/$app_id.desktop"
check "AppStream metainfo" has_file "usr/share/metainfo/$app_id.metainfo.xml"
check "MIME type for object files" has_file "usr/share/mime/packages/$app_id.xml"
check "scalable icon" has_file "usr/share/icons/hicolor/scalable/apps/$app_id.svg"
for size in 16 32 48 64 128 256; do
    check "${size}x$size icon" has_file "usr/share/icons/hicolor/${size}x$size/apps/$app_id.png"
done
check "ventry(1) man page" has_file "usr/share/man/man1/ventry.1.gz"
check "ventry-db(1) man page" has_file "usr/share/man/man1/ventry-db.1.gz"

desktop=$(member "usr/share/applications/$app_id.desktop")
check "desktop entry opens the file it is given" grep -qx "Exec=ventry %f" <<<"$desktop"
check "desktop entry names the icon" grep -qx "Icon=$app_id" <<<"$desktop"
check "desktop entry opens object files" \
    grep -qx "MimeType=application/x-ventry-object;" <<<"$desktop"
check "MIME type matches object.eod, object.god and object.fod" \
    grep -q '<glob pattern="object.\*od"/>' <<<"$(member "usr/share/mime/packages/$app_id.xml")"
check "metainfo launches the desktop entry" grep -q \
    "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" \
    <<<"$(member "usr/share/metainfo/$app_id.metainfo.xml")"

check "package name is ventry" test "$(field Package)" = ventry
check "package has a maintainer" test -n "$(field Maintainer)"
check "package has a section" test -n "$(field Section)"
depends=$(field Depends)
check "Depends names the Qt 6 widgets library" grep -Eq '(^|, )libqt6widgets6( |,|$)' <<<"$depends"
check "Depends names the C library" grep -Eq '(^|, )libc6( |,|$)' <<<"$depends"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
