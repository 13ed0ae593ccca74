#!/usr/bin/env bash
# Builds Tavlora and runs every test: the normal build, then the whole suite
# again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/install-deps.sh "${test_packages[@]}"

cmake -S . -B build -G Ninja
cmake --build build
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure

cmake -S . -B build-asan -G Ninja -DTAVLORA_SANITIZE=ON
cmake --build build-asan
QT_QPA_PLATFORM=offscreen ctest --test-dir build-asan --output-on-failure
