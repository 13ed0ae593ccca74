# Debian packages the build and the tests need; sourced by the other scripts.
# fonts-liberation brings the narrow face the windows are laid out for.
build_packages=(g++ cmake ninja-build qt6-base-dev fonts-liberation)
test_packages=("${build_packages[@]}")

# The icon is rendered from its drawing at build time; the tests validate the
# desktop entry and the AppStream data.
build_packages+=(librsvg2-bin)
test_packages+=(librsvg2-bin appstream desktop-file-utils)

# dpkg-shlibdeps works out the Debian package's dependencies (CPack finds the
# programs to give it with `file`); a test looks into the package too.
test_packages+=(dpkg-dev file)
package_packages=("${build_packages[@]}" dpkg-dev file)

# Driving the real program on a virtual screen for the README's picture.
screenshot_packages=("${build_packages[@]}" xvfb xdotool imagemagick)

# Xlib and DAMAGE for the start-up probe, built with the tests; clang with
# its libFuzzer and sanitizer runtimes for the fuzz target.
test_packages+=(libx11-dev libxdamage-dev clang-14 libclang-rt-14-dev)
# The start-up benchmark's X server.
bench_packages=(xvfb)
# The window tests also run on Xvfb under GTK's and qt6ct's platform themes,
# and with Qt's own texts in Turkish, which the program shows wherever it
# runs.
build_packages+=(qt6-translations-l10n)
test_packages+=(xvfb xauth qt6-gtk-platformtheme qt6ct qt6-translations-l10n)

# The manual pages are made from their scdoc sources at build time; the
# tests check the Debian package with lintian.
build_packages+=(scdoc)
test_packages+=(scdoc lintian)
package_packages+=(scdoc)
screenshot_packages+=(scdoc)
