#!/usr/bin/env bash
# Installs the build into a fresh prefix, as the README says, and checks that the result
# is a desktop program: the editor with its help pages, images and icons in its program
# folder, the command on the path, a desktop entry for web pages and an icon.
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAILED: $*"; exit 1; }
program="$(readlink -f "$prefix/bin/tessaly")" || fail "no $prefix/bin/tessaly"
[ -x "$program" ] || fail "bin/tessaly does not lead to the editor"
folder="$(dirname "$program")"
for f in help/topic-0.html images/house.jpg icons/bold.png howtoupload.html about.png; do
    [ -f "$folder/$f" ] || fail "the program folder lacks $f"
done
entry="$prefix/share/applications/tessaly.desktop"
[ -f "$entry" ] || fail "no desktop entry"
grep -qx "Exec=$prefix/bin/tessaly %f" "$entry" || fail "the entry does not start $prefix/bin/tessaly"
grep -q "^MimeType=.*text/html;" "$entry" || fail "the entry does not open text/html"
grep -q "^MimeType=.*application/xhtml+xml;" "$entry" || fail "the entry does not open XHTML"
[ -f "$prefix/share/icons/hicolor/scalable/apps/tessaly.svg" ] || fail "no icon"
echo "installed and complete"
