#!/usr/bin/env bash
# Every key of the program pressed on a real keyboard, after the clicks a user
# makes first. The program must say nothing.
#   tests/smoke/keys.sh PROGRAM
set -euo pipefail
program=$1
source "$(dirname "$0")/common.sh"
export HOME=$(mktemp -d)
export XDG_CONFIG_HOME=$HOME/.config # the weight the keys change is kept there
trap 'rm -rf "$HOME"; cleanup' EXIT
mkdir -p "$HOME/Pictures" "$HOME/Documents"
# Openbox without its focus-and-raise on a right press, which holds the press
# back while keys pass: a key given with the press would come before it.
start_desktop '/<context name="Client">/,/<\/context>/{/<mousebind button="Right"/,/<\/mousebind>/d}'
start_program

help_works() { # WINDOW CAPTION X Y: F1 opens the window's help; its "Menu" button at X Y closes it
    keys "$1" F1
    find_window "Hilfe: ${2# }" >/dev/null || fail "F1 in \"$2\" shows no help window"
    click "$1" "$3" "$4"
    wait_for hidden "Hilfe: ${2# }" >/dev/null || fail "\"Menu\" leaves the help of \"$2\""
}
save_as_proposed() { # CAPTION FILE-PATTERN: the save dialog's proposal taken with Return
    local dialog
    dialog=$(find_dialog "$1" file) || fail "no save dialog \"$1\""
    keys "$dialog" Return
    wait_for hidden "$1" >/dev/null || fail "the dialog \"$1\" stays open"
    wait_for compgen -G "$2" >/dev/null || fail "nothing saved as $2"
}
copied_picture_is() { # WINDOW: Ctrl+C put a PNG of the window's size on the clipboard
    local png=$HOME/copied.png
    rm -f "$png"
    xdotool key ctrl+c
    wait_for sh -c 'xclip -selection clipboard -t TARGETS -o | grep -qx image/png' >/dev/null ||
        fail "Ctrl+C left no picture on the clipboard"
    xclip -selection clipboard -t image/png -o >"$png"
    [ "$(identify -format %wx%h "$png")" = "$(size_of "$1")" ] || fail "the copied picture is not the window"
    xclip -selection clipboard -i /dev/null # empty again for the next check
}

# Ctrl+Shift+S opens the save dialog, not the message that refuses scans nested
# into each other (by key repeats of a held Shift+Enter).
table_offered() {
    local window kind
    keys "$huygens" ctrl+shift+s
    window=$(find_window "Amplitudenverteilung speichern") || return 1
    kind=$(dialog_kind "$window")
    keys "$window" Escape
    wait_for hidden "Amplitudenverteilung speichern" >/dev/null || fail "the dialog stays open"
    [ "$kind" = file ]
}

# The phasor window: a click into the wavelength's number box, then the animation.
menu=$(find_window "$menu_title") || fail "no menu window"
click "$menu" 116 100
phasor=$(find_window "$phasor_title") || fail "no phasor window"
click "$phasor" 148 145
copied_picture_is "$phasor"
# Tab to the wave picture: Right moves the probe point and the phasor box, Left
# back; End and Home take the box out of the window to either side.
box_left() { shot "$phasor" && first_dark 100 300 900; } # in row 100; none: out of sight
box_at() { test "$(box_left)" "$@" 2>/dev/null; } # OPERATOR VALUE, as `test` takes them
wait_for box_at -gt 0 >/dev/null || fail "the phasor box is not shown"
box=$(box_left)
keys "$phasor" Tab Tab Tab Tab Tab Right
wait_for box_at -gt "$box" >/dev/null || fail "Right in the wave picture leaves the probe point"
keys "$phasor" Left
wait_for box_at = "$box" >/dev/null || fail "Left in the wave picture does not step back"
for key in End Home; do
    keys "$phasor" $key
    wait_for box_at = '' >/dev/null || fail "$key in the wave picture leaves the box in sight"
done
click "$phasor" 72 24
wait_for moving "$phasor" >/dev/null || fail "\"Start W1/Menu\" starts no animation"
keys "$phasor" ctrl+s
save_as_proposed "Bild speichern" "$HOME/Pictures/wellenzeiger-zeiger-*.png"
file "$HOME"/Pictures/wellenzeiger-zeiger-*.png | grep -q "PNG image data" || fail "no PNG"
help_works "$phasor" "$phasor_title" 72 24 # "Menu": back to the menu

# The Huygens window: a click into the field, then a scan.
menu=$(find_window "$menu_title")
click "$menu" 108 284
huygens=$(find_window "$huygens_title") || fail "no Huygens window"
wait_for field_drawn "$huygens" >/dev/null || fail "the wave field is not drawn"
# Strg+Plus twice: the circles three times as thick; Strg+Minus: twice;
# Strg+0: back to normal, each drawn afresh before the screen shows it.
dark() { shot "$huygens" && dark_pixels 300 300 500 300; }
dark_is() { test "$(dark)" "$@"; } # OPERATOR VALUE, as `test` takes them
weight_key() { # KEY OPERATOR VALUE MESSAGE: the key, then the dark pixels so compared
    keys "$huygens" "$1"
    wait_for dark_is "$2" "$3" >/dev/null || fail "$4"
}
thin=$(dark)
weight_key ctrl+plus -gt "$thin" "Strg+Plus leaves the circles thin"
double=$(dark)
weight_key ctrl+plus -gt "$double" "a second Strg+Plus leaves the circles as they were"
thick=$(dark)
[ "$thick" -ge $((2 * thin)) ] || fail "Strg+Plus twice: $thick dark pixels, not twice $thin"
weight_key ctrl+minus -lt "$thick" "Strg+Minus leaves the circles thick"
[ "$(dark)" = "$double" ] || fail "Strg+Minus does not go back to double weight"
weight_key ctrl+0 -lt "$double" "Strg+0 leaves the circles thick"
[ "$(dark)" = "$thin" ] || fail "Strg+0 does not go back to normal"
# Tab to the field; its cursor to (1780, 263.25): Enter draws the rays, one through
# (890, 131.6); Esc takes them away; Shift+Enter scans, the cut red at its end.
rays() { shot "$huygens" && red_at $(field_pixel "$huygens" 890 131.6); }
keys "$huygens" Tab Tab Tab Tab Tab Right Right Right Left shift+Down Up Return
wait_for rays >/dev/null || fail "Enter on the field shows no rays"
keys "$huygens" Escape
wait_for eval '! rays' >/dev/null || fail "Esc leaves the rays"
keys "$huygens" shift+Return
wait_for scanned_at "$huygens" 1780 >/dev/null || fail "Shift+Enter on the field runs no scan"
focus "$huygens"
xdotool keydown shift+Return sleep 2 keyup shift+Return
wait_for table_offered >/dev/null || fail "a held Shift+Enter scans more than once"
click "$huygens" 700 500
copied_picture_is "$huygens"
# A right click left of the phasor box placed at 700 500, Ctrl+Shift+S after its scan.
click "$huygens" 600 500 3
wait_for scanned_at "$huygens" "$(field_x "$huygens" 600)" >/dev/null || fail "a right click runs no scan"
keys "$huygens" ctrl+shift+s
save_as_proposed "Amplitudenverteilung speichern" "$HOME/Documents/wellenzeiger-amplituden-*.csv"
table=$(ls "$HOME"/Documents/wellenzeiger-amplituden-*.csv)
rows=$(wc -l <"$table")
[ "$rows" -eq 1203 ] || fail "the table has $rows lines, not 1203"
# Ctrl+Shift+S with the right button, both given while the program is stopped,
# so that the scan the press starts handles the key: a message, and no file.
focus "$huygens"
kill -STOP "$pid"
xdotool mousemove --window "$huygens" 560 500 mousedown 3 key ctrl+shift+s mouseup 3
kill -CONT "$pid"
message=$(find_dialog "Amplitudenverteilung speichern" message) || fail "no message during the scan"
keys "$message" Return
wait_for hidden "Amplitudenverteilung speichern" >/dev/null || fail "the message stays open"
wait_for scanned_at "$huygens" "$(field_x "$huygens" 560)" >/dev/null || fail "the scan does not end"
[ "$(ls "$HOME"/Documents)" = "${table##*/}" ] || fail "a table was written during the scan"
keys "$huygens" ctrl+s
save_as_proposed "Bild speichern" "$HOME/Pictures/wellenzeiger-huygens-*.png"
help_works "$huygens" "$huygens_title" 280 12

close_and_expect_clean_end "$(find_window "$menu_title")"
