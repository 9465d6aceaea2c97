#!/usr/bin/env bash
# Builds the Debian package from a build directory and checks what it holds:
# the program, its desktop entry and icon, and the packages it depends on.
# usage: check_deb.sh path/to/build
set -euo pipefail

build=${1:?usage: $0 path/to/build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log" >&2; echo "FAIL: cpack could not build the package" >&2; exit 1; }
deb=$(ls "$work"/zarvelon_*_amd64.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { echo "FAIL: no package was written" >&2; exit 1; }

contents=$(dpkg-deb -c "$deb")
for path in ./usr/bin/zarvelon ./usr/share/applications/zarvelon.desktop \
            ./usr/share/icons/hicolor/32x32/apps/zarvelon.png; do
    grep -q " $path\$" <<<"$contents" || { echo "FAIL: the package lacks $path" >&2; exit 1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 fonts-liberation; do
    grep -q "$package" <<<"$depends" || { echo "FAIL: the package does not depend on $package" >&2; exit 1; }
done
echo "package $(basename "$deb") holds the program, its desktop entry and icon"
