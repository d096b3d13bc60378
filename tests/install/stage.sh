#!/bin/sh
# Installs the build into a staging folder as the package lays it out: under
# /usr, below STAGE (DESTDIR), in place of any earlier staging.
#   stage.sh CMAKE BUILD STAGE
set -eu
rm -rf "$3"
DESTDIR=$3 "$1" --install "$2" --prefix /usr >/dev/null
