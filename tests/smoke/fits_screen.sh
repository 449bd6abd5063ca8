#!/usr/bin/env bash
# Checks the frames of the menu window and of the window a menu button opens
# (a FRACTION of the work area, 0 for none), optionally under a top panel,
# then closes that window: the program must end cleanly and silently.
#   fits_screen.sh PROGRAM PANEL-TOOL PANEL-HEIGHT X Y CAPTION FRACTION
set -euo pipefail
program=$1 panel=$2 panel_height=$3 x=$4 y=$5 caption=$6 fraction=$7
source "$(dirname "$0")/common.sh"
numbers() { sed -n 's/.*= //p' | tr -d ,; }

# The frame (the window and its _NET_FRAME_EXTENTS) as the window system sees
# it must lie inside the screen and the work area (_NET_WORKAREA), with its top
# left at the work area's; with a FRACTION above 0 its size must be that
# fraction of the work area, to the pixel. WINDOW FRACTION
frame_fits() {
    local info extents work
    info=$(xwininfo -id "$1")
    extents=$(xprop -id "$1" -notype _NET_FRAME_EXTENTS | numbers)
    work=$(xprop -root -notype _NET_WORKAREA | numbers)
    awk -v fraction="$2" -v extents="${extents:-0 0 0 0}" -v work="$work" '
        /Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
        /Width:/ { w = $NF } /Height:/ { h = $NF }
        function far(value, target) { return value - target > 1 || target - value > 1 }
        END {
            split(extents, e, " "); split(work, a, " ")
            x -= e[1]; y -= e[3]; w += e[1] + e[2]; h += e[3] + e[4]
            off = fraction > 0 && (far(w, fraction * a[3]) || far(h, fraction * a[4]))
            printf "frame %d,%d %dx%d; work area %d,%d %dx%d\n", x, y, w, h, a[1], a[2], a[3], a[4]
            exit !(x == a[1] && y == a[2] && x + w <= a[1] + a[3] && y + h <= a[2] + a[4] && !off)
        }' <<<"$info"
}

if [ "$panel_height" -gt 0 ]; then start_desktop "$panel" "$panel_height"; else start_desktop; fi
start_program

menu=$(find_window 'Huyghenssches Prinzip - Zeigerformalismus')
wait_for frame_fits "$menu" 0 >/dev/null || frame_fits "$menu" 0
xdotool mousemove --window "$menu" "$x" "$y" click 1
target=$(find_window "$caption")
wait_for frame_fits "$target" "$fraction" >/dev/null || frame_fits "$target" "$fraction"
close_and_expect_clean_end "$target"
