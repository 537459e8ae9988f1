#!/usr/bin/env bash
# Installs from Debian's archive whatever the build, the tests and the program still lack, and any
# further packages named on the command line. libqt6svg6 brings the SVG image plugin that draws the
# window icon; without it the program runs with no icon. ioquake3-server is the game's own engine,
# which the tests run on the scripts the program writes.
set -euo pipefail

packages=(cmake make g++ qt6-base-dev qt6-qpa-plugins libqt6svg6 libgl-dev fonts-liberation
    ioquake3-server "$@")
missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
