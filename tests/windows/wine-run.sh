#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zarvelon developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs a Windows program under Wine in a prefix of the build: the emulator
# through which ctest starts the tests built for Windows. The program's exit
# status is this script's.
# usage: wine-run.sh PREFIX PROGRAM [ARGUMENT...]
#        wine-run.sh --make PREFIX     makes the prefix afresh
#        wine-run.sh --stop PREFIX     ends the prefix's Wine server
set -uo pipefail
# shellcheck source=wine-prefix.sh
source "$(dirname "${BASH_SOURCE[0]}")/wine-prefix.sh"
if ! [ -x "$WINE" ]; then
    echo "SKIP: Wine is not installed (Debian package wine64)" >&2
    exit 77
fi

# A path of the build machine as the Windows program sees it: Wine's drive
# Z: is the root folder.
windows_path() { local path; path=$(realpath -m "$1"); echo "Z:${path//\//\\}"; }

case "$1" in
--make)
    rm -rf "$2"
    mkdir -p "$2/tmp"
    # Wine's server keeps its socket in TMPDIR: inside the prefix, it goes with it.
    TMPDIR=$2/tmp wine_make_prefix "$2"
    ;;
--stop)
    TMPDIR=$2/tmp WINEPREFIX=$2 "$WINESERVER" -k 2>/dev/null
    exit 0
    ;;
*)
    prefix=$1
    program=$(windows_path "$2")
    shift 2
    # Wine hands the program no variable whose name starts with QT_, and the
    # tests set Qt's platform and scale that way: a batch file of the Windows
    # command interpreter sets them again, then starts the program.
    batch=$(mktemp "$prefix/tmp/run-XXXXXX.bat")
    trap 'rm -f "$batch"' EXIT
    {
        env | grep '^QT_' | sed 's/^/@set /'
        echo "@\"$program\" %*"
        echo "@exit /b %ERRORLEVEL%"
    } | sed 's/$/\r/' >"$batch"
    TMPDIR=$prefix/tmp WINEPREFIX=$prefix WINEDEBUG=-all "$WINE" cmd /c "$(windows_path "$batch")" "$@"
    ;;
esac
