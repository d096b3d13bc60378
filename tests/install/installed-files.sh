#!/bin/sh
# What an installed copy puts under PREFIX for the desktop: the program and its
# pages and manual, the icon the entry names at its sizes, and the MIME types it
# opens, which *.tbl and *.tr files get once the MIME database is built.
#   installed-files.sh PREFIX APP_ID
set -eu
prefix=$1; id=$2
entry=$prefix/share/applications/$id.desktop
fail() { echo "FAIL: $*"; exit 1; }

for f in bin/fixtora share/man/man1/fixtora.1.gz share/fixtora/help.html share/fixtora/whatsnew.htm share/icons/hicolor/scalable/apps/$id.svg; do
  [ -s "$prefix/$f" ] || fail "$f is not installed"
done
grep -qx "Icon=$id" "$entry" || fail "the desktop entry names another icon"
for size in 16 32 48 64 128 256; do
  file "$prefix/share/icons/hicolor/${size}x$size/apps/$id.png" | grep -q "PNG image data, $size x $size" ||
    fail "no $size-pixel icon"
done

data=$(mktemp -d); trap 'rm -rf "$data"' EXIT
mkdir -p "$data/mime/packages"
cp "$prefix/share/mime/packages/$id.xml" "$data/mime/packages/"
XDG_DATA_DIRS=$data update-mime-database "$data/mime" 2>&1 | grep . && fail "the MIME entry is not sound"
for kind in league:tbl tournament:tr; do type=application/x-fixtora-${kind%:*}
  grep -q "^MimeType=.*$type;" "$entry" && grep -qx "[0-9]*:$type:\*\.${kind#*:}" "$data/mime/globs2" || fail "the entry opens no $type for *.${kind#*:}"
  grep -q "<comment>Fixtora ${kind%:*}</comment>" "$data/mime/$type.xml" || fail "$type is not a Fixtora ${kind%:*}"
done
echo "installed files in place"
