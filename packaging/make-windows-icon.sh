#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zarvelon developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Makes the program file's icon for Windows, src/ui/resources/zarvelon.ico,
# from packaging/zarvelon.svg: one 32 x 32 image of 256 colours (8 bits per
# pixel). Run it after changing the SVG and commit the result; the build
# does not run it, since Windows has neither tool.
#
# The picture at 32 pixels is opaque and has fewer than 256 colours, so
# without dithering the palette holds every one of them: the .ico shows
# exactly the window's 32-pixel icon, which the build draws with the same
# rsvg-convert command.
#
# Needs rsvg-convert (librsvg2-bin) and ImageMagick's convert (imagemagick).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

rsvg-convert --width 32 --height 32 "$root/packaging/zarvelon.svg" \
    | convert png:- -alpha off +dither -colors 256 "ico:$root/src/ui/resources/zarvelon.ico"
