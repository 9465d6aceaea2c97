#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zarvelon developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds a static Qt for 64-bit Windows from Debian's own Qt source, once,
# into a cache outside the checkout, and prints where it is. A later run
# with the same configuration reuses it; a changed configuration (this
# script, the toolchain file or the Qt source version) builds it again.
#
# Only what the program and its tests link is built: Core, Gui, Widgets,
# Test and Print Support. Debian's own Qt (qt6-base-dev-tools, the same
# version) serves as the host tools moc, rcc and uic.
#
# Needs: dpkg-dev (dpkg-source), g++-mingw-w64-x86-64-posix, cmake,
# ninja-build, qt6-base-dev, qt6-base-dev-tools; scripts/setup.sh windows
# installs them.
#
# usage: build-qt-windows.sh   (prints the Qt prefix on its last line)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
host_qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)   # e.g. 6.4.2+dfsg-10
qt_version=${host_qt_version%%+*}
cache=${ZARVELON_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zarvelon}
prefix=$cache/qt-$qt_version-mingw-static
# The cached Qt refers to the toolchain it was built with: a copy in the
# cache, which outlives the checkout that made it. Projects configured
# against that Qt name their own (QT_CHAINLOAD_TOOLCHAIN_FILE).
toolchain_source=$root/packaging/windows/mingw-w64-x86_64.cmake
toolchain=$cache/mingw-w64-x86_64.cmake
jobs=$(nproc 2>/dev/null || echo 2)

configure_args=(
    -prefix "$prefix" -static -release
    -platform linux-g++ -xplatform win32-g++ -qt-host-path /usr
    -nomake examples -nomake tests
    # Modules and features the program does not use: not built at all.
    -no-dbus -no-opengl -no-feature-vulkan -no-feature-sql -no-feature-network
    -no-feature-concurrent -no-feature-xml -no-feature-graphicsview
    -no-feature-textodfwriter -no-feature-textmarkdownreader -no-feature-textmarkdownwriter
    -no-feature-printpreviewwidget -no-feature-printpreviewdialog
    # No Direct2D platform plugin. Qt 6.4 builds its DirectWrite font engine
    # only together with Direct2D, so that goes too: Qt 6.4 draws text with
    # GDI by default anyway. FreeType stays: the headless platform that the
    # tests run on draws text with it.
    -no-feature-direct2d -no-feature-directwrite
    # Debian's source leaves out the tablet (wintab) headers.
    -no-feature-tabletevent
    # A small program file: code optimized for size, and unused functions
    # and data dropped when the program is linked.
    -optimize-size -gc-binaries
    -qt-zlib -qt-libpng -no-libjpeg -qt-pcre -qt-harfbuzz -qt-freetype
    --
    -DCMAKE_TOOLCHAIN_FILE="$toolchain"
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -G Ninja
)

# What the cached Qt was built from, wherever the checkout is: compared
# before reusing it.
stamp=$( { echo "$host_qt_version"; printf '%s\n' "${configure_args[@]}"; cat "$toolchain_source"; } | sha256sum | cut -d' ' -f1)
if [ -f "$prefix/zarvelon-stamp" ] && [ "$(cat "$prefix/zarvelon-stamp")" = "$stamp" ]; then
    echo "Static Qt $qt_version for Windows: reusing $prefix" >&2
    echo "$prefix"
    exit 0
fi

started=$(date +%s)
mkdir -p "$cache"
source_dir=$cache/qt6-base-$qt_version
if [ ! -x "$source_dir/configure" ]; then
    # Debian's source package, fetched with a private source list so that the
    # machine's own apt sources stay as they are.
    downloads=$cache/downloads
    lists=$downloads/lists
    mkdir -p "$lists/partial"
    release=$(. /etc/os-release && echo "$VERSION_CODENAME")
    # The suites Debian's own Qt may have come from, point releases and
    # security updates included.
    printf 'deb-src http://deb.debian.org/debian %s main\n' "$release" "$release-updates" >"$downloads/sources.list"
    echo "deb-src http://deb.debian.org/debian-security $release-security main" >>"$downloads/sources.list"
    apt_options=(-o "Dir::Etc::SourceList=$downloads/sources.list" -o Dir::Etc::SourceParts=/dev/null
                 -o "Dir::State::Lists=$lists" -o APT::Sandbox::User=root)
    echo "Fetching Debian's source of Qt $host_qt_version" >&2
    apt-get "${apt_options[@]}" update >&2
    (cd "$downloads" && apt-get "${apt_options[@]}" source --download-only "qt6-base=$host_qt_version" >&2)
    rm -rf "$source_dir"
    dpkg-source --no-check --no-copy -x "$downloads"/qt6-base_"$host_qt_version".dsc "$source_dir" >&2
fi

# Built beside the cached Qt, which stays usable until the new one is
# installed in its place.
build_dir=$cache/qt-build
staging=$prefix.new
rm -rf "$build_dir" "$staging"
mkdir -p "$build_dir"
cp "$toolchain_source" "$toolchain"
echo "Configuring static Qt $qt_version for Windows into $prefix" >&2
(cd "$build_dir" && "$source_dir/configure" "${configure_args[@]}" >configure.log 2>&1) || {
    tail -n 40 "$build_dir/configure.log" >&2
    exit 1
}
echo "Building static Qt $qt_version for Windows ($jobs jobs); this takes a while, once" >&2
cmake --build "$build_dir" --parallel "$jobs" >&2
cmake --install "$build_dir" --prefix "$staging" >/dev/null
echo "$stamp" >"$staging/zarvelon-stamp"
rm -rf "$prefix" "$build_dir"
mv "$staging" "$prefix"
echo "Static Qt $qt_version for Windows built in $(( ($(date +%s) - started) / 60 )) min $(( ($(date +%s) - started) % 60 )) s" >&2
echo "$prefix"
