#!/usr/bin/env bash
# Prints what a screen reader receives over AT-SPI from the running program:
# each object's role, name and text. Starts its own Xvfb, session bus and
# accessibility bus; needs a build in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh xvfb xauth dbus-x11 at-spi2-core python3-pyatspi gir1.2-atspi-2.0

if [ -z "${INSIDE_SESSION:-}" ]; then
    INSIDE_SESSION=1 exec dbus-run-session -- xvfb-run -a "$0" "$@"
fi
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
/usr/libexec/at-spi-bus-launcher --launch-immediately &
bus=$!
sleep 1
build/src/tavlora &
program=$!
sleep 2
/usr/bin/python3 scripts/accessibility-tree.py
kill "$program" "$bus" 2>/dev/null || true
