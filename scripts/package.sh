#!/usr/bin/env bash
# Builds the Debian package of Tavlora into build/, to be installed with
#   sudo apt-get install ./build/tavlora_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/install-deps.sh "${package_packages[@]}"
# Without the tests, which need tools the package does not.
cmake -S . -B build -G Ninja -DBUILD_TESTING=OFF
cmake --build build
# The package's folders get the usual modes whatever the caller's umask.
(umask 022 && cpack -G DEB --config build/CPackConfig.cmake -B build)
ls build/tavlora_*.deb
