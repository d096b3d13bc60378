#!/usr/bin/env bash
# Installs the Debian packages Fixtora needs to build, test and run.
# Idempotent: asks apt only for what is missing.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev
  libsqlcipher-dev libssl-dev libcurl4-openssl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  python3-pyftpdlib poppler-utils
  fonts-liberation xvfb xauth
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
