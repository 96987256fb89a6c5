#!/usr/bin/env bash
# Builds the Debian package of the program and prints its path as the last line. Install it with
# sudo apt install followed by that path.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/tools/packages.sh"
install_missing cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools pkgconf libqrencode-dev libglib2.0-dev qt6-httpserver-dev dpkg-dev file

build="$root/build-package"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVITTLO_BUILD_TESTS=OFF \
    -DCMAKE_INSTALL_PREFIX=/usr >&2
cmake --build "$build" -j2 >&2
rm -f "$build"/vittlo_*.deb
(cd "$build" && cpack -G DEB >&2)
ls "$build"/vittlo_*.deb
