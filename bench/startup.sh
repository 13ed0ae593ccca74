#!/usr/bin/env bash
# Start-up of Tavlora against the baseline window, on an X server of its own:
# time until the window is mapped, until it is first drawn, and peak
# resident memory, as medians of interleaved runs.
#
#   bash bench/startup.sh [RUNS]       (default 21; BENCH_DISPLAY=:61)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/install-deps.sh "${build_packages[@]}" "${bench_packages[@]}"
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target tavlora startup_baseline startup_probe

runs=${1:-21}
display=${BENCH_DISPLAY:-:61}
runtime=$(mktemp -d)
ready=$(mktemp)
cleanup() {
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
    rm -rf "$runtime" "$ready"
}
trap cleanup EXIT
# Xvfb writes its display number to the file once it accepts clients.
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -displayfd 3 3>"$ready" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$ready" ] && break
    kill -0 "$xvfb" 2>/dev/null || { echo "Xvfb could not start on $display" >&2; exit 1; }
    sleep 0.1
done
[ -s "$ready" ] || { echo "Xvfb did not come up on $display" >&2; exit 1; }

echo "Machine: $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)," \
    "$(. /etc/os-release && echo "$PRETTY_NAME")"
env -u QT_QPA_PLATFORM DISPLAY="$display" XDG_RUNTIME_DIR="$runtime" \
    build/bench/startup_probe -n "$runs" build/src/tavlora build/bench/startup_baseline
