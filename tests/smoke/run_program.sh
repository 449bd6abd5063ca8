#!/usr/bin/env bash
# Starts the program in a real X window (run under xvfb-run), finds a window
# by its caption, closes it through the window system and expects the
# program to exit with status 0 without printing anything.
#   run_program.sh PROGRAM CLOSE-TOOL [CLICK-MENU-BUTTON-AT X Y]
set -euo pipefail
program=$1 closer=$2
export XDG_RUNTIME_DIR=$(mktemp -d)
output=$(mktemp)
trap 'rm -rf "$XDG_RUNTIME_DIR" "$output"' EXIT

"$program" >"$output" 2>&1 &
pid=$!

find_window() { timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1; }

menu=$(find_window 'Huyghenssches Prinzip - Zeigerformalismus')
target=$menu
if [ $# -ge 4 ]; then
    # Open a demonstration window from the menu and close that one instead.
    xdotool mousemove --window "$menu" "$3" "$4" click 1
    target=$(find_window "$5")
fi
"$closer" "$target"

status=0
timeout 20 tail --pid="$pid" -f /dev/null || { kill "$pid"; echo "program did not end"; exit 1; }
wait "$pid" || status=$?
if [ -s "$output" ]; then
    echo "the program printed:"; cat "$output"; exit 1
fi
exit "$status"
