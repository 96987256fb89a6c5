#!/usr/bin/env bash
# Builds the benchmark in Release mode and runs it: each operation at both catalogue sizes, with
# its time over the floor's (floor_x), the memory it added at its peak (peak_MB) and the size of
# the files it reads (files_MB). Extra arguments go to the benchmark (--benchmark_filter=purge).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/tools/packages.sh"
install_missing cmake ninja-build g++ qt6-base-dev qt6-qpa-plugins pkgconf libqrencode-dev libglib2.0-dev qt6-httpserver-dev libbenchmark-dev

cmake -S "$root" -B "$root/build-bench" -G Ninja -DVITTLO_BUILD_BENCH=ON -DVITTLO_BUILD_TESTS=OFF \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build-bench" --target vittlo_bench -j2
"$root/build-bench/bench/vittlo_bench" "$@"
