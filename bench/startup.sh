#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zarvelon developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Start-up of the real program in a virtual X server: the time from launch to
# the window being mapped (median of several runs), and the resident memory of
# the idle window.
# usage: startup.sh path/to/zarvelon [runs]
set -euo pipefail

binary=${1:?usage: $0 path/to/zarvelon [runs]}
runs=${2:-15}
work=$(mktemp -d)

# Xvfb picks a free display itself and writes its number, ended by a newline,
# once it accepts clients.
Xvfb -displayfd 3 -screen 0 1024x768x24 -noreset -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
display=
for _ in $(seq 300); do
    # read fails until the whole line, newline included, is there.
    if read -r number 2>/dev/null <"$work/display"; then
        display=:$number
        break
    fi
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.05
done
[ -n "$display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=$display

times=()
for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    "$binary" >/dev/null 2>&1 &
    app=$!
    until xdotool search --onlyvisible --name '^Zarvelon$' >/dev/null 2>&1; do sleep 0.002; done
    times+=($(( ($(date +%s%N) - start) / 1000000 )))
    sleep 0.5
    rss=$(awk '/VmRSS/ { print $2 }' "/proc/$app/status")
    kill "$app"
    wait "$app" 2>/dev/null || true
done

sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "start to window shown, ${runs} runs: median ${sorted[$((runs / 2))]} ms (min ${sorted[0]}, max ${sorted[$((runs - 1))]})"
echo "resident memory of the idle window: $((rss / 1024)) MB"
