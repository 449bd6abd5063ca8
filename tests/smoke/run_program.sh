#!/usr/bin/env bash
# Starts the program in a real X window (run under xvfb-run), finds a window
# by its caption, closes it through the window system and expects the
# program to exit with status 0 without printing anything.
#   run_program.sh PROGRAM CLOSE-TOOL [CLICK-MENU-BUTTON-AT X Y]
set -euo pipefail
program=$1 closer=$2
source "$(dirname "$0")/common.sh"
start_program

menu=$(find_window 'Huyghenssches Prinzip - Zeigerformalismus')
target=$menu
if [ $# -ge 4 ]; then
    # Open a demonstration window from the menu and close that one instead.
    xdotool mousemove --window "$menu" "$3" "$4" click 1
    target=$(find_window "$5")
fi
close_and_expect_clean_end "$target"
