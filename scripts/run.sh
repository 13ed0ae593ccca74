#!/usr/bin/env bash
# Builds Tavlora and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/install-deps.sh "${build_packages[@]}"
cmake -S . -B build -G Ninja
cmake --build build --target tavlora
exec build/src/tavlora "$@"
