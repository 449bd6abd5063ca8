#!/usr/bin/env bash
# Real key presses: F1 and Esc in both demonstration windows, Ctrl+S during
# the phasor animation, Ctrl+Shift+S after a scan and Ctrl+S in the Huygens
# window; the files must appear in the user's folders, the program say nothing.
#   tests/smoke/keys.sh PROGRAM
set -euo pipefail
program=$1
source "$(dirname "$0")/common.sh"
export HOME=$(mktemp -d)
trap 'rm -rf "$HOME"; cleanup' EXIT
mkdir -p "$HOME/Pictures" "$HOME/Documents"
start_desktop
start_program

fail() { echo "FAIL: $*"; kill "$pid" 2>/dev/null || true; cat "$output"; exit 1; }
hidden() { ! xdotool search --onlyvisible --name "^$1\$" >/dev/null; }
keys() { # WINDOW KEYS...: the pointer over the window, its keyboard focus, then the keys
    xdotool mousemove --window "$1" 400 300 windowfocus --sync "$1" sleep 0.3 key "${@:2}"
}
help_works() { # WINDOW CAPTION: F1 opens the window's help, Esc closes it
    keys "$1" F1
    local help
    help=$(find_window "Hilfe: ${2# }") || fail "F1 in \"$2\" shows no help window"
    keys "$help" Escape
    wait_for hidden "Hilfe: ${2# }" >/dev/null || fail "Esc leaves the help of \"$2\" open"
}
save_as_proposed() { # CAPTION FILE-PATTERN: the save dialog's proposal taken with Return
    local dialog
    dialog=$(find_window "$1") || fail "no dialog \"$1\""
    sleep 1
    keys "$dialog" Return
    wait_for hidden "$1" >/dev/null || fail "the dialog \"$1\" stays open"
    wait_for compgen -G "$2" >/dev/null || fail "nothing saved as $2"
}

menu_title='Huyghenssches Prinzip - Zeigerformalismus'
phasor_title='Superposition von Wellen - Phasenzeiger'
huygens_title=' Huygen-Fresnel Prinzip und Zeigerdarstellung'

# The phasor window, its animation running ("Start W1/Menu").
menu=$(find_window "$menu_title") || fail "no menu window"
xdotool mousemove --window "$menu" 116 100 click 1
phasor=$(find_window "$phasor_title") || fail "no phasor window"
sleep 1
help_works "$phasor" "$phasor_title"
xdotool mousemove --window "$phasor" 72 24 click 1
sleep 1
keys "$phasor" ctrl+s
save_as_proposed "Bild speichern" "$HOME/Pictures/wellenzeiger-zeiger-*.png"
file "$HOME"/Pictures/wellenzeiger-zeiger-*.png | grep -q "PNG image data" || fail "no PNG"
xdotool mousemove --window "$phasor" 72 24 click 1 # "Menu": back to the menu

# The Huygens window after a scan.
menu=$(find_window "$menu_title")
xdotool mousemove --window "$menu" 108 284 click 1
huygens=$(find_window "$huygens_title") || fail "no Huygens window"
sleep 3
xdotool mousemove --window "$huygens" 700 500 click 3
sleep 6
keys "$huygens" ctrl+shift+s
save_as_proposed "Amplitudenverteilung speichern" "$HOME/Documents/wellenzeiger-amplituden-*.csv"
rows=$(wc -l <"$HOME"/Documents/wellenzeiger-amplituden-*.csv)
[ "$rows" -eq 1203 ] || fail "the table has $rows lines, not 1203"
keys "$huygens" ctrl+s
save_as_proposed "Bild speichern" "$HOME/Pictures/wellenzeiger-huygens-*.png"
help_works "$huygens" "$huygens_title"

close_and_expect_clean_end "$huygens"
