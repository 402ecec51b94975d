#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the window need,
# but only those that are missing, so a prepared machine goes straight on.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
  fonts-liberation2 fonts-dejavu-core xvfb xauth
)
# Extra packages a caller asks for (the test script adds its own).
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
