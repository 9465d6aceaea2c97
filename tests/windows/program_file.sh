#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zarvelon developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Windows program file stands alone: it imports Windows' own DLLs only,
# none of Qt, the C++ runtime, GCC or the thread library, so that it runs on
# a bare Windows 10 or 11 with nothing beside it; Windows loads it at a
# random address and never runs its data; and it is small enough to hand
# round on a school's network. Prints its size.
# usage: program_file.sh path/to/zarvelon.exe path/to/wine-prefix
set -uo pipefail

exe=${1:?usage: $0 path/to/zarvelon.exe path/to/wine-prefix}
prefix=${2:?usage: $0 path/to/zarvelon.exe path/to/wine-prefix}
objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump}
if ! command -v "$objdump" >/dev/null; then
    echo "SKIP: $objdump is not installed (Debian package binutils-mingw-w64-x86-64)" >&2
    exit 77
fi
largest=$((16 * 1024 * 1024))
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

size=$(stat -c %s "$exe")
echo "zarvelon.exe: $size bytes ($(( (size + 524288) / 1048576 )) MB); at most $largest"
[ "$size" -le "$largest" ] || fail "the program file is larger than 16 MB"

imports=$("$objdump" -p "$exe" | sed -n 's/^\tDLL Name: //p')
[ -n "$imports" ] || fail "no imports read from $exe"
echo "imports: $(paste -sd ' ' <<<"$imports")"
# Windows' own libraries are those every Windows has in its system folder,
# as Wine has them in a fresh prefix, and the API sets (api-ms-win-...),
# which Windows' loader maps onto them.
system32=$prefix/drive_c/windows/system32
[ -d "$system32" ] || { echo "FAIL: no Wine prefix at $prefix" >&2; exit 1; }
while read -r dll; do
    case "${dll,,}" in api-ms-win-* | ext-ms-win-*) continue ;; esac
    [ -n "$(find "$system32" -maxdepth 1 -iname "$dll" -print -quit)" ] \
        || fail "imports $dll, which Windows does not have of its own"
done <<<"$imports"

headers=$("$objdump" -p "$exe")
for protection in DYNAMIC_BASE HIGH_ENTROPY_VA NX_COMPAT; do
    grep -qw "$protection" <<<"$headers" || fail "the program file lacks $protection"
done

if [ "$failures" -ne 0 ]; then
    exit 1
fi
echo "PASS: $exe imports Windows' own DLLs only, with ASLR and DEP"
