#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zarvelon developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# End to end: runs the real program in a virtual X server and gives it what
# only the real platform gives: real mouse presses and keys, the X clipboard,
# the file dialogs, the command line. It places vertices, presses the
# buttons, and checks the screen and the report copied out of the report box
# through the clipboard; what the window makes of its events is for the
# QtTest programs. The controls are found where a screen reader finds them,
# in the accessibility tree.
# usage: e2e.sh path/to/zarvelon
set -uo pipefail

binary=${1:?usage: $0 path/to/zarvelon}
# shellcheck source-path=SCRIPTDIR/..
source "$(dirname "${BASH_SOURCE[0]}")/../virtual-display.sh"
for tool in Xvfb xdotool xprop xclip xmodmap import convert identify od timeout; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (scripts/setup.sh test installs it)" >&2
        exit 77
    fi
done
if missing=$(missing_accessibility_tool); then
    echo "SKIP: $missing (scripts/setup.sh test installs it)" >&2
    exit 77
fi
if [ ! -x "$binary" ]; then
    echo "FAIL: no program at $binary" >&2
    exit 1
fi
on_own_session_bus "$@"

work=$(mktemp -d)
xvfb_pid=
bus_pid=
app_pid=
# Where a failing run leaves its last screenshot and the program's output.
artifacts=${E2E_ARTIFACTS:-$PWD}

cleanup() {
    stop_process "$app_pid"
    stop_process "$bus_pid"
    stop_process "$xvfb_pid"
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    [ -f "$work/shot.png" ] && cp "$work/shot.png" "$artifacts/e2e-failure.png" \
        && echo "  last screenshot: $artifacts/e2e-failure.png" >&2
    [ -s "$work/app.log" ] && cp "$work/app.log" "$artifacts/e2e-failure.log" \
        && echo "  program output: $artifacts/e2e-failure.log" >&2
    exit 1
}

# --- the screen --------------------------------------------------------------

# The inner area of the canvas on the screen (locate_inner_area), where the
# canvas's own coordinates start.
inner_x=0
inner_y=0
canvas_x() { echo $((inner_x + $1)); }
canvas_y() { echo $((inner_y + $1)); }

canvas_pixel() { screen_pixel "$work" "$(canvas_x "$1")" "$(canvas_y "$2")"; }

canvas_pixel_is() { # colour, x, y
    take_screenshot "$work" && [ "$(canvas_pixel "$2" "$3")" = "$1" ]
}

# --- mouse, keyboard and clipboard --------------------------------------------

# One xdotool call, so the press cannot overtake the move; no --sync, which
# can wait for ever when the pointer is there already.
click_at() { # screen x, y[, button]
    timeout 5 xdotool mousemove "$1" "$2" click --delay 0 "${3:-1}" \
        || fail "xdotool could not click at ($1, $2)"
}
click_canvas() { click_at "$(canvas_x "$1")" "$(canvas_y "$2")" "${3:-1}"; }
# A press on the open board, and its dot on the screen.
place_vertex() { # canvas x, y[, button]
    click_canvas "$@"
    wait_until "$patience" canvas_pixel_is 000000 "$1" "$2" || fail "no dot at ($1, $2) after a press there"
}

# A control by the name a screen reader reads, with a mouse button.
click_named() { # name[, button[, x per cent, y per cent]]
    click_control "$@" || fail "xdotool could not click \"$1\""
}
press() { click_named "$1"; } # a button
# Each click in the report lands at the other of two places: two clicks at
# one place, close together, make a double-click, which opens a block's
# working. The right button's click comes by open_context_menu.
report_spot=0
# shellcheck disable=SC2120
click_report() {
    report_spot=$((1 - report_spot))
    click_named Отчет "${1:-1}" $((50 + 20 * report_spot)) 50
}
click_x_list() { click_named X "${1:-1}"; }

keys() { timeout 5 xdotool key --clearmodifiers "$@" || fail "xdotool could not press $*"; }
# The focus on the canvas by the keyboard, from the report box past the two
# buttons above it, so that no press places a vertex.
focus_canvas() { click_report; keys Tab Tab Tab; }

no_copy_yet=$'\x01nothing copied\x01'

clipboard() { timeout 5 xclip -o -selection clipboard 2>/dev/null; }
clipboard_changed() { [ "$(clipboard)" != "$no_copy_yet" ]; }
set_clipboard() { # text
    printf '%s' "$1" | timeout 5 xclip -i -selection clipboard >/dev/null 2>&1 \
        || fail "xclip could not set the clipboard"
}

# Selects all in the report box and copies it; the clipboard then holds the
# report with LF line ends, or still the marker when the box is empty.
copy_report() {
    set_clipboard "$no_copy_yet"
    click_report
    keys ctrl+a ctrl+c
}

# A context menu opened by the right button, once it is on the screen.
open_context_menu() { # click function
    "$1" 3
    wait_until "$patience" shows_windows "$app_pid" 2 || fail "the right button opened no context menu"
}

# The report box's context menu copies the selected report by its item
# "Копирай", whose key is the Cyrillic К.
copy_report_by_menu() {
    set_clipboard "$no_copy_yet"
    click_report
    keys ctrl+a
    open_context_menu click_report
    keys Cyrillic_ka
}

# The report the clipboard got by `how` (copy_report by default) is the
# expected one.
expect_report() { # description, expected lines...
    local what=$1
    shift
    printf '%s\n' "$@" >"$work/expected.txt"
    ${how:-copy_report}
    wait_until "$patience" clipboard_changed || fail "$what: nothing was copied out of the report box"
    clipboard >"$work/report.txt"
    if ! cmp -s "$work/expected.txt" "$work/report.txt"; then
        echo "$what: the report differs from the expected one (- expected, + shown):" >&2
        diff -u "$work/expected.txt" "$work/report.txt" | tail -n +3 >&2
        fail "$what: wrong report"
    fi
    echo "ok: $what"
}

# In the file dialog that has the keyboard, a name typed and Enter; then the
# dialog is gone and the file is there. The name starts with no letters of
# the work folder's files, so that the dialog's completer offers nothing.
save_as() { # file name in the work folder
    keys ctrl+a
    timeout 10 xdotool type --delay 0 "$1" || fail "xdotool could not type the file's name"
    keys Return
    wait_until "$patience" shows_windows "$app_pid" 1 || fail "the file dialog did not close on Enter"
    wait_until "$patience" test -s "$work/$1" || fail "nothing was saved as $1"
}

# The colour of the menu bar's first item by its left edge, which shows
# whether it is marked.
first_menu_item() {
    local x y
    read -r x y < <(control_point "Нареди контур" 5 50) && take_screenshot "$work" && screen_pixel "$work" "$x" "$y"
}
first_menu_item_is_not() { [ "$(first_menu_item)" != "$1" ]; }

# --- the run -----------------------------------------------------------------

start_virtual_display "$work" || fail "no virtual X server"
start_accessibility_bus "$work"
bind_cyrillic_ka || fail "no free key for \"К\""

# Starts the program with the arguments and finds its window and its
# controls: in C.UTF-8, with a point for decimals, its settings and its
# recovery files in the work folder.
controls=$work/controls
start_program() { # arguments...
    env -u LANG -u LANGUAGE LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
        XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" "$binary" "$@" >"$work/app.log" 2>&1 &
    app_pid=$!
    window=$(timeout "$patience" xdotool search --sync --onlyvisible --pid "$app_pid" --name '^Zarvelon$' \
             2>/dev/null | head -n 1)
    [ -n "$window" ] || fail "no visible window named Zarvelon within $patience s"
    locate_accessible_controls "$app_pid" "$controls" "Платно" Отчет X Контур Поред Чисти "Нареди контур" \
        || fail "the window's controls are not in its accessibility tree"
}

# The file dialogs open in the work folder: a file's name is typed alone.
mkdir -p "$work/config/Zarvelon"
printf '[General]\nlastFolder=%s\n' "$work" >"$work/config/Zarvelon/Zarvelon.conf"
start_program
wait_until "$patience" locate_inner_area "$work" "Платно" || fail "the canvas is not shown white in its frame"

# Every mouse button places a vertex, where the report says: a 60 x 80
# rectangle.
place_vertex 100 30 1
place_vertex 160 30 3
place_vertex 160 110 2
place_vertex 100 110 1
press Поред
wait_until "$patience" canvas_pixel_is 000000 130 30 || fail "no side drawn after \"Поред\""
expect_report "report of a rectangle placed with the left, right and middle buttons" \
    "Върхове: 123 с координати: 100,30; 160,30; 160,110" \
    "Страни: a = 80.000; b = 100.000; c = 60.000" \
    "Лице по Херон = 2400; Лице ориентирано = 2400" \
    "" \
    "Върхове: 134 с координати: 100,30; 160,110; 100,110" \
    "Страни: a = 60.000; b = 80.000; c = 100.000" \
    "Лице по Херон = 2400; Лице ориентирано = 2400" \
    "" \
    "Лице на изпъкналия многоъгълник = 4800"

mapfile -t rectangle_report <"$work/expected.txt"
how=copy_report_by_menu expect_report "the report box's context menu, in Bulgarian" "${rectangle_report[@]}"

# --- the board out and in again ----------------------------------------------

# The picture, as the canvas holds it, on the clipboard: after a press, which
# shows no crosshair or focus frame, and on the closed board, which takes no
# vertex and shows a hint over the picture for a few seconds, never in it.
press Контур
wait_until "$patience" canvas_pixel_is 000000 130 30 || fail "no side drawn after \"Контур\""
click_canvas 300 150
keys ctrl+c
wait_until "$patience" sh -c 'timeout 5 xclip -o -selection clipboard -t TARGETS | grep -qx image/png' \
    || fail "Ctrl+C on the canvas put no image on the clipboard"
timeout 10 xclip -o -selection clipboard -t image/png >"$work/copied.png" 2>/dev/null \
    || fail "the canvas's image could not be read from the clipboard"
inner_size=${inner_width}x$inner_height
convert "$work/copied.png" -depth 8 "rgb:$work/copied.rgb"
[ "$(identify -format '%wx%h' "$work/copied.png")" = "$inner_size" ] \
    || fail "the copied picture is $(identify -format '%wx%h' "$work/copied.png"), not the canvas's $inner_size"
canvas_shows_copied() {
    take_screenshot "$work" \
        && convert "$work/shot.png" -crop "$inner_size+$inner_x+$inner_y" +repage -depth 8 "rgb:$work/canvas.rgb" \
        && cmp -s "$work/canvas.rgb" "$work/copied.rgb"
}
wait_until "$patience" canvas_shows_copied || fail "the copied picture differs from the canvas once the hint has gone"
echo "ok: Ctrl+C on the canvas copies its picture exactly, without a crosshair or a hint after the press"

# Every vertex copied from a list's context menu, the board cleared, the
# lines pasted onto the canvas: the same rows, and the same report.
copy_report
wait_until "$patience" clipboard_changed || fail "the contour's report was not copied"
clipboard >"$work/contour-report.txt"
set_clipboard "$no_copy_yet"
open_context_menu click_x_list
keys Down Return
wait_until "$patience" clipboard_changed || fail "\"Копирай всички върхове\" copied nothing"
clipboard >"$work/vertices.txt"
printf '160\t110\n100\t110\n100\t30\n160\t30\n' | cmp -s - "$work/vertices.txt" \
    || fail "the copied vertices are not the contour's rows: $(cat -A "$work/vertices.txt")"
press Чисти
focus_canvas
keys ctrl+v
press Поред
mapfile -t contour_report <"$work/contour-report.txt"
expect_report "the copied vertices pasted back give the same report" "${contour_report[@]}"

# Ctrl+S saves the report's exact bytes, CR LF included, through the file dialog.
keys ctrl+s
wait_until "$patience" focus_is_on 'Запиши отчета като' || fail "Ctrl+S opened no file dialog"
save_as zz-report.txt
printf '%s\r\n' "${contour_report[@]}" | cmp -s - "$work/zz-report.txt" \
    || fail "the saved report differs from the shown one"
echo "ok: Ctrl+S saves the report byte for byte"

# Ctrl+Shift+S saves the vertices as the lists show them, with CR LF. Without
# a window manager the keyboard stays with no window once a dialog closes:
# a click gives it back.
click_report
keys ctrl+shift+s
wait_until "$patience" focus_is_on 'Запиши върховете като' || fail "Ctrl+Shift+S opened no file dialog"
save_as zz-board.txt
printf '160\t110\r\n100\t110\r\n100\t30\r\n160\t30\r\n' | cmp -s - "$work/zz-board.txt" \
    || fail "the saved vertices are not the contour's rows: $(cat -A "$work/zz-board.txt")"
echo "ok: Ctrl+Shift+S saves the vertices"

# The menu bar by the keyboard: Alt alone, as the X server sends it, then
# two to the right and Enter run "Чисти всичко".
press Чисти
place_vertex 200 100
unmarked=$(first_menu_item)
keys alt
wait_until "$patience" first_menu_item_is_not "$unmarked" || fail "Alt did not mark the menu bar's first item"
keys Right Right Return
wait_until "$patience" canvas_pixel_is ffffff 200 100 || fail "Alt, Right, Right, Enter did not run \"Чисти всичко\""
echo "ok: Alt opens the menu bar, and Enter on \"Чисти всичко\" clears the board"

# A double-click on the canvas places one vertex; two clicks 0.6 s apart,
# further apart than the system's double-click interval, place two.
clicks_on_canvas() { # canvas x, y, ms between the two clicks
    timeout 5 xdotool mousemove "$(canvas_x "$1")" "$(canvas_y "$2")" click --repeat 2 --delay "$3" 1 \
        || fail "xdotool could not click twice at ($1, $2)"
}
clicks_on_canvas 60 150 50
clicks_on_canvas 120 150 600
set_clipboard "$no_copy_yet"
open_context_menu click_x_list
keys Down Return
wait_until "$patience" clipboard_changed || fail "the vertices were not copied after the double-click"
printf '60\t150\n120\t150\n120\t150\n' | cmp -s - <(clipboard) \
    || fail "a double-click and two slow clicks placed other rows: $(clipboard | cat -A)"
echo "ok: a double-click places one vertex, two clicks 0.6 s apart place two"

kill -0 "$app_pid" 2>/dev/null || fail "the program ended during the run"

# The saved board on the command line of a new start gives the same report
# after "Контур".
stop_process "$app_pid"
start_program "$work/zz-board.txt"
wait_until "$patience" canvas_pixel_is 000000 100 30 || fail "the board given on the command line is not shown"
press Контур
expect_report "the saved board, opened at start, gives the same report" "${contour_report[@]}"

# A named pipe on the command line, which no one writes: a message at once
# over the window, and a window that answers.
stop_process "$app_pid"
mkfifo "$work/pipe"
start_program "$work/pipe"
wait_until "$patience" shows_windows "$app_pid" 2 || fail "a named pipe given at start gave no message"
message_has_keyboard() { [ "$(timeout 10 xdotool getwindowfocus 2>/dev/null)" != "$window" ]; }
wait_until "$patience" message_has_keyboard || fail "the named pipe's message did not take the keyboard"
keys Return
wait_until "$patience" shows_windows "$app_pid" 1 || fail "Enter did not close the named pipe's message"
place_vertex 60 60
echo "ok: a named pipe given at start is refused at once, and the window answers"

# --- the lesson kept through a crash -------------------------------------------

# A pentagon after "Контур", the program killed at once after its recovery
# file is written: the next start shows the same rows and report, and a
# notice on the tooltips' pale ground over the canvas's foot until the
# first key; Ctrl+Z empties the board. A clean close removes the file: the next start is empty.
copy_vertices() { # into a file
    set_clipboard "$no_copy_yet"
    open_context_menu click_x_list
    keys Down Return
    wait_until "$patience" clipboard_changed || fail "\"Копирай всички върхове\" copied nothing"
    clipboard >"$1"
}
# A pentagon placed and "Контур": its report in `pentagon_report`, its rows
# in a file.
computed_pentagon() { # rows' file
    for vertex in "150 40" "250 30" "300 100" "220 150" "120 120"; do
        # shellcheck disable=SC2086 # its X and Y
        place_vertex $vertex
    done
    press Контур
    copy_report
    wait_until "$patience" clipboard_changed || fail "the pentagon's report was not copied"
    mapfile -t pentagon_report < <(clipboard)
    copy_vertices "$1"
}
notice_shown() {
    take_screenshot "$work" && convert "$work/shot.png" -crop "${inner_width}x30+$inner_x+$((inner_y + inner_height - 30))" \
        -format %c histogram:info:- | grep -qi '#FFFFDC'
}
stop_process "$app_pid"
rm -rf "$work/data"
kept=$work/data/Zarvelon/Zarvelon/recovery-1.txt
start_program
computed_pentagon "$work/pentagon.txt"
wait_until "$patience" grep -qx 'computed=contour' "$kept" || fail "no recovery file of the computed pentagon"
kill -KILL "$app_pid"
wait "$app_pid" 2>/dev/null
start_program
wait_until "$patience" notice_shown || fail "no notice over the canvas of the board given back"
expect_report "after kill -9, the next start shows the same report" "${pentagon_report[@]}"
copy_vertices "$work/restored.txt"
cmp -s "$work/pentagon.txt" "$work/restored.txt" || fail "after kill -9, other rows: $(cat -A "$work/restored.txt")"
notice_shown && fail "the notice stays after the user's first keys"
echo "ok: after kill -9 the next start gives back the same rows and report, with a notice"
keys ctrl+z
wait_until "$patience" canvas_pixel_is ffffff 150 40 || fail "Ctrl+Z did not empty the board given back"
close_window "$window" || fail "the window could not be closed"
wait_until "$patience" test ! -e "$kept" || fail "a clean close left the recovery file"
wait "$app_pid"
start_program
wait_until "$patience" locate_inner_area "$work" "Платно" || fail "the canvas is not shown white in its frame"
canvas_pixel_is ffffff 150 40 || fail "the start after a clean close shows a vertex"
notice_shown && fail "the start after a clean close shows a notice"
echo "ok: a clean close removes the recovery file, and the next start is empty"

# --- a vertex moved with the mouse, and the grid --------------------------------

# After "Контур" on a pentagon, vertex 3 dragged by (+20, +10) by a press,
# moves and a release: its row, the picture and the report follow as
# "Поред" gives them for the moved rows; one Ctrl+Z brings all three back.
computed_pentagon "$work/undragged.txt"
read -r x3 y3 < <(sed -n 3p "$work/undragged.txt")
timeout 5 xdotool mousemove "$(canvas_x "$x3")" "$(canvas_y "$y3")" mousedown 1 \
    mousemove "$(canvas_x $((x3 + 10)))" "$(canvas_y $((y3 + 5)))" \
    mousemove "$(canvas_x $((x3 + 20)))" "$(canvas_y $((y3 + 10)))" mouseup 1 || fail "xdotool could not drag vertex 3"
wait_until "$patience" canvas_pixel_is 000000 $((x3 + 20)) $((y3 + 10)) || fail "no dot where vertex 3 was dragged"
copy_vertices "$work/dragged.txt"
sed "3s/.*/$((x3 + 20))\t$((y3 + 10))/" "$work/undragged.txt" | cmp -s - "$work/dragged.txt" \
    || fail "the dragged rows are not the pentagon's with vertex 3 moved: $(cat -A "$work/dragged.txt")"
copy_report
wait_until "$patience" clipboard_changed || fail "the dragged pentagon's report was not copied"
mapfile -t dragged_report < <(clipboard)
keys ctrl+z
wait_until "$patience" canvas_pixel_is ffffff $((x3 + 20)) $((y3 + 10)) || fail "Ctrl+Z left the dragged dot"
expect_report "Ctrl+Z after a drag gives back the report before it" "${pentagon_report[@]}"
press Чисти
set_clipboard "$(cat "$work/dragged.txt")"
focus_canvas
keys ctrl+v
press Поред
expect_report "the report after a drag is that of \"Поред\" on the dragged rows" "${dragged_report[@]}"

# With the grid (G on the canvas), a press at (127, 83) places the vertex
# (130, 80); the grid shows on the screen, not in the picture copied.
press Чисти
focus_canvas
keys g
click_canvas 127 83
# The grid's lines run through the dot's middle, over it.
wait_until "$patience" canvas_pixel_is 000000 131 81 || fail "no dot at the grid's point (130, 80)"
copy_vertices "$work/grid.txt"
printf '130\t80\n' | cmp -s - "$work/grid.txt" || fail "a press over the grid placed $(cat -A "$work/grid.txt")"
focus_canvas
keys ctrl+c
wait_until "$patience" sh -c 'timeout 5 xclip -o -selection clipboard -t TARGETS | grep -qx image/png' \
    || fail "Ctrl+C on the canvas put no image on the clipboard"
timeout 10 xclip -o -selection clipboard -t image/png >"$work/copied.png" 2>/dev/null || fail "no picture copied"
[ "$(convert "$work/copied.png" -format '%[hex:u.p{50,120}]' info:)" = FFFFFF ] || fail "the copied picture shows the grid"
canvas_pixel_is ffffff 50 120 && fail "the grid does not show on the canvas"
keys g
echo "ok: a drag follows \"Поред\" and is undone whole; the grid places (130, 80), and stays out of the copy"
echo "PASS"
