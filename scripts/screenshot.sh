#!/usr/bin/env bash
# Makes the README's picture from the real program: starts Tavlora on a
# virtual screen with Turkish settings, chooses Sarı, Mor, Kırmızı and Altın
# from the keyboard, presses Hesapla and takes a picture of the main window.
# A QT_SCALE_FACTOR in the environment is passed on, for high-DPI checks.
# Usage: scripts/screenshot.sh [picture.png]   (default docs/screenshot.png)
set -euo pipefail
cd "$(dirname "$0")/.."
output=${1:-docs/screenshot.png}
source scripts/packages.sh
scripts/install-deps.sh "${screenshot_packages[@]}"
cmake -S . -B build -G Ninja
cmake --build build --target tavlora

pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
}
trap cleanup EXIT

display=51
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do
    display=$((display + 1))
done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    [ -e "/tmp/.X11-unix/X$display" ] && break
    sleep 0.1
done
export DISPLAY=":$display"

LC_ALL=tr_TR.UTF-8 LANG=tr_TR.UTF-8 QT_QPA_PLATFORM=xcb build/src/tavlora >/dev/null 2>&1 &
pids+=($!)
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Tavlora$' | head -n 1)

# xdotool counts screen pixels; the window is laid out in scaled ones.
scale=${QT_SCALE_FACTOR:-1}
scaled() { awk -v v="$1" -v s="$scale" 'BEGIN { printf "%d", v * s + 0.5 }'; }
eval "$(xdotool getwindowgeometry --shell "$window")"

# A click into the result box gives the window the focus; four steps back
# from there is the first list. A closed list starts with nothing chosen, so
# the first Down picks its first colour.
xdotool mousemove $((X + $(scaled 190))) $((Y + $(scaled 47))) click 1
sleep 0.3
xdotool key --delay 50 shift+Tab shift+Tab shift+Tab shift+Tab
choose() {
    for _ in $(seq "$1"); do
        xdotool key --delay 30 Down
    done
}
choose 5 # Sarı
xdotool key Tab
choose 8 # Mor
xdotool key Tab
choose 3 # Kırmızı
xdotool key Tab
choose 1 # Altın
xdotool key Return
xdotool mousemove 0 0
sleep 0.5

mkdir -p "$(dirname "$output")"
# Without time stamps, so that an unchanged window gives an unchanged file.
import -window "$window" -strip -define png:exclude-chunks=date,time "$output"
echo "$output"
