#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zarvelon developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Sets up a Debian 12 machine for Zarvelon, builds it, and then either opens
# the window (run) or runs every test (test). Safe to run again: it installs
# only what is missing and rebuilds only what changed.
set -euo pipefail

mode=${1:-run}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"
jobs=$(nproc 2>/dev/null || echo 2)

build_packages=(cmake g++ make qt6-base-dev fonts-liberation)
# The end-to-end test drives the real window in a virtual X server; the
# resource test compiles the Windows resource script.
test_packages=(xvfb xauth xdotool xclip imagemagick binutils-mingw-w64-x86-64)

install_missing() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

configure_and_build() { # directory, extra cmake arguments...
    local dir=$1; shift
    cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
}

case "$mode" in
run)
    install_missing "${build_packages[@]}"
    configure_and_build "$build"
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "Zarvelon is built ($build/zarvelon), but there is no display to open its window on." >&2
        echo "Run it from a desktop session, or in a virtual X server: xvfb-run -a $build/zarvelon" >&2
        exit 1
    fi
    exec "$build/zarvelon"
    ;;
test)
    install_missing "${build_packages[@]}" "${test_packages[@]}"
    configure_and_build "$build"
    (cd "$build" && ctest --output-on-failure -j "$jobs")
    # The same tests once more, built with AddressSanitizer and
    # UndefinedBehaviorSanitizer: any finding fails the run.
    configure_and_build "$root/build-sanitize" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZARVELON_SANITIZE=ON
    (cd "$root/build-sanitize" && ctest --output-on-failure -j "$jobs")
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
