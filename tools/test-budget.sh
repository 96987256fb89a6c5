#!/usr/bin/env bash
# The test budget: test code (tests/ and fuzz/) may be at most 0.40 of the program's code (src/),
# or the ceiling given as the first argument. Lines that are neither blank nor comments count:
# C++ (.cpp, .h) with its // comments, and Python and shell (.py, .sh) with their # comments, so
# that a test written as a script counts as much as one written in C++. A suite that grows past
# the budget has rows that check the same thing twice; merge or cut them.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
budget=${1:-0.40}

count() {
    local cpp scripts
    cpp=$(find "$@" -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 -r cat |
        grep -c -v -E '^[[:space:]]*($|//)' || true)
    scripts=$(find "$@" -type f \( -name '*.py' -o -name '*.sh' \) -print0 | xargs -0 -r cat |
        grep -c -v -E '^[[:space:]]*($|#)' || true)
    echo $((${cpp:-0} + ${scripts:-0}))
}

cd "$root"
code=$(count src)
tests=$(count tests fuzz)
ratio=$(awk -v t="$tests" -v c="$code" 'BEGIN { printf "%.3f", (c > 0 ? t / c : 0) }')
echo "test budget: test code $tests lines / code $code lines = $ratio (at most $budget)"
if awk -v t="$tests" -v c="$code" -v b="$budget" 'BEGIN { exit !(t > c * b) }'; then
    awk -v t="$tests" -v c="$code" -v b="$budget" \
        'BEGIN { n = t - int(c * b); printf "test budget: %d line%s of test code over\n", n, n == 1 ? "" : "s" }' >&2
    exit 1
fi
