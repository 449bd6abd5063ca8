#!/usr/bin/env bash
# The frames of the menu window and of the window its button at X Y (its own
# pixels, scaled by QT_SCALE_FACTOR) opens, FRACTION of the work area (0: any),
# the top PANEL-HEIGHT pixels kept free; their helps inside it, one kept while
# its window is minimised; a clean end at its close.
#   fits_screen.sh PROGRAM PANEL-HEIGHT X Y CAPTION FRACTION
set -euo pipefail
program=$1 panel_height=$2 x=$3 y=$4 caption=$5 fraction=$6
export WAIT_SECONDS=${WAIT_SECONDS:-30} # a frame that does not fit fails within the time
source "$(dirname "$0")/common.sh"
start_desktop "s|<top>0</top>|<top>$panel_height</top>|"
start_program

help_fits() { # WINDOW CAPTION: F1 shows the window's $help, which lies in the work area
    keys "$1" F1
    help=$(find_window "Hilfe: ${2# }") || fail "F1 in \"$2\" shows no help"
    wait_for frame_fits "$help" -1 >/dev/null || fail "the help of \"$2\": $(frame_fits "$help" -1)"
}

menu=$(find_window "$menu_title")
wait_for frame_fits "$menu" 0 >/dev/null || frame_fits "$menu" 0
help_fits "$menu" "$menu_title"
keys "$help" Escape
wait_for hidden "Hilfe: $menu_title" >/dev/null || fail "Esc leaves the help of the menu"
xdotool mousemove --window "$menu" $(awk -v s="${QT_SCALE_FACTOR:-1}" "BEGIN { print int($x * s), int($y * s) }") click 1
target=$(find_window "$caption")
wait_for frame_fits "$target" "$fraction" >/dev/null || frame_fits "$target" "$fraction"
help_fits "$target" "$caption"
xdotool windowminimize --sync "$target"
wait_for hidden "$caption" >/dev/null || fail "the window was not minimised"
wmctrl -i -a "$target"
wait_for shown "$caption" >/dev/null || fail "the window did not come back"
wait_for shown "Hilfe: ${caption# }" >/dev/null || fail "minimising the window closed its help"
close_and_expect_clean_end "$target"
