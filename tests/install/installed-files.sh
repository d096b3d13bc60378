#!/bin/sh
# Checks what an installed copy puts under its prefix for the desktop: the
# program and its pages, the icon the desktop entry names at its sizes, and the
# league file's MIME type, which the desktop entry opens and which *.tbl files
# get once the MIME database is built from the installed entry.
#   installed-files.sh PREFIX APP_ID
set -eu
prefix=$1; id=$2
fail() { echo "FAIL: $*"; exit 1; }
entry=$prefix/share/applications/$id.desktop

for f in bin/fixtora share/fixtora/help.html share/fixtora/whatsnew.htm "share/metainfo/$id.metainfo.xml" \
         "share/icons/hicolor/scalable/apps/$id.svg"; do
  [ -s "$prefix/$f" ] || fail "$f is not installed"
done
[ -x "$prefix/bin/fixtora" ] || fail "bin/fixtora cannot be run"
grep -qx "Icon=$id" "$entry" || fail "the desktop entry names another icon"
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/$id.svg" || fail "the scalable icon is not SVG"
for size in 16 32 48 64 128 256; do
  png=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
  file "$png" | grep -q "PNG image data, $size x $size" || fail "no $size-pixel icon: $(file "$png")"
done

data=$(mktemp -d); trap 'rm -rf "$data"' EXIT
mime=$data/mime
mkdir -p "$mime/packages"
cp "$prefix/share/mime/packages/$id.xml" "$mime/packages/"
XDG_DATA_DIRS=$data update-mime-database "$mime" 2>&1 | grep . && fail "update-mime-database complained"
type=$(sed -n 's/^MimeType=\(.*\);$/\1/p' "$entry")
[ -n "$type" ] || fail "the desktop entry opens no MIME type"
grep -qx "50:$type:\*\.tbl" "$mime/globs2" || fail "*.tbl files are not $type: $(cat "$mime/globs2")"
grep -q "<comment>Fixtora league</comment>" "$mime/$type.xml" || fail "$type is not described as a Fixtora league"
echo "installed files in place"
