#!/usr/bin/env bash
# Runs one test as on a desktop, but in a session of its own: an Xvfb, a
# session bus and, started through that bus when asked for, the
# accessibility bus. Qt's D-Bus thread and GTK's accessibility bridge then
# find what they look for on every desktop; without it they keep memory
# that LeakSanitizer reports. Nothing reaches the user's own session.
#   tests/on-display.sh COMMAND [ARGUMENT...]
set -uo pipefail
if [ -z "${TAVLORA_TEST_SESSION:-}" ]; then
    exec env TAVLORA_TEST_SESSION=1 dbus-run-session -- "$0" "$@"
fi
unset AT_SPI_BUS_ADDRESS

# The buses' sockets go to a runtime folder of the test's own.
runtime=$(mktemp -d -t tavlora-test.XXXXXX) || exit 1
xvfb=
cleanup() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
    rm -rf "$runtime"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number once it accepts
# clients: no race with other X servers starting at the same time.
Xvfb -screen 0 1280x1024x24 -nolisten tcp -displayfd 3 3>"$runtime/display" 2>"$runtime/xvfb.log" &
xvfb=$!
for _ in $(seq 300); do
    [ -s "$runtime/display" ] && break
    if ! kill -0 "$xvfb" 2>/dev/null; then
        xvfb=
        echo "Xvfb did not start:" >&2
        cat "$runtime/xvfb.log" >&2
        exit 1
    fi
    sleep 0.1
done
[ -s "$runtime/display" ] || { echo "Xvfb did not come up within 30 s" >&2; exit 1; }

DISPLAY=:$(head -n 1 "$runtime/display") XDG_RUNTIME_DIR=$runtime "$@"
