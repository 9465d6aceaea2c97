#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zarvelon developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Start-up of the real program in a virtual X server, in turn with a bare Qt
# window of the same size started the same way (bench_bare_window), and with
# that window showing one Bulgarian word: the time from launch to the window
# being mapped, the median of each and their ratios, and the resident memory
# of each idle window.
# usage: startup.sh path/to/zarvelon path/to/bench_bare_window [runs]
set -euo pipefail

binary=${1:?usage: $0 path/to/zarvelon path/to/bench_bare_window [runs]}
bare=${2:?usage: $0 path/to/zarvelon path/to/bench_bare_window [runs]}
runs=${3:-15}
# shellcheck source-path=SCRIPTDIR/../tests
source "$(dirname "${BASH_SOURCE[0]}")/../tests/virtual-display.sh"
work=$(mktemp -d)
xvfb_pid=
trap 'stop_process "$xvfb_pid"; rm -rf "$work"' EXIT
start_virtual_display "$work"
# The program's recovery files in the run's own folder, not the user's.
export XDG_DATA_HOME=$work/data

# Starts a window titled Zarvelon, waits until it is mapped and idle; sets
# `took` (ms), `rss` (kB) and `size` (its width and height).
start_once() { # command...
    local start app window
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 &
    app=$!
    local deadline=$((SECONDS + patience))
    until window=$(xdotool search --onlyvisible --name '^Zarvelon$' 2>/dev/null); do
        [ "$SECONDS" -lt "$deadline" ] || { echo "$1 showed no window" >&2; exit 1; }
        sleep 0.002
    done
    took=$((($(date +%s%N) - start) / 1000000))
    sleep 0.5
    rss=$(awk '/VmRSS/ { print $2 }' "/proc/$app/status")
    size=$(xdotool getwindowgeometry --shell "$window" | awk -F= '/WIDTH|HEIGHT/ { printf "%s ", $2 }')
    kill "$app"
    wait "$app" 2>/dev/null || true
}

median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

start_once "$binary" # the first start fills the caches, and tells the window's size
read -r width height <<<"$size"
program=() window=() worded=()
for _ in $(seq "$runs"); do
    start_once "$binary"
    program+=("$took") program_rss=$rss
    # shellcheck disable=SC2086 # the width and the height
    start_once "$bare" $width $height
    window+=("$took") window_rss=$rss
    # shellcheck disable=SC2086
    start_once "$bare" $width $height "Контур"
    worded+=("$took")
done

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
a=$(median "${program[@]}") b=$(median "${window[@]}") c=$(median "${worded[@]}")
echo "start to window shown, $runs runs each in turn, median ms: the program $a, a bare ${width}x${height} Qt window $b:" \
     "$(ratio "$a" "$b") times (target at most 1.10); the bare window with one word in it $c: $(ratio "$c" "$b") times"
echo "resident memory of the idle window: the program $((program_rss / 1024)) MB, the bare window $((window_rss / 1024)) MB"
