#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zarvelon developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Checks the icon and every value of the version record in the program
# file's resource script, compiled with the MinGW resource compiler, or in
# the Windows program file itself.
# usage: check_rc.sh path/to/zarvelon.rc | path/to/zarvelon.exe
set -uo pipefail

rc=${1:?usage: $0 path/to/zarvelon.rc or .exe}
windres=${WINDRES:-x86_64-w64-mingw32-windres}
if ! command -v "$windres" >/dev/null; then
    echo "SKIP: $windres is not installed (Debian package binutils-mingw-w64-x86-64)" >&2
    exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# The MinGW C compiler, windres's default preprocessor, is not needed: the
# script uses no headers, so the host's preprocessor does. A program file's
# resources windres reads as they are.
case "$rc" in
*.exe) read_resources=("$windres" -J coff -i "$rc") ;;
*) read_resources=("$windres" --preprocessor=cpp --preprocessor-arg=-DRC_INVOKED -I "$(dirname "$rc")" -i "$rc") ;;
esac
if ! "${read_resources[@]}" -O res -o "$work/zarvelon.res"; then
    echo "FAIL: $windres could not read the resources of $rc" >&2
    exit 1
fi

# Each string of the table, with the value that must follow its name.
expected_strings=(
    "CompanyName=Zarvelon Project"
    "FileDescription=Zarvelon - area of a convex polygon"
    "FileVersion=1.00"
    "InternalName=Zarvelon"
    "LegalCopyright=Copyright (C) Zarvelon Project"
    "LegalTrademarks=Zarvelon"
    "OriginalFilename=Zarvelon.exe"
    "ProductName=Zarvelon"
    "ProductVersion=1.00"
)
# -n 1: a too short value must show as itself, not be skipped.
strings -el -n 1 "$work/zarvelon.res" >"$work/strings"
for entry in "${expected_strings[@]}"; do
    name=${entry%%=*} value=${entry#*=}
    actual=$(awk -v name="$name" 'found { print; exit } $0 == name { found = 1 }' "$work/strings")
    [ "$actual" = "$value" ] || fail "$name is '$actual', expected '$value'"
done
grep -qx '040904B0' "$work/strings" || fail "no string table for US English in Unicode (040904B0)"

# The fixed part, the translation and the icon, as the resource compiler
# reads them back from the compiled file.
"$windres" -i "$work/zarvelon.res" -O rc -o "$work/decompiled.rc" || fail "$windres could not read the compiled file back"
expect_line() { # pattern, what it means
    grep -Eq "$1" "$work/decompiled.rc" || fail "$2 (no line matching '$1')"
}
expect_line '^ *FILEVERSION 1, 0, 0, 0$' "file version is not 1.0.0.0"
expect_line '^ *PRODUCTVERSION 1, 0, 0, 0$' "product version is not 1.0.0.0"
expect_line '^ *VALUE "Translation", 0x409, 1200$' "translation is not US English, Unicode"
expect_line 'Has 1 elements' "the icon group does not hold exactly one image"
# The group's one entry: "width height colours reserved", planes, bits per pixel.
expect_line '^ *"\\040\\040\\000\\000", 1, 8,' "the icon is not one 32 x 32 image of 256 colours"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) of $rc failed" >&2
    exit 1
fi
echo "PASS: $rc holds the icon and the expected version record"
