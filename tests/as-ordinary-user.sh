#!/bin/sh
# Runs a test program as an ordinary user, so that file permissions hold: as it is for an
# ordinary user, through setpriv as "nobody" for root.
if [ "$(id -u)" != 0 ]; then
    exec "$@"
fi
run_as_nobody() {
    setpriv --reuid=nobody --regid=nogroup --clear-groups "$@"
}
if ! command -v setpriv >/dev/null 2>&1; then
    echo "skipped: setpriv (util-linux) is not installed"
    exit 77
fi
if ! run_as_nobody test -x "$1"; then
    echo "skipped: the user nobody cannot run $1"
    exit 77
fi
run_as_nobody "$@"
