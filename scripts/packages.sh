# Debian packages the build and the tests need; sourced by the other scripts.
# fonts-liberation brings the narrow face the windows are laid out for.
build_packages=(g++ cmake ninja-build qt6-base-dev fonts-liberation)
test_packages=("${build_packages[@]}")
