#!/usr/bin/env bash
# What an answer on the command line costs against `tavlora --version`: the
# two run alternately, without a desktop, and the ratio of their median
# wall times is printed (the goal is at most 1.3).
#
#   bash bench/cli.sh [RUNS]       (default 201)
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target tavlora >/dev/null
program=build/src/tavlora
runs=${1:-201}

# Microseconds of one run, from bash's own clock: no process of its own.
elapsed() {
    local start=$EPOCHREALTIME
    env -u DISPLAY -u WAYLAND_DISPLAY "$@" >/dev/null
    local end=$EPOCHREALTIME
    # The decimal mark follows the locale.
    echo $(((10#${end//[.,]/} - 10#${start//[.,]/})))
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

answers=$(mktemp)
versions=$(mktemp)
trap 'rm -f "$answers" "$versions"' EXIT
# A few runs first, so that both find the libraries in the page cache.
for _ in 1 2 3; do
    "$program" --version >/dev/null
    "$program" --bands "sarı mor kırmızı altın" >/dev/null
done
for ((i = 0; i < runs; ++i)); do
    elapsed "$program" --bands "sarı mor kırmızı altın" >>"$answers"
    elapsed "$program" --version >>"$versions"
done

answer=$(median <"$answers")
version=$(median <"$versions")
echo "Machine: $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)"
echo "Runs: $runs each, alternating"
echo "tavlora --bands \"sarı mor kırmızı altın\": median ${answer} µs"
echo "tavlora --version:                         median ${version} µs"
LC_ALL=C awk -v a="$answer" -v v="$version" 'BEGIN { printf "Ratio of medians: %.3f (goal: at most 1.3)\n", a / v }'
