#!/bin/sh
# Reads a folder of labelled photos (labels.csv beside them) with the body
# ends Tavlora finds and, when an ends file is given or the folder is the
# shared measuring photos, with hand-marked ones; prints per source the
# shares read right, refused as too small, the body found in its box, the
# calibration table and the time per photo. Without a folder, every
# /work/shared/photos* folder with a labels.csv, one after the other.
# --shrink F reads each photo made F times as large (0 < F < 1), to see how
# small a part may be in a photo and still be read; --close-up K each photo
# with marked ends cut to K times the body's length around it and enlarged,
# as a microscope or a phone held close shows a part.
#
#   bench/photo-bench.sh [FOLDER [ENDS.csv]] [--verbose] [--per-photo] [--shrink F | --close-up K]
#
# BUILD_DIR chooses the build folder (default: build/ beside bench/).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=${BUILD_DIR:-$here/../build}
folder=
ends=
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
if [ -z "$folder" ]; then
    for labels in /work/shared/photos*/labels.csv; do
        each=$(dirname "$labels")
        if [ "$each" = /work/shared/photos ]; then
            "$build/bench/photo_bench" "$each" --ends "$here/photo-ends.csv" "$@"
        else
            "$build/bench/photo_bench" "$each" "$@"
        fi
    done
    exit 0
fi
if [ -n "$ends" ]; then
    exec "$build/bench/photo_bench" "$folder" --ends "$ends" "$@"
fi
exec "$build/bench/photo_bench" "$folder" "$@"
