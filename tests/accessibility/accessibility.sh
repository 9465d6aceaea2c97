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
launcher=/usr/libexec/at-spi-bus-launcher
# Debian's pyatspi is for Debian's own Python.
python=/usr/bin/python3
for tool in Xvfb xdotool dbus-run-session "$launcher" "$python"; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (scripts/setup.sh test installs it)" >&2
        exit 77
    fi
done
if ! "$python" -c 'import pyatspi' 2>/dev/null; then
    echo "SKIP: pyatspi is not installed (Debian package python3-pyatspi)" >&2
    exit 77
fi
# A session bus of the test's own, which the accessibility bus joins.
if [ -z "${ZARVELON_ON_SESSION_BUS:-}" ]; then
    ZARVELON_ON_SESSION_BUS=1 exec dbus-run-session -- bash "$0" "$@" 2> >(grep -v 'Failed to set fd limit' >&2)
fi
# shellcheck source-path=SCRIPTDIR/..
source "$here/../virtual-display.sh"

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
"$launcher" --launch-immediately >"$work/bus.log" 2>&1 &
bus_pid=$!
env -u LANG -u LANGUAGE LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    XDG_CONFIG_HOME="$work/config" "$binary" >"$work/app.log" 2>&1 &
app_pid=$!
window=$(timeout "$patience" xdotool search --sync --onlyvisible --pid "$app_pid" --name '^Zarvelon$' 2>/dev/null | head -n 1)
[ -n "$window" ] || fail "no visible window named Zarvelon within $patience s"
locate_client_area "$window" || fail "$client_area_problem"

# A right triangle, legs 30 and 40, pressed on the canvas's inner area.
for vertex in "20 20" "50 20" "20 60"; do
    read -r x y <<<"$vertex"
    timeout 5 xdotool mousemove $((client_x + 10 + x)) $((client_y + 34 + y)) click --delay 0 1 \
        || fail "xdotool could not click"
done

"$python" "$here/accessible_tree.py" "$app_pid" "$patience" || fail "the accessible tree is not what a screen reader needs"
echo "PASS"
