#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zarvelon developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The real Windows program under Wine, in a virtual X server: under a
# Bulgarian and under an English locale, the window opens with the layout and
# colours of the Linux program, its menus are Bulgarian, and a board
# placed with real presses gives the report the Linux program gives, byte for
# byte, with the decimal comma of the Bulgarian settings and the point of the
# English ones (Wine takes Windows' regional settings from the locale).
# The program is killed at the end of each run, and the next start after the
# last shows its board and report again from its recovery file.
# Prints the time from start to window shown. Runs in a Wine prefix of its
# own, whose server has the virtual display from its start. Wine has no
# accessibility bus: the controls are found where the window's .ui lays
# them out, in the window's client area.
# usage: e2e.sh zarvelon.exe
set -uo pipefail

exe=${1:?usage: $0 zarvelon.exe}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source-path=SCRIPTDIR
source "$here/wine-prefix.sh"
# shellcheck source-path=SCRIPTDIR/..
source "$here/../virtual-display.sh"
ui=$here/../../src/ui/MainWindow.ui

for tool in "$WINE" "$WINESERVER" Xvfb xdotool xclip xmodmap xprop import convert od timeout; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (scripts/setup.sh windows installs it)" >&2
        exit 77
    fi
done
locales=(bg_BG.UTF-8 en_US.UTF-8)
for name in "${locales[@]}"; do
    if ! locale -a 2>/dev/null | grep -qix "${name%.UTF-8}.utf-\?8"; then
        echo "SKIP: the locale $name is not made (scripts/setup.sh windows makes it)" >&2
        exit 77
    fi
done

work=$(mktemp -d)
xvfb_pid=
app_pid=
artifacts=${E2E_ARTIFACTS:-$PWD}
wine_use_private_prefix "$work"
trap 'wine_end_test "$work" "$app_pid" "$xvfb_pid"' EXIT

fail() {
    echo "FAIL: $*" >&2
    [ -f "$work/shot.png" ] && cp "$work/shot.png" "$artifacts/windows-e2e-failure.png" \
        && echo "  last screenshot: $artifacts/windows-e2e-failure.png" >&2
    exit 1
}

# --- the screen --------------------------------------------------------------

# The inner area of the canvas on the screen (locate_inner_area), where the
# canvas's own coordinates start.
inner_x=0
inner_y=0
canvas_x() { echo $((inner_x + $1)); }
canvas_y() { echo $((inner_y + $1)); }
canvas_pixel_is() { # colour, x, y
    take_screenshot "$work" && [ "$(screen_pixel "$work" "$(canvas_x "$2")" "$(canvas_y "$3")")" = "$1" ]
}

# The layout: every control's face where the .ui puts the control, as the
# Linux program shows it, four pixels inside its left edge, through its
# middle. Lists in wrong what is not.
faces=("c0c0ff centralWidget the window's lavender" "ffc080 titleLabel the title" "ff8000 contourButton \"Контур\""
       "00ff00 inOrderButton \"Поред\"" "ffc080 numberLabel the label N" "ff0000 clearButton \"Чисти\""
       "ff00ff deleteButton \"Трий 1т\"" "ffffff canvas the canvas")
laid_out_as_on_linux() {
    local colour control what x y width height actual
    wrong=()
    take_screenshot "$work" || return 1
    for face in "${faces[@]}"; do
        read -r colour control what <<<"$face"
        read -r x y width height < <(control_rect "$control") || return 1
        actual=$(screen_pixel "$work" $((x + 4)) $((y + height / 2)))
        [ "$actual" = "$colour" ] || wrong+=("$what at ($((x + 4)), $((y + height / 2))) is #$actual, expected #$colour")
    done
    [ ${#wrong[@]} -eq 0 ]
}

# Wine hands the window's frame to X as _MOTIF_WM_HINTS: its flags, then the
# functions that a window manager may offer, where 2 is resizing.
frame_is_fixed() { # window
    local flags functions
    IFS=', ' read -r flags functions _ < <(timeout 10 xprop -id "$1" _MOTIF_WM_HINTS | sed -n 's/.* = //p')
    [ -n "$functions" ] && ((flags & 1 && !(functions & 2)))
}

# --- mouse, keyboard and clipboard --------------------------------------------

click_at() { # screen x, y[, button]
    timeout 5 xdotool mousemove "$1" "$2" click --delay 0 "${3:-1}" \
        || fail "xdotool could not click at ($1, $2)"
}
click_canvas() { click_at "$(canvas_x "$1")" "$(canvas_y "$2")"; }
# A control by its name in the .ui, with a mouse button.
click_named() { # name[, button]
    click_control "$@" || fail "xdotool could not click $1"
}
click_report() { click_named report "${1:-1}"; }
keys() { timeout 5 xdotool key --clearmodifiers "$@" || fail "xdotool could not press $*"; }

# A press on the canvas, and its dot on the screen: its right-most pixel,
# which no earlier dot of the board covers (the last vertex lies one pixel
# off the first).
place_vertex() { # canvas x, y
    click_canvas "$1" "$2"
    wait_until "$patience" canvas_pixel_is 000000 $(($1 + 2)) "$2" || fail "$name: no dot at ($1, $2) after a press there"
}

no_copy_yet=$'\x01nothing copied\x01'
# Wine hands a copy to X a moment later, and a read can come back empty:
# read again until the copy is there.
clipboard() { timeout 10 xclip -o -selection clipboard 2>/dev/null | tr -d '\r'; }
copied_into() { # file
    clipboard >"$1" && [ -s "$1" ] && [ "$(cat "$1")" != "$no_copy_yet" ]
}

# The whole report copied by the report box's context menu: its item
# "Копирай", whose key is the Cyrillic К.
copy_report_by_menu() {
    printf '%s' "$no_copy_yet" | timeout 5 xclip -i -selection clipboard >/dev/null 2>&1
    click_report
    keys ctrl+a
    click_report 3
    wait_until "$patience" shows_windows "$app_pid" 2 || fail "$name: the right button opened no context menu"
    keys Cyrillic_ka
}

# --- the runs ----------------------------------------------------------------

start_virtual_display "$work" || fail "no virtual X server"
# Before Wine starts, which reads the keyboard's map once.
bind_cyrillic_ka || fail "no free key for \"К\""
wine_make_prefix "$WINEPREFIX" || fail "Wine could not make a prefix"

# Four vertices whose report has decimals in every kind of number: side
# lengths, Heron's areas, a determinant's half and the total.
board=("170 107" "300 147" "249 153" "171 108")
expected_report() { # decimal separator
    sed "s/\\./$1/g" <<'REPORT'
Върхове: 123 с координати: 170,107; 300,147; 249,153
Страни: a = 51.352; b = 91.417; c = 136.015
Лице по Херон = 1410.00000000001; Лице ориентирано = 1410

Върхове: 134 с координати: 170,107; 249,153; 171,108
Страни: a = 90.050; b = 1.414; c = 91.417
Лице по Херон = 16.4999999999993; Лице ориентирано = 16.5

Лице на изпъкналия многоъгълник = 1426.5
REPORT
}

# The program's recovery file, which each run of a locale starts without,
# of a computed board.
computed_board_kept() {
    grep -qsx computed=in-order "$WINEPREFIX"/drive_c/users/*/AppData/Local/Zarvelon/Zarvelon/recovery-1.txt
}
for name in "${locales[@]}"; do
    rm -rf "$WINEPREFIX"/drive_c/users/*/AppData/Local/Zarvelon
    separator=.
    [ "$name" = bg_BG.UTF-8 ] && separator=,
    # Each of Wine's processes writes the regional settings of its own locale
    # into the prefix's registry as it starts, and those that Wine starts
    # later (its services) have the locale of the first one: the program
    # starts once every process of the previous run has ended.
    timeout "$patience" "$WINESERVER" -w || fail "Wine's processes did not end within $patience s"
    started=$EPOCHREALTIME
    env LANG="$name" LC_ALL="$name" "$WINE" "$exe" >"$work/app.log" 2>&1 &
    app_pid=$!
    wait_until "$patience" window_named '^Zarvelon$' || fail "$name: no visible window named Zarvelon within $patience s"
    echo "$name: start to window shown: $(awk -v from="$started" -v to="$EPOCHREALTIME" 'BEGIN { printf "%.2f", to - from }') s"

    # Wine draws no frame without a window manager either: the client area
    # of the .ui's size under the menu bar, as on Linux.
    controls=$work/controls
    locate_ui_controls "$window" "$ui" "$controls" || fail "$name: $client_area_problem"

    # The layout, once the window is painted.
    if ! wait_until "$patience" laid_out_as_on_linux; then
        printf '  %s\n' "${wrong[@]}" >&2
        fail "$name: the window's layout differs from the Linux program's"
    fi
    echo "ok: $name: the window's size and layout are the Linux program's"
    locate_inner_area "$work" canvas || fail "$name: the canvas is not white in its frame"
    frame_is_fixed "$window" || fail "$name: the window's frame lets it be resized"
    echo "ok: $name: the window's frame is fixed"

    for vertex in "${board[@]}"; do
        read -r x y <<<"$vertex"
        place_vertex "$x" "$y"
    done
    click_named inOrderButton
    # The figure: side 1-2, through its middle.
    wait_until "$patience" canvas_pixel_is 000000 235 127 || fail "$name: no figure drawn after \"Поред\""

    expected_report "$separator" >"$work/expected.txt"
    copy_report_by_menu
    wait_until "$patience" copied_into "$work/report.txt" \
        || fail "$name: the report box's context menu copied nothing"
    if ! diff -u "$work/expected.txt" "$work/report.txt" >"$work/diff.txt"; then
        tail -n +3 "$work/diff.txt" >&2
        fail "$name: the report differs from the Linux program's (- expected, + shown)"
    fi
    echo "ok: $name: the report is the Linux program's, with \"$separator\" for decimals, copied by \"Копирай\""

    kill -0 "$app_pid" 2>/dev/null || fail "$name: the program ended during the run"
    # Killed with no chance to quit, once its recovery file is written.
    wait_until "$patience" computed_board_kept \
        || fail "$name: no recovery file of the computed board in the user's AppData\\Local"
    kill -KILL "$app_pid"
    wait "$app_pid" 2>/dev/null
    app_pid=
done

# The last board given back at the next start, with the same report.
timeout "$patience" "$WINESERVER" -w || fail "Wine's processes did not end within $patience s"
env LANG="$name" LC_ALL="$name" "$WINE" "$exe" >"$work/app.log" 2>&1 &
app_pid=$!
wait_until "$patience" window_named '^Zarvelon$' || fail "no window after the program was killed"
locate_ui_controls "$window" "$ui" "$controls" || fail "after the kill: $client_area_problem"
copy_report_by_menu
wait_until "$patience" copied_into "$work/report.txt" || fail "after the kill: nothing was copied"
diff -u "$work/expected.txt" "$work/report.txt" >&2 || fail "after the kill, the next start shows another report"
echo "ok: $name: after the program was killed, the next start shows the same report"
echo "PASS"
