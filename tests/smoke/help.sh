#!/usr/bin/env bash
# The help windows on a small screen: each lies with its frame in the work
# area; a help stays with its window while the user minimises the window and
# comes back with it.
#   tests/smoke/help.sh PROGRAM
set -euo pipefail
program=$1
source "$(dirname "$0")/common.sh"
start_desktop
start_program

fail() { echo "FAIL: $*"; kill "$pid" 2>/dev/null || true; cat "$output"; exit 1; }
shown() { xdotool search --onlyvisible --name "^$1\$" >/dev/null; }
hidden() { ! shown "$1"; }
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }
in_work_area() { # WINDOW
    local extents work
    extents=$(xprop -id "$1" -notype _NET_FRAME_EXTENTS | numbers)
    work=$(xprop -root -notype _NET_WORKAREA | numbers)
    xwininfo -id "$1" | awk -v extents="${extents:-0 0 0 0}" -v work="$work" '
        /Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
        /Width:/ { w = $NF } /Height:/ { h = $NF }
        END {
            split(extents, e, " "); split(work, a, " ")
            x -= e[1]; y -= e[3]; w += e[1] + e[2]; h += e[3] + e[4]
            printf "help frame %d,%d %dx%d; work area %d,%d %dx%d\n", x, y, w, h, a[1], a[2], a[3], a[4]
            exit !(x >= a[1] && y >= a[2] && x + w <= a[1] + a[3] && y + h <= a[2] + a[4])
        }'
}
help_of() { # WINDOW CAPTION: F1, then the help's window, checked to lie in the work area
    xdotool windowfocus --sync "$1"
    wait_for sh -c "xdotool getwindowfocus | grep -qx $1" >/dev/null
    xdotool key F1
    local help
    help=$(find_window "Hilfe: ${2# }") || fail "F1 in \"$2\" shows no help"
    in_work_area "$help" >&2 || fail "the help of \"$2\" does not lie in the work area"
    echo "$help"
}

menu_title='Huyghenssches Prinzip - Zeigerformalismus'
phasor_title='Superposition von Wellen - Phasenzeiger'
huygens_title=' Huygen-Fresnel Prinzip und Zeigerdarstellung'

menu=$(find_window "$menu_title") || fail "no menu window"
help=$(help_of "$menu" "$menu_title")
xdotool windowfocus --sync "$help" key Escape
wait_for hidden "Hilfe: $menu_title" >/dev/null || fail "Esc leaves the help of the menu"
click "$menu" 108 284
huygens=$(find_window "$huygens_title") || fail "no Huygens window"
help_of "$huygens" "$huygens_title" >/dev/null
click "$huygens" 280 12 # "Menu"
wait_for hidden "$huygens_title" >/dev/null || fail "\"Menu\" leaves the Huygens window"
click "$menu" 116 100
phasor=$(find_window "$phasor_title") || fail "no phasor window"
help=$(help_of "$phasor" "$phasor_title")
xdotool windowminimize --sync "$phasor"
wait_for hidden "$phasor_title" >/dev/null || fail "the phasor window was not minimised"
wmctrl -i -a "$phasor"
wait_for shown "$phasor_title" >/dev/null || fail "the phasor window did not come back"
wait_for shown "Hilfe: $phasor_title" >/dev/null || fail "minimising the window closed its help"

close_and_expect_clean_end "$phasor"
