#!/usr/bin/env bash
# Every key of the program pressed on a real keyboard, after the clicks a user
# makes first. The program must say nothing.
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
click() { # WINDOW X Y [BUTTON]
    xdotool mousemove --window "$1" "$2" "$3" click "${4:-1}"
}
keys() { # WINDOW KEYS...: the keyboard focus to the window, then the keys
    xdotool windowfocus --sync "$1" sleep 0.3 key "${@:2}"
}
# WINDOW CAPTION [X Y]: F1 opens the window's help; Esc, or the window's
# "Menu" button at X Y, closes it.
help_works() {
    keys "$1" F1
    local help
    help=$(find_window "Hilfe: ${2# }") || fail "F1 in \"$2\" shows no help window"
    if [ $# -eq 4 ]; then click "$1" "$3" "$4"; else keys "$help" Escape; fi
    wait_for hidden "Hilfe: ${2# }" >/dev/null || fail "the help of \"$2\" stays (${3:-Esc})"
}
save_as_proposed() { # CAPTION FILE-PATTERN: the save dialog's proposal taken with Return
    local dialog
    dialog=$(find_window "$1") || fail "no dialog \"$1\""
    sleep 1
    keys "$dialog" Return
    wait_for hidden "$1" >/dev/null || fail "the dialog \"$1\" stays open"
    wait_for compgen -G "$2" >/dev/null || fail "nothing saved as $2"
}
size_of() { xwininfo -id "$1" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }'; }
copied_picture_is() { # WINDOW: Ctrl+C put a PNG of the window's size on the clipboard
    local png=$HOME/copied.png
    rm -f "$png"
    xdotool key ctrl+c
    wait_for sh -c 'xclip -selection clipboard -t TARGETS -o | grep -qx image/png' ||
        fail "Ctrl+C left no picture on the clipboard"
    xclip -selection clipboard -t image/png -o >"$png"
    [ "$(identify -format %wx%h "$png")" = "$(size_of "$1")" ] || fail "the copied picture is not the window"
    xclip -selection clipboard -i /dev/null # empty again for the next check
}

shot() { import -window "$1" "$HOME/shot.png"; }
first_dark() { # Y X0 WIDTH: the first dark column of X0 to X0 + WIDTH in row Y of the last shot
    convert "$HOME/shot.png" -crop "$3x1+$2+$1" +repage -colorspace gray txt:- |
        awk -F, -v x0="$2" 'NR > 1 && !found { g = $0; sub(/.*gray\(/, "", g)
            if (g + 0 < 96) { print x0 + $1; found = 1 } }'
}
dark_pixels() { # W H X Y: how many pixels of that part of the last shot are dark
    convert "$HOME/shot.png" -crop "$1x$2+$3+$4" +repage -colorspace gray -threshold 37% \
        -format '%[fx:round(w*h*(1-mean))]' info:
}
red_at() { # X Y of the last shot
    convert "$HOME/shot.png" -crop "1x1+$1+$2" +repage txt:- | tail -n 1 |
        sed 's/.*: (\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/' |
        awk '{ exit !($1 > 200 && $2 < 100 && $3 < 100) }'
}
field_pixel() { # WINDOW X Y: the pixel of a point of the Huygens field (x -300..3700, y -1500..1425)
    size_of "$1" | awk -F x -v x="$2" -v y="$3" '{ printf "%d %d", (x + 300) * $1 / 4000, (y + 1500) * $2 / 2925 }'
}

# Shift+Enter held in the field scans once, as a held mouse button does: once
# that scan has ended, Ctrl+Shift+S opens the save dialog, which is taller
# than the message that refuses scans nested into each other by key repeats.
table_offered() {
    local window height
    xdotool windowfocus --sync "$huygens" key ctrl+shift+s
    window=$(find_window "Amplitudenverteilung speichern") || return 1
    height=$(xwininfo -id "$window" | awk '/Height:/ { print $2 }')
    keys "$window" Escape
    wait_for hidden "Amplitudenverteilung speichern" >/dev/null || fail "the dialog stays open"
    [ "$height" -gt 300 ]
}

menu_title='Huyghenssches Prinzip - Zeigerformalismus'
phasor_title='Superposition von Wellen - Phasenzeiger'
huygens_title=' Huygen-Fresnel Prinzip und Zeigerdarstellung'

# The phasor window: a click into the number box of the wavelength, then its
# animation running ("Start W1/Menu").
menu=$(find_window "$menu_title") || fail "no menu window"
click "$menu" 116 100
phasor=$(find_window "$phasor_title") || fail "no phasor window"
sleep 1
help_works "$phasor" "$phasor_title"
click "$phasor" 148 145
copied_picture_is "$phasor"
# Tab to the wave picture: Right moves the probe point and the phasor box, Left
# back; End and Home take the box out of the window to either side.
box_left() { # the first column of the phasor box in row 100 (none: out of sight)
    sleep 0.5
    shot "$phasor"
    first_dark 100 300 900
}
box=$(box_left)
keys "$phasor" Tab Tab Tab Tab Tab Right
[ "$(box_left)" -gt "$box" ] || fail "Right in the wave picture leaves the probe point"
keys "$phasor" Left
[ "$(box_left)" = "$box" ] || fail "Left in the wave picture does not step back"
for key in End Home; do
    keys "$phasor" $key
    [ -z "$(box_left)" ] || fail "$key in the wave picture leaves the box in sight"
done
click "$phasor" 72 24
sleep 1
keys "$phasor" ctrl+s
save_as_proposed "Bild speichern" "$HOME/Pictures/wellenzeiger-zeiger-*.png"
file "$HOME"/Pictures/wellenzeiger-zeiger-*.png | grep -q "PNG image data" || fail "no PNG"
help_works "$phasor" "$phasor_title" 72 24 # "Menu": back to the menu

# The Huygens window: a click into the field, then a scan.
menu=$(find_window "$menu_title")
click "$menu" 108 284
huygens=$(find_window "$huygens_title") || fail "no Huygens window"
sleep 3
# Strg+Plus twice: the circles three times as thick; Strg+Minus: twice;
# Strg+0: back to normal.
dark_after() { # KEYS...: the dark pixels of a part of the field after the keys
    [ $# -eq 0 ] || { keys "$huygens" "$@"; sleep 1; }
    shot "$huygens"
    dark_pixels 300 300 500 300
}
thin=$(dark_after) thick=$(dark_after ctrl+plus ctrl+plus) double=$(dark_after ctrl+minus)
[ "$thick" -ge $((2 * thin)) ] || fail "Strg+Plus leaves the circles thin ($thin, then $thick)"
[ "$double" -gt "$thin" ] && [ "$double" -lt "$thick" ] || fail "Strg+Minus: $double dark pixels"
[ "$(dark_after ctrl+0)" = "$thin" ] || fail "Strg+0 does not go back to normal"
# Tab from the number box to the field; its cursor from (1700, 0) two steps
# right, ten down and one up, at (1780, 263.25): Enter draws the rays, the one
# to the middle source through (890, 131.6); Esc takes them away; Shift+Enter
# scans the cut, which stays red once the scan has ended.
keys "$huygens" Tab Tab Tab Tab Tab Right Right Right Left shift+Down Up Return
sleep 0.5
shot "$huygens"
red_at $(field_pixel "$huygens" 890 131.6) || fail "Enter on the field shows no rays"
keys "$huygens" Escape
sleep 0.5
shot "$huygens"
! red_at $(field_pixel "$huygens" 890 131.6) || fail "Esc leaves the rays"
keys "$huygens" shift+Return
scanned() { shot "$huygens" && red_at $(field_pixel "$huygens" 1780 -1000); }
wait_for scanned >/dev/null || fail "Shift+Enter on the field runs no scan"
xdotool windowfocus --sync "$huygens" keydown shift+Return sleep 2 keyup shift+Return
wait_for table_offered >/dev/null || fail "a held Shift+Enter scans more than once"
click "$huygens" 700 500
copied_picture_is "$huygens"
click "$huygens" 600 500 3 # left of the phasor box the click above placed at 700 500
sleep 1
keys "$huygens" ctrl+shift+s
save_as_proposed "Amplitudenverteilung speichern" "$HOME/Documents/wellenzeiger-amplituden-*.csv"
table=$(ls "$HOME"/Documents/wellenzeiger-amplituden-*.csv)
rows=$(wc -l <"$table")
[ "$rows" -eq 1203 ] || fail "the table has $rows lines, not 1203"
# Ctrl+Shift+S right after the right button, so that the scan the press starts
# handles it: a message, and no file.
xdotool windowfocus --sync "$huygens" mousemove --window "$huygens" 600 500 \
    mousedown 3 key ctrl+shift+s mouseup 3
message=$(find_window "Amplitudenverteilung speichern") || fail "no message during the scan"
sleep 1
keys "$message" Return
wait_for hidden "Amplitudenverteilung speichern" >/dev/null || fail "the message stays open"
[ "$(ls "$HOME"/Documents)" = "${table##*/}" ] || fail "a table was written during the scan"
keys "$huygens" ctrl+s
save_as_proposed "Bild speichern" "$HOME/Pictures/wellenzeiger-huygens-*.png"
help_works "$huygens" "$huygens_title"
help_works "$huygens" "$huygens_title" 280 12

close_and_expect_clean_end "$(find_window "$menu_title")"
