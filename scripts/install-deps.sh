#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the window need, and
# those named as arguments, when any is missing. Without root it prints the one
# command to run instead.
set -euo pipefail

packages=(cmake make g++ pkg-config qt6-base-dev libgl-dev libgtest-dev libqrencode-dev fp-utils xdg-utils
          poppler-utils fonts-wqy-microhei libbenchmark-dev "$@")

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages; install them with: sudo apt-get install -y ${missing[*]}" >&2
    exit 1
fi
echo "Installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
# Another installation may hold the package lock for a while.
apt_get=(apt-get -o DPkg::Lock::Timeout=600)
"${apt_get[@]}" update -qq
"${apt_get[@]}" install -y -qq "${missing[@]}" >/dev/null
