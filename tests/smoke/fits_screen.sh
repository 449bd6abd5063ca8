#!/usr/bin/env bash
# The frames of the menu window and of the window a menu button opens (a
# FRACTION of the work area, 0 for none); closing it ends the program cleanly.
# X Y are the button's place in the menu window's own pixels, which
# QT_SCALE_FACTOR enlarges on the screen.
#   fits_screen.sh PROGRAM PANEL-TOOL PANEL-HEIGHT X Y CAPTION FRACTION
set -euo pipefail
program=$1 panel=$2 panel_height=$3 x=$4 y=$5 caption=$6 fraction=$7
# A frame that does not fit fails well within the test's time.
export WAIT_SECONDS=${WAIT_SECONDS:-30}
source "$(dirname "$0")/common.sh"
if [ "$panel_height" -gt 0 ]; then start_desktop "$panel" "$panel_height"; else start_desktop; fi
start_program

menu=$(find_window 'Huyghenssches Prinzip - Zeigerformalismus')
wait_for frame_fits "$menu" 0 >/dev/null || frame_fits "$menu" 0
xdotool mousemove --window "$menu" $(on_screen "$x" "$y") click 1
target=$(find_window "$caption")
wait_for frame_fits "$target" "$fraction" >/dev/null || frame_fits "$target" "$fraction"
close_and_expect_clean_end "$target"
