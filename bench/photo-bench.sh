#!/bin/sh
# Reads a folder of labelled photos (labels.csv beside them) with the body
# ends Tavlora finds and, when an ends file is given or the folder is the
# shared measuring photos, with hand-marked ones; prints the shares read
# right per source and the time per photo.
#
#   bench/photo-bench.sh [FOLDER [ENDS.csv]] [--verbose]
#
# BUILD_DIR chooses the build folder (default: build/ beside bench/).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=${BUILD_DIR:-$here/../build}
folder=/work/shared/photos
ends=$here/photo-ends.csv
if [ $# -gt 0 ] && [ "${1#--}" = "$1" ]; then
    folder=$1
    ends=
    shift
    if [ $# -gt 0 ] && [ "${1#--}" = "$1" ]; then
        ends=$1
        shift
    fi
fi
nice -n 10 cmake --build "$build" --target photo_bench >/dev/null
if [ -n "$ends" ]; then
    exec "$build/bench/photo_bench" "$folder" --ends "$ends" "$@"
fi
exec "$build/bench/photo_bench" "$folder" "$@"
