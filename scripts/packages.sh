# Debian packages the build and the tests need; sourced by the other scripts.
# fonts-liberation brings the narrow face the windows are laid out for.
build_packages=(g++ cmake ninja-build qt6-base-dev fonts-liberation)
# Xlib and DAMAGE for the start-up probe, built with the tests; clang with
# its libFuzzer and sanitizer runtimes for the fuzz target.
test_packages=("${build_packages[@]}" libx11-dev libxdamage-dev clang-14 libclang-rt-14-dev)
# The start-up benchmark's X server.
bench_packages=(xvfb)
