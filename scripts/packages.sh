# Debian packages each command needs; sourced by the other scripts. Each list
# holds only what its command uses, so that `run.sh` on a fresh machine
# brings no test tools.

# Building and starting the program. fonts-liberation brings the narrow face
# the windows are laid out for; the icon is rendered from its drawing and the
# manual pages are made from their scdoc sources at build time; Qt's own
# texts are Turkish, which the program shows wherever it runs. The English
# texts are compiled from their translation file (lrelease, and the CMake
# functions that call it).
build_packages=(g++ cmake ninja-build qt6-base-dev fonts-liberation librsvg2-bin scdoc
    qt6-translations-l10n qt6-tools-dev qt6-l10n-tools)

# The Debian package: dpkg-shlibdeps works out its dependencies (CPack finds
# the programs to give it with `file`).
package_packages=("${build_packages[@]}" dpkg-dev file)

# Driving the real program on a virtual screen for the README's picture.
screenshot_packages=("${build_packages[@]}" xvfb xdotool imagemagick)

# The start-up benchmark's X server.
bench_packages=(xvfb)

# The tests: they validate the desktop entry and the AppStream data, look
# into the Debian package and check it with lintian.
test_packages=("${package_packages[@]}" appstream desktop-file-utils lintian)
# Xlib and DAMAGE for the start-up probe, built with the tests; clang with
# its libFuzzer and sanitizer runtimes for the fuzz target.
test_packages+=(libx11-dev libxdamage-dev clang-14 libclang-rt-14-dev)
# The window tests run under Turkish and English settings, compiled from the
# locales' sources into the build folder; the main and value-entry windows
# again under GTK's and qt6ct's platform themes, each run in a session of its
# own: an Xvfb, a session bus (dbus-run-session) and the accessibility bus
# that bus starts.
test_packages+=(locales xvfb dbus-daemon at-spi2-core qt6-gtk-platformtheme qt6ct)
