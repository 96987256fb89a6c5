#!/usr/bin/env bash
# Sets up, builds and installs the program into app/ (where it keeps its files), then starts it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

cmake --install "$root/build" --prefix "$root/app" --component program >/dev/null
# The starter catalogue only for a first start: later it would ask to be merged every time.
if [ ! -e "$root/app/category.lst" ]; then
    cmake --install "$root/build" --prefix "$root/app" --component starter >/dev/null
fi
echo "Vittlo! is installed in $root/app and keeps its lists there."

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "There is no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
    echo "To run it on a virtual display, install Xvfb (apt-get install xvfb) and start:" >&2
    echo "    xvfb-run -a bash tools/run.sh" >&2
    exit 1
fi
exec "$root/app/vittlo"
