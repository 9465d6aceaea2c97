# shellcheck shell=bash
# SPDX-FileCopyrightText: 2026 Zarvelon developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Sourced by the tests that run the Windows program under Wine.

# The Wine loader and server: on PATH where the whole of Wine is installed;
# Debian's wine64 package alone keeps them in /usr/lib/wine. Wine itself
# finds the server through WINESERVER too.
: "${WINE:=$(command -v wine || command -v wine64 || echo /usr/lib/wine/wine64)}"
: "${WINESERVER:=$(command -v wineserver || echo /usr/lib/wine/wineserver)}"
export WINESERVER

# Makes a fresh 64-bit Wine prefix in `directory`, quietly:
# - without the offers to install Mono and Gecko, which the program needs
#   neither of;
# - without menu entries or file types written into the desktop of the
#   machine whenever a program in the prefix makes a shortcut;
# - as Windows 10, the oldest Windows the program supports (Debian's Wine
#   says Windows 7 otherwise);
# - with Liberation Serif in place of Times New Roman, which Wine lacks and
#   without which the window's texts come out wider than on Windows, and
#   clipped.
# Debian's Wine makes a folder in TMPDIR for the server of each prefix and
# leaves it behind: a TMPDIR that is removed with the prefix takes it along.
wine_make_prefix() { # directory
    local prefix=$1 setting key name value
    WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=-all \
        WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=" \
        "$WINE" wineboot --init >/dev/null 2>&1 || return 1
    for setting in 'HKCU\Software\Wine\DllOverrides|winemenubuilder.exe|' \
                   'HKCU\Software\Wine\Fonts\Replacements|Times New Roman|Liberation Serif'; do
        IFS='|' read -r key name value <<<"$setting"
        WINEPREFIX=$prefix WINEDEBUG=-all "$WINE" reg add "$key" /v "$name" /t REG_SZ /d "$value" /f \
            >/dev/null 2>&1 || return 1
    done
    WINEPREFIX=$prefix WINEDEBUG=-all "$WINE" winecfg -v win10 >/dev/null 2>&1
}

# A prefix of a test's own, in its work folder: Debian's Wine keeps its
# server's socket in a new folder of TMPDIR, which goes with the rest there.
wine_use_private_prefix() { # work folder
    mkdir -p "$1/tmp"
    export WINEPREFIX=$1/prefix WINEDEBUG=-all TMPDIR=$1/tmp
}

# Ends what such a test started, the program, the prefix's Wine server and
# the virtual X server (stop_process: ../virtual-display.sh), and removes
# its work folder.
wine_end_test() { # work folder, program's pid, Xvfb's pid
    stop_process "$2"
    [ -d "$WINEPREFIX" ] && "$WINESERVER" -k 2>/dev/null
    stop_process "$3"
    rm -rf "$1"
}
