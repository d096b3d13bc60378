#!/usr/bin/env bash
# Installs the Debian packages Fixtora needs to build, test, run and package;
# `install-deps.sh package` installs only what building the package takes.
# Building takes qt6-svg-dev to draw the icon, and packaging dpkg-dev and file
# to work out the package's dependencies and its hardening flags; the tests add
# their libraries and tools, and the desktop tools that check the installed files.
# Idempotent: asks apt only for what is missing.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev
  libsqlcipher-dev libssl-dev libcurl4-openssl-dev
  dpkg-dev file
)
if [ "${1:-}" != package ]; then
  packages+=(
    libgtest-dev libgmock-dev libbenchmark-dev
    python3-pyftpdlib poppler-utils
    fonts-liberation xvfb xauth
    desktop-file-utils appstream shared-mime-info xdotool
  )
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
