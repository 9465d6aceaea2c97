#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zarvelon developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the Debian package from a build directory and checks it as a
# packager and a software centre would: lintian finds no error or warning,
# the AppStream metadata and the desktop entry inside it validate, and it
# holds every file a desktop program is expected to have.
# usage: check_deb.sh path/to/build
set -uo pipefail

build=${1:?usage: $0 path/to/build}
for tool in cpack dpkg-deb dpkg-shlibdeps lintian appstreamcli desktop-file-validate; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (scripts/setup.sh test installs it)" >&2
        exit 77
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log" >&2; echo "FAIL: cpack could not build the package" >&2; exit 1; }
deb=$(ls "$work"/zarvelon_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { echo "FAIL: no package was written" >&2; exit 1; }
echo "package: $(basename "$deb")"

# Errors and warnings fail, and so does a package lintian cannot read; the
# informational tags are shown.
lintian --fail-on error,warning --display-info "$deb" >"$work/lintian.log" 2>&1 \
    || fail "lintian reports errors or warnings, or cannot read the package"
sed 's/^/  lintian: /' "$work/lintian.log"

contents=$(dpkg-deb -c "$deb" | awk '{ sub("^\\./", "", $NF); print $NF }')
share=usr/share
expected=(
    usr/bin/zarvelon
    $share/applications/io.github.zarvelon.Zarvelon.desktop
    $share/metainfo/io.github.zarvelon.Zarvelon.metainfo.xml
    $share/icons/hicolor/scalable/apps/zarvelon.svg
    $share/man/man1/zarvelon.1.gz
    $share/man/bg/man1/zarvelon.1.gz
    $share/doc/zarvelon/copyright
    $share/doc/zarvelon/changelog.gz
)
for size in 16 22 24 32 48 64 128 256; do
    expected+=("$share/icons/hicolor/${size}x${size}/apps/zarvelon.png")
done
for path in "${expected[@]}"; do
    grep -qx -- "$path" <<<"$contents" || fail "the package lacks $path"
done

depends=$(dpkg-deb -f "$deb" Depends)
names=$(tr ',' '\n' <<<"$depends" | awk '{ print $1 }')
for package in libc6 libstdc++6 libgcc-s1 libqt6core6 libqt6widgets6 fonts-liberation qt6-translations-l10n; do
    grep -qxF "$package" <<<"$names" || fail "the package does not depend on $package: $depends"
done

# The files as installed: the metadata with the desktop entry and icons it
# names, and the entry on its own.
dpkg-deb -x "$deb" "$work/root"
appstreamcli validate-tree --no-net "$work/root" >"$work/appstream.log" 2>&1 \
    || { sed 's/^/  appstreamcli: /' "$work/appstream.log"; fail "appstreamcli validate-tree rejects the installed files"; }
appstreamcli validate --no-net "$work/root/$share/metainfo/"*.metainfo.xml >"$work/appstream.log" 2>&1 \
    || { sed 's/^/  appstreamcli: /' "$work/appstream.log"; fail "appstreamcli validate rejects the metadata"; }
grep -Eq '^[EW]: ' "$work/appstream.log" && fail "appstreamcli warns about the metadata"
desktop-file-validate "$work/root/$share/applications/"*.desktop >"$work/desktop.log" 2>&1
if [ -s "$work/desktop.log" ]; then
    sed 's/^/  desktop-file-validate: /' "$work/desktop.log"
    fail "desktop-file-validate finds faults in the desktop entry"
fi

# The changelog's newest entry is this version.
version=$(dpkg-deb -f "$deb" Version)
newest=$(zcat "$work/root/$share/doc/zarvelon/changelog.gz" | head -n 1)
[[ $newest == "zarvelon ($version) "* ]] || fail "the changelog's newest entry is '$newest', not version $version"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) of $(basename "$deb") failed" >&2
    exit 1
fi
echo "PASS: $(basename "$deb") is lintian-clean and holds the program, its desktop entry, metadata, icons, manual pages, copyright and changelog"
