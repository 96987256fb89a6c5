#!/usr/bin/env bash
# Sets up and builds, then runs every test.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

cmake --build "$root/build" -j2
ctest --test-dir "$root/build" --output-on-failure -j2
