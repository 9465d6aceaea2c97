#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zarvelon developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# What a screen reader reads of the window: runs the real program in a
# virtual X server on a session bus of its own with the accessibility bus,
# places a triangle with real presses, and reads the accessible tree as an
# assistive technology does (AT-SPI, pyatspi): the buttons' names, the lists'
# rows, the report's text and the canvas's description, before and after
# "Контур", pressed through the tree.
# usage: accessibility.sh path/to/zarvelon
set -uo pipefail

binary=${1:?usage: $0 path/to/zarvelon}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source-path=SCRIPTDIR/..
source "$here/../virtual-display.sh"
for tool in Xvfb xdotool import convert od timeout; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (scripts/setup.sh test installs it)" >&2
        exit 77
    fi
done
if missing=$(missing_accessibility_tool); then
    echo "SKIP: $missing (scripts/setup.sh test installs it)" >&2
    exit 77
fi
on_own_session_bus "$@"

work=$(mktemp -d)
xvfb_pid=
bus_pid=
app_pid=
cleanup() {
    stop_process "$app_pid"
    stop_process "$bus_pid"
    stop_process "$xvfb_pid"
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

start_virtual_display "$work" || fail "no virtual X server"
start_accessibility_bus "$work"
env -u LANG -u LANGUAGE LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" "$binary" >"$work/app.log" 2>&1 &
app_pid=$!
controls=$work/controls
locate_accessible_controls "$app_pid" "$controls" "Платно" || fail "no canvas in the accessible tree"
wait_until "$patience" locate_inner_area "$work" "Платно" || fail "the canvas is not shown white in its frame"

# A right triangle, legs 30 and 40, pressed on the canvas's inner area.
for vertex in "20 20" "50 20" "20 60"; do
    read -r x y <<<"$vertex"
    timeout 5 xdotool mousemove $((inner_x + x)) $((inner_y + y)) click --delay 0 1 || fail "xdotool could not click"
done

"$accessibility_python" "$here/accessible_tree.py" "$app_pid" "$patience" \
    || fail "the accessible tree is not what a screen reader needs"
echo "PASS"
