#!/usr/bin/env bash
# Under a window manager (openbox, run under xvfb-run), optionally with a
# panel along the top edge, starts the program, checks the menu window's
# frame, opens a demonstration window from the menu and checks its frame
# (a FRACTION of the work area, 0 for none), then closes it and expects the
# program to exit with status 0 without printing anything.
#   fits_screen.sh PROGRAM CLOSE-TOOL FRAME-CHECK PANEL-TOOL PANEL-HEIGHT X Y CAPTION FRACTION
set -euo pipefail
program=$1 closer=$2 check=$3 panel=$4 panel_height=$5 x=$6 y=$7 caption=$8 fraction=$9
source "$(dirname "$0")/common.sh"
wm_log=$(mktemp)
helpers=()
trap 'kill "${helpers[@]}" 2>/dev/null || true; rm -f "$wm_log"; cleanup' EXIT

root_property() { xprop -root -notype "$1" 2>/dev/null | grep -q "$2"; }
wait_for() { # CONDITION...: up to 10 s
    for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done
    echo "timed out waiting for: $*"; return 1
}

# The panel is there before the window manager, which takes it in as it starts.
if [ "$panel_height" -gt 0 ]; then
    "$panel" "$panel_height" &
    helpers+=($!)
fi
openbox --sm-disable >"$wm_log" 2>&1 &
helpers+=($!)
wait_for root_property _NET_WORKAREA "= 0, $panel_height," || {
    xprop -root _NET_WORKAREA; cat "$wm_log"; exit 1; }

start_program

# Windows come and go while xdotool walks the tree: it may fail and be asked again.
find_window() {
    local window
    for _ in $(seq 200); do
        window=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
        [ -n "$window" ] && { echo "$window"; return 0; }
        sleep 0.1
    done
    echo "no window \"$1\"" >&2; return 1
}

menu=$(find_window 'Huyghenssches Prinzip - Zeigerformalismus')
"$check" "$menu" 0
xdotool mousemove --window "$menu" "$x" "$y" click 1
target=$(find_window "$caption")
"$check" "$target" "$fraction"
close_and_expect_clean_end "$target"
