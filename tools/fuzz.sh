#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang and runs each for SECONDS (60 by default) on a
# copy of its seed corpus. A crash stops the script with the input that caused it.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-60}"
source "$root/tools/packages.sh"
install_missing cmake ninja-build clang libclang-rt-14-dev qt6-base-dev

CXX=clang++ cmake -S "$root/fuzz" -B "$root/build-fuzz" -G Ninja >/dev/null
cmake --build "$root/build-fuzz" -j2

# Bad input too large to fuzz with, each run once: NUL and 0xFF bytes, CR without LF, a 1 MB line,
# an unterminated quote, a 10 MB line and binary garbage.
bad="$(mktemp -d)"
python3 - "$bad" <<'PYTHON'
import os, random, sys
bad = sys.argv[1]
random.seed(7)
cases = {
    "nul": b"Dairy\xb0 Milk\x00\x00\r\n\x00" * 1000,
    "ff": b"\xff" * 70000,
    "cr": b"a\rb\r\rc" * 10000,
    "long_line": b"x" * (1 << 20),
    "unterminated_quote": b'[!]Dairy\r\n"milk, butter\r\nbread\r\n',
    "ten_mb_line": b"[!]" + b"y, " * ((10 << 20) // 3),
    "garbage": bytes(random.getrandbits(8) for _ in range(1 << 20)),
}
for name, data in cases.items():
    with open(os.path.join(bad, name), "wb") as f:
        f.write(data)
PYTHON
for target in import records lines; do
    if ! (cd "$root/build-fuzz" && "./fuzz_$target" "$bad"/* >"$bad/$target.log" 2>&1); then
        tail -n 60 "$bad/$target.log"
        echo "fuzz_$target failed on bad input" >&2
        exit 1
    fi
    echo "fuzz_$target: bad input read without fault"
done
rm -rf "$bad"

for target in import records lines; do
    corpus="$(mktemp -d)"
    cp "$root/fuzz/corpus/$target/"* "$corpus/"
    log="$root/build-fuzz/fuzz_$target.log"
    if ! (cd "$root/build-fuzz" && "./fuzz_$target" -max_total_time="$seconds" -max_len=4096 \
        "$corpus" >"$log" 2>&1); then
        tail -n 60 "$log"
        echo "fuzz_$target failed; the input is in build-fuzz/ (crash-*)." >&2
        exit 1
    fi
    echo "fuzz_$target: $(grep -E '^Done' "$log")"
    rm -rf "$corpus"
done
