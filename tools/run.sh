#!/usr/bin/env bash
# Sets up, builds and installs the program into app/ (where it keeps its files), then starts it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
# Only the program: the tests are built by tools/test.sh.
cmake --build "$root/build" --target vittlo starter_catalogue -j2

# A portable copy: the program with its lists beside it (an installed copy, PREFIX/bin/vittlo,
# keeps them in the user's data folder instead).
mkdir -p "$root/app"
install -m 755 "$root/build/src/app/vittlo" "$root/app/vittlo"
# The starter catalogue, which reaches each data folder once for each version of it.
mkdir -p "$root/app/starter"
cp "$root/build/src/app/catalogue/category.new" "$root/build/src/app/catalogue/std_item.new" \
    "$root/app/starter/"
echo "Vittlo! is in $root/app and keeps its lists there."

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "There is no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
    echo "To run it on a virtual display, install Xvfb (apt-get install xvfb) and start:" >&2
    echo "    xvfb-run -a bash tools/run.sh" >&2
    exit 1
fi
exec "$root/app/vittlo"
