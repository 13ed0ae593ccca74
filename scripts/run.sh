#!/usr/bin/env bash
# Builds Tavlora and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/install-deps.sh "${build_packages[@]}"
# Without the tests, which need tools the program does not.
cmake -S . -B build -G Ninja -DBUILD_TESTING=OFF
cmake --build build --target tavlora
exec build/src/tavlora "$@"
