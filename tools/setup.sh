#!/usr/bin/env bash
# Installs whatever the build needs and is missing, then configures build/; the sourcing script
# builds what it needs there. Sourced by run.sh and test.sh.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/tools/packages.sh"
install_missing cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins pkgconf libqrencode-dev libglib2.0-dev qt6-httpserver-dev \
    libzxing-dev fonts-liberation2 poppler-utils util-linux

cmake -S "$root" -B "$root/build" -G Ninja
