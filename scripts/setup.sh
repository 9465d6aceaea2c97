#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zarvelon developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Sets up a Debian 12 machine for Zarvelon and builds it, then:
#   run      opens the window (builds the program only);
#   test     runs every test, then again built with the sanitizers, and the
#            fuzz targets;
#   package  builds the Debian package and installs it with apt;
#   windows  builds the Windows program, its installer, its MSI package
#            and its zip into build-windows/ against a static Qt built once
#            from Debian's own Qt source (cached in ~/.cache/zarvelon), and
#            tests them under Wine.
# Safe to run again: it installs only what is missing and rebuilds only what
# changed. Packages are installed as root, through sudo when not root.
set -euo pipefail

mode=${1:-run}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"
jobs=$(nproc 2>/dev/null || echo 2)

# The compiler and Qt; the fonts and Qt's Bulgarian texts the window uses,
# and fontconfig's headers (the program reads the font configuration early);
# rsvg-convert, which draws the icons at build time.
build_packages=(cmake g++ make qt6-base-dev libfontconfig-dev fonts-liberation qt6-translations-l10n librsvg2-bin)
# cpack computes the package's dependencies with dpkg-shlibdeps.
package_packages=(dpkg-dev)
# The end-to-end test drives the real window in a virtual X server (xmodmap
# binds a key to a Cyrillic letter, xprop tells a tooltip from a window); the accessibility test reads it as a
# screen reader does, on a session bus (dbus-run-session) with the
# accessibility bus; the resource test compiles the Windows resource script;
# the printing test reads the printed PDF's text; the package test checks
# the package and the licence information as Debian would; clang with its
# runtime libraries builds the fuzz targets (libFuzzer).
test_packages=(xvfb xauth xdotool xclip x11-xserver-utils x11-utils imagemagick dbus-daemon at-spi2-core python3-pyatspi
               binutils-mingw-w64-x86-64 poppler-utils dpkg-dev lintian appstream desktop-file-utils reuse
               clang libclang-rt-14-dev)

# The Windows program: the cross compiler, Debian's Qt tools for the host
# side of the static Qt, dpkg-source for Qt's source package, Ninja; NSIS for
# the installer; wixl and msibuild (msitools) for the MSI package; Wine, a
# virtual X server and the tools that drive it for the tests (xmodmap binds a
# key to a Cyrillic letter, xprop reads the window's frame), with the locales
# of both decimal conventions.
windows_packages=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 qt6-base-dev-tools dpkg-dev
                  ninja-build nsis wixl msitools wine64 xvfb xauth xdotool xclip x11-xserver-utils x11-utils
                  imagemagick locales)
windows_locales=(bg_BG en_US)

# Runs a command as root: directly when root already, else through sudo.
as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null; then
        sudo "$@"
    else
        echo "Installing needs root, and sudo is not installed: run this script as root, or install sudo and give $(id -un) the right to use it." >&2
        exit 1
    fi
}

# Prints the command prefix as_root would use, for commands shown to the user.
root_prefix() { [ "$(id -u)" -eq 0 ] || echo "sudo "; }

install_missing() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing with apt-get: ${missing[*]}"
    as_root apt-get update
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

# The C library's locales the tests run the program under.
make_locales() { # language_TERRITORY...
    local name
    for name in "$@"; do
        locale -a 2>/dev/null | grep -qix "$name.utf-\?8" && continue
        echo "Making the locale $name.UTF-8"
        as_root localedef -i "$name" -f UTF-8 "$name.UTF-8"
    done
}

configure_and_build() { # directory, extra cmake arguments...
    local dir=$1; shift
    cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
}

case "$mode" in
run)
    install_missing "${build_packages[@]}"
    configure_and_build "$build" -DBUILD_TESTING=OFF
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        if command -v xvfb-run >/dev/null; then
            how="run it in a virtual X server: xvfb-run -a $build/zarvelon"
        else
            how="run it in a virtual X server: $(root_prefix)apt-get install xvfb xauth && xvfb-run -a $build/zarvelon"
        fi
        echo "Zarvelon is built, but there is no display here to open its window on: start $build/zarvelon from a desktop session, or $how" >&2
        exit 1
    fi
    exec "$build/zarvelon"
    ;;
test)
    install_missing "${build_packages[@]}" "${test_packages[@]}"
    configure_and_build "$build" -DBUILD_TESTING=ON
    (cd "$build" && ctest --output-on-failure -j "$jobs")
    # The same tests once more, built with AddressSanitizer and
    # UndefinedBehaviorSanitizer: any finding fails the run.
    configure_and_build "$root/build-sanitize" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZARVELON_SANITIZE=ON -DBUILD_TESTING=ON
    (cd "$root/build-sanitize" && ctest --output-on-failure -j "$jobs")
    # The readers of hostile input fuzzed with libFuzzer under the same
    # sanitizers, built with clang: each target a fixed number of inputs
    # grown from its seeds in tests/fuzz/corpus/.
    configure_and_build "$root/build-fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DZARVELON_FUZZ=ON
    (cd "$root/build-fuzz" && ctest --output-on-failure -j "$jobs")
    ;;
package)
    install_missing "${build_packages[@]}" "${package_packages[@]}"
    configure_and_build "$build" -DBUILD_TESTING=OFF
    (cd "$build" && cpack -G DEB)
    version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
    deb="$build/zarvelon_${version}_$(dpkg --print-architecture).deb"
    echo "Installing $deb with apt-get"
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$deb"
    ;;
windows)
    install_missing "${build_packages[@]}" "${windows_packages[@]}"
    make_locales "${windows_locales[@]}"
    qt=$(bash "$root/scripts/build-qt-windows.sh")
    # Qt's own CMake wrapper brings its toolchain, which brings ours.
    "$qt/bin/qt-cmake" -S "$root" -B "$root/build-windows" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON \
        -DQT_CHAINLOAD_TOOLCHAIN_FILE="$root/packaging/windows/mingw-w64-x86_64.cmake" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >/dev/null
    cmake --build "$root/build-windows" -j "$jobs"
    (cd "$root/build-windows" && ctest --output-on-failure -j "$jobs")
    ;;
*)
    echo "usage: $0 run|test|package|windows" >&2
    exit 2
    ;;
esac
