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

# Finds the window's client area on the screen: the window is 481 wide, and
# without a window manager it has no frame, its menu bar standing above the
# client area of 481 x 424. Sets client_x and client_y; fails, with what is
# wrong in client_area_problem, when the window is not so.
locate_client_area() { # window id
    local WIDTH HEIGHT X Y SCREEN WINDOW menu_height
    eval "$(timeout 5 xdotool getwindowgeometry --shell "$1")"
    menu_height=$((HEIGHT - 424))
    if ! [ "$WIDTH" -eq 481 ] || [ "$menu_height" -lt 10 ] || [ "$menu_height" -gt 60 ]; then
        client_area_problem="the window is $WIDTH x $HEIGHT; expected 481 wide and a menu bar above 424 rows"
        return 1
    fi
    client_x=$X
    client_y=$((Y + menu_height))
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
