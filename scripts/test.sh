#!/usr/bin/env bash
# Builds Tavlora and runs every test: the normal build, the fuzz targets for a
# bounded time, then the whole suite again under AddressSanitizer and
# UndefinedBehaviorSanitizer.
#   FUZZ_SECONDS=600 bash scripts/test.sh    fuzzes longer (default 30 for
#                                            typed values, 15 for the others)
#   FUZZ_SEED=0 bash scripts/test.sh         fuzzes from a new random seed; the
#                                            default fixed seed makes every run
#                                            try the same inputs, so a run that
#                                            passed once passes again
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/install-deps.sh "${test_packages[@]}"

# build/ is shared with run.sh and package.sh, which leave the tests out.
cmake -S . -B build -G Ninja -DBUILD_TESTING=ON
cmake --build build
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure

# The fuzz target: clang, libFuzzer and sanitizers over the project's own
# sources. New inputs go to build-fuzz/corpus; the seeds stay as they are.
CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DTAVLORA_FUZZ=ON -DBUILD_TESTING=OFF
cmake --build build-fuzz --target fuzz_valueentry
mkdir -p build-fuzz/corpus
echo "Fuzzing the reading of typed values for ${FUZZ_SECONDS:-30} s"
if ! build-fuzz/fuzz/fuzz_valueentry -max_total_time="${FUZZ_SECONDS:-30}" -seed="${FUZZ_SEED:-1}" -print_final_stats=1 \
    -artifact_prefix=build-fuzz/ build-fuzz/corpus fuzz/corpus/valueentry \
    >build-fuzz/fuzz.log 2>&1; then
    tail -n 60 build-fuzz/fuzz.log
    echo "The fuzz target failed; the input is in build-fuzz/crash-*" >&2
    exit 1
fi
grep -E '^(Done|stat::(number_of_executed_units|new_units_added|peak_rss_mb))' build-fuzz/fuzz.log

# The colour words of the command line and the SMD markings, for a shorter
# time each unless FUZZ_SECONDS says otherwise; each keeps its own corpus.
cmake --build build-fuzz --target fuzz_colourwords fuzz_smd fuzz_capacitor fuzz_inductor
for target in colourwords smd capacitor inductor; do
    mkdir -p "build-fuzz/corpus-$target"
    echo "Fuzzing fuzz_$target for ${FUZZ_SECONDS:-15} s"
    if ! "build-fuzz/fuzz/fuzz_$target" -max_total_time="${FUZZ_SECONDS:-15}" -seed="${FUZZ_SEED:-1}" \
        -print_final_stats=1 \
        -artifact_prefix="build-fuzz/$target-" "build-fuzz/corpus-$target" "fuzz/corpus/$target" \
        >"build-fuzz/fuzz-$target.log" 2>&1; then
        tail -n 60 "build-fuzz/fuzz-$target.log"
        echo "fuzz_$target failed; the input is in build-fuzz/$target-crash-*" >&2
        exit 1
    fi
    grep -E '^(Done|stat::(number_of_executed_units|new_units_added|peak_rss_mb))' \
        "build-fuzz/fuzz-$target.log"
done

cmake -S . -B build-asan -G Ninja -DTAVLORA_SANITIZE=ON
cmake --build build-asan
QT_QPA_PLATFORM=offscreen ctest --test-dir build-asan --output-on-failure
