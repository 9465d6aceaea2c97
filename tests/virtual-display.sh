# shellcheck shell=bash
# SPDX-FileCopyrightText: 2026 Zarvelon developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Sourced by the scripts that run the program in a virtual X server of their
# own: the end-to-end test, the test of the Windows installer and the
# start-up benchmark. Safe under `set -e`.

# How long a test waits for what the program shows, in seconds: enough for a
# busy two-core machine, where Wine alone may take most of a minute to start.
patience=120

# True as soon as the command succeeds, false once `seconds` have passed.
wait_until() { # seconds, command...
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# Ends a process that the script started, and waits for it.
stop_process() { # pid, or nothing
    [ -n "$1" ] || return 0
    kill "$1" 2>/dev/null || true
    for _ in $(seq 50); do
        kill -0 "$1" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

# The screen of the virtual X server, and what it shows: a screenshot into
# a folder, and the colours of its pixels.
screen_width=1024
screen_height=768
take_screenshot() { # folder: writes shot.png, and its pixels as bytes to shot.rgb
    timeout 10 import -window root "$1/shot.png" 2>/dev/null \
        && timeout 10 convert "$1/shot.png" -depth 8 "rgb:$1/shot.rgb"
}
screen_pixel() { # folder, x, y: the colour of the last screenshot there, as rrggbb
    od -An -tx1 -j $((($3 * screen_width + $2) * 3)) -N3 "$1/shot.rgb" | tr -d ' \n'
}

# --- Where the window's controls are -------------------------------------------
# A file of their rectangles on the screen, one line each: a control's name,
# x, y, width and height, separated by tabs; the scripts set `controls` to
# it. The Linux program's come from its accessibility tree, named as a
# screen reader names them (accessibility/controls.py); the Windows
# program's, under Wine, which has no accessibility bus, from the window's
# .ui, named by their object names (locate_ui_controls).

# Prints a control's x, y, width and height; fails for a control not there.
control_rect() { # name
    awk -F'\t' -v name="$1" '$1 == name { print $2, $3, $4, $5; found = 1; exit } END { exit !found }' "$controls"
}

# Prints the point of a control at a fraction of its width and of its
# height from its top-left corner, in per cent: by default its middle.
control_point() { # name[, x per cent, y per cent]
    local x y width height
    read -r x y width height < <(control_rect "$1") || return 1
    echo $((x + width * ${2:-50} / 100)) $((y + height * ${3:-50} / 100))
}

# A click on a control's point (control_point's) with a mouse button: 1 the
# left, 2 the middle, 3 the right. One xdotool call, so that the press
# cannot overtake the move; no --sync, which can wait for ever when the
# pointer is there already.
click_control() { # name[, button[, x per cent, y per cent]]
    local x y
    read -r x y < <(control_point "$1" "${3:-50}" "${4:-50}") || return 1
    timeout 5 xdotool mousemove "$x" "$y" click --delay 0 "${2:-1}"
}

# The inner area of a white control inside a frame, the canvas: the first
# white pixels inward from its left and its top edge, through its middle, on
# a screenshot into the folder. Sets inner_x and inner_y, its top-left pixel
# on the screen, and inner_width and inner_height, its size, the frame being
# as wide on every side.
locate_inner_area() { # folder, name
    local x y width height left=0 top=0
    read -r x y width height < <(control_rect "$2") && take_screenshot "$1" || return 1
    until [ "$(screen_pixel "$1" $((x + left)) $((y + height / 2)))" = ffffff ]; do
        ((++left < width / 2)) || return 1
    done
    until [ "$(screen_pixel "$1" $((x + width / 2)) $((y + top)))" = ffffff ]; do
        ((++top < height / 2)) || return 1
    done
    inner_x=$((x + left)) inner_y=$((y + top)) inner_width=$((width - 2 * left)) inner_height=$((height - 2 * top))
}

# The rectangles of the controls as a .ui lays them out, in the client area,
# the central widget's from its fixed size: their object names, x, y, width
# and height, separated by tabs.
ui_controls() { # .ui file
    awk -F'[<>]' '
        /<widget / { match($0, /name="[^"]*"/); name = substr($0, RSTART + 6, RLENGTH - 7) }
        /<property name="(geometry|minimumSize)">/ { in_rect = 1; x = 0; y = 0 }
        in_rect && $2 == "x" { x = $3 }
        in_rect && $2 == "y" { y = $3 }
        in_rect && $2 == "width" { width = $3 }
        in_rect && $2 == "height" { print name "\t" x "\t" y "\t" width "\t" $3; in_rect = 0 }' "$1"
}

# Writes the file of the controls' rectangles of the window laid out by the
# .ui: without a window manager the window has no frame, its menu bar
# standing above the client area, which is the .ui's central widget. Fails,
# with what is wrong in client_area_problem, when the window is not so.
locate_ui_controls() { # window id, .ui file, file to write
    local WIDTH HEIGHT X Y SCREEN WINDOW width height menu_height
    eval "$(timeout 5 xdotool getwindowgeometry --shell "$1")"
    read -r width height < <(ui_controls "$2" | awk -F'\t' '$1 == "centralWidget" { print $4, $5 }')
    menu_height=$((HEIGHT - height))
    if ! [ "$WIDTH" -eq "$width" ] || [ "$menu_height" -lt 10 ] || [ "$menu_height" -gt 60 ]; then
        client_area_problem="the window is $WIDTH x $HEIGHT; expected $width wide and a menu bar above $height rows"
        return 1
    fi
    ui_controls "$2" | awk -F'\t' -v OFS='\t' -v left="$X" -v top=$((Y + menu_height)) \
        '{ $2 += left; $3 += top; print }' >"$3"
}

# --- The accessibility tree -------------------------------------------------------
# The Linux program started with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 shows
# its accessible tree on the accessibility bus, which needs a session bus.
at_spi_launcher=/usr/libexec/at-spi-bus-launcher
# Debian's pyatspi is for Debian's own Python. The scripts leave the source
# tree as they found it: no __pycache__ beside them for the licence check to
# find.
accessibility_python=/usr/bin/python3
export PYTHONDONTWRITEBYTECODE=1

# Prints what is missing to read the accessibility tree; fails when nothing is.
missing_accessibility_tool() {
    local tool
    for tool in dbus-run-session "$at_spi_launcher" "$accessibility_python"; do
        command -v "$tool" >/dev/null || { echo "$tool is not installed"; return 0; }
    done
    "$accessibility_python" -c 'import pyatspi' 2>/dev/null && return 1
    echo "pyatspi is not installed (Debian package python3-pyatspi)"
}

# Run first, runs the script again on a session bus of its own.
on_own_session_bus() { # the script's arguments
    [ -n "${ZARVELON_ON_SESSION_BUS:-}" ] && return 0
    ZARVELON_ON_SESSION_BUS=1 exec dbus-run-session -- bash "$0" "$@" 2> >(grep -v 'Failed to set fd limit' >&2)
}

# Starts the accessibility bus on the session bus; sets bus_pid.
start_accessibility_bus() { # folder for its output
    "$at_spi_launcher" --launch-immediately >"$1/bus.log" 2>&1 &
    bus_pid=$!
}

# Writes the file of the controls' rectangles from the accessibility tree of
# the program of a process id, once the controls of those names are in it.
locate_accessible_controls() { # pid, file to write, name...
    local pid=$1 file=$2
    shift 2
    "$accessibility_python" "$(dirname "${BASH_SOURCE[0]}")/accessibility/controls.py" "$pid" "$patience" "$@" >"$file"
}

# Starts Xvfb on a free display of its own choosing: it writes the number,
# ended by a newline, once it accepts clients, so that no script guesses at
# which displays are taken. Sets xvfb_pid and exports DISPLAY; says why and
# fails when Xvfb has not started within 15 s.
start_virtual_display() { # folder for Xvfb's files
    local folder=$1
    Xvfb -displayfd 3 -screen 0 "${screen_width}x${screen_height}x24" -noreset -nolisten tcp \
        3>"$folder/display" >"$folder/xvfb.log" 2>&1 &
    xvfb_pid=$!
    if ! wait_until 15 display_written "$folder/display"; then
        echo "Xvfb did not start: $(tail -n 3 "$folder/xvfb.log")" >&2
        return 1
    fi
    export DISPLAY=":$display_number"
}

display_written() { # file: true once Xvfb has written the display's number
    kill -0 "$xvfb_pid" 2>/dev/null || return 1
    # read fails until the whole line, newline included, is there.
    read -r display_number 2>/dev/null <"$1"
}

# Whether the program shows that many windows: its main window, and each
# menu, dialog or message over it; not its tooltips, which come and go with
# the pointer's rest.
shows_windows() { # pid, count
    local count=0 id
    for id in $(timeout 10 xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
        timeout 5 xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q '_NET_WM_WINDOW_TYPE_TOOLTIP' \
            || count=$((count + 1))
    done
    [ "$count" -eq "$2" ]
}

# Whether the window that has the keyboard has that name.
focus_is_on() { # window name
    local focused
    focused=$(timeout 10 xdotool getwindowfocus 2>/dev/null) \
        && [ "$(timeout 10 xdotool getwindowname "$focused" 2>/dev/null)" = "$1" ]
}

# "К" on a key of its own. xdotool binds a key to a letter the keyboard
# lacks only for the moment of its press, and a busy program may look the
# key up after it is unbound: the first free key code after 8, which stands
# for no key, gets it (Wine passes on no character from the last free ones).
bind_cyrillic_ka() {
    local free_keycode
    free_keycode=$(timeout 10 xmodmap -pke | awk 'NF == 3 && $2 > 8 { print $2; exit }')
    timeout 10 xmodmap -e "keycode ${free_keycode:-0} = Cyrillic_ka Cyrillic_KA"
}

# Sets window to a visible window of that name, if there is one. xdotool
# ends with an error when a window it looks at goes, as Wine's windows of
# the start do: waited for, it looks again.
window_named() { # name pattern
    window=$(timeout 10 xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    [ -n "$window" ]
}

# Closes a window as a window manager's close button does, which Xvfb has
# none of: WM_DELETE_WINDOW sent to it, through libX11.
close_window() { # window id
    python3 - "$1" <<'PYTHON'
import ctypes, sys
x = ctypes.CDLL("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XInternAtom.restype = ctypes.c_ulong
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5), ("pad", ctypes.c_long * 12)]
display = x.XOpenDisplay(None)
message = ClientMessage(type=33, window=int(sys.argv[1]), format=32,
                        message_type=x.XInternAtom(display, b"WM_PROTOCOLS", 0))
message.data[0] = x.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
x.XCloseDisplay.argtypes = [ctypes.c_void_p]
sys.exit(not (x.XSendEvent(display, message.window, 0, 0, ctypes.byref(message)) and x.XCloseDisplay(display) == 0))
PYTHON
}
