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
# shellcheck source-path=SCRIPTDIR/../tests
source "$(dirname "${BASH_SOURCE[0]}")/../tests/virtual-display.sh"
work=$(mktemp -d)
xvfb_pid=
trap 'stop_process "$xvfb_pid"; rm -rf "$work"' EXIT
start_virtual_display "$work"

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
