#!/usr/bin/env bash
# Installs the Debian packages Fixtora needs to build, test, run and package
# (qt6-svg-dev draws the icon, dpkg-dev works out the package's dependencies;
# the desktop tools check the installed files).
# Idempotent: asks apt only for what is missing.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev
  libsqlcipher-dev libssl-dev libcurl4-openssl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  python3-pyftpdlib poppler-utils
  fonts-liberation xvfb xauth
  qt6-svg-dev dpkg-dev file
  desktop-file-utils appstream shared-mime-info xdotool
)

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
