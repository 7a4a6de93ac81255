#!/bin/sh
# Usage: check-desktop-install.sh BUILD_DIR PREFIX
# Installs the desktop component of BUILD_DIR into PREFIX and checks what came
# out: the entry passes desktop-file-validate and starts the installed program,
# the MIME type is accepted by update-mime-database and claims *.sl2, the icon
# is there. Exit 77 (skipped) when the freedesktop tools are missing.
set -eu
build=$1
prefix=$2

for tool in desktop-file-validate update-mime-database; do
    if ! command -v "$tool" >/dev/null; then
        echo "$tool not found (Debian: desktop-file-utils, shared-mime-info)"
        exit 77
    fi
done

rm -rf "$prefix"
cmake --install "$build" --component desktop --prefix "$prefix" >/dev/null

entry="$prefix/share/applications/korvan.desktop"
desktop-file-validate "$entry"

# The Exec line as a launcher unquotes it must name the installed program.
exec_line=$(grep '^Exec=' "$entry")
expected=$(printf '%s' "$prefix/bin/korvan" | sed -e 's/\\/\\\\\\\\/g' -e 's/["`$]/\\\\&/g' -e 's/%/%%/g')
if [ "$exec_line" != "Exec=\"$expected\" %f" ]; then
    echo "unexpected $exec_line (wanted Exec=\"$expected\" %f)"
    exit 1
fi
grep -qx 'MimeType=application/x-korvan-lesson;' "$entry"

test -f "$prefix/share/icons/hicolor/scalable/apps/korvan.svg"

# update-mime-database rejects a malformed type file; the compiled globs must
# map *.sl2 to the lesson type.
update-mime-database "$prefix/share/mime"
grep -qx '50:application/x-korvan-lesson:\*\.sl2' "$prefix/share/mime/globs2"
test -f "$prefix/share/mime/application/x-korvan-lesson.xml"
echo "desktop integration ok"
