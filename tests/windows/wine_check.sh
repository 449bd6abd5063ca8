#!/usr/bin/env bash
# The Windows program, its installer and uninstaller under wine on Xvfb with
# openbox; the wine prefix stays in the cache.
#   xvfb-run -a -s '-screen 0 1280x1024x24' tests/windows/wine_check.sh ZIP SETUP
set -euo pipefail
zip=$(realpath "$1") setup=$(realpath "$2")
export WINEPREFIX=${WELLENZEIGER_CACHE:-$HOME/.cache/wellenzeiger}/wine-prefix
run_exe() { wine "$exe"; }
program=run_exe
source "$(dirname "$0")/../smoke/common.sh"
trap 'wineserver -k 2>/dev/null || true; cleanup' EXIT
# No Mono or Gecko to offer, no menu entries, and a home of the test's own.
export USER=Jürgen HOME=$XDG_RUNTIME_DIR WINEDEBUG=-all
export WINEDLLOVERRIDES='mscoree=;mshtml=;winemenubuilder.exe='

user=$WINEPREFIX/drive_c/users/Jürgen
passed=0
check() { # WHAT COMMAND...
    "${@:2}" && echo "ok: $1" && passed=$((passed + 1)) && return
    echo "FAILED: $1"; echo "$passed passed, 1 failed"; exit 1
}
# The bottom 40 pixels kept free for the taskbar before wine reads the work area, once.
start_desktop 's|<bottom>0</bottom>|<bottom>40</bottom>|'
check "the taskbar's place is kept free" root_property _NET_WORKAREA '= 0, 0, 1280, 984,'

# Frames as on Windows: a 4-pixel border, invisible but at the top, a 19-pixel caption.
if [ ! -f "$WINEPREFIX/complete" ]; then
    rm -rf "$WINEPREFIX"
    wine wineboot -i
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f
    wineserver -w
    # The user's folders of the prefix's own, not links into the passing home.
    find "$user" -maxdepth 1 -type l -exec sh -c 'rm "$1" && mkdir "$1"' - {} \;
    touch "$WINEPREFIX/complete"
fi
visible='-4 -4 0 -4'
click() { # WINDOW X Y in the client area
    xdotool mousemove --window "$1" $(($2 + 4)) $(($3 + 23)) click 1
}

# From a folder with a non-ASCII name, as on a USB stick.
unzip -q "$zip" -d "$XDG_RUNTIME_DIR/Stick Ä"
exe=$(echo "$XDG_RUNTIME_DIR/Stick Ä"/wellenzeiger-*/wellenzeiger.exe)
log=$user/AppData/Local/wellenzeiger/wellenzeiger.log
rm -f "$log" "$user"/Pictures/wellenzeiger-*.png
check "--version answers" grep -qx 'wellenzeiger [0-9.]*' <(wine "$exe" --version)
check "--help answers in German" grep -q 'Zeigt Hilfe zu den Kommandozeilenoptionen an' <(wine "$exe" --help)
# Through a pipe and into a file in the OEM code page that consoles start with:
# wine gives the program no console to ask.
oem=$(wine reg query 'HKLM\System\CurrentControlSet\Control\Nls\CodePage' /v OEMCP |
    awk '/OEMCP/ { print $3 }' | tr -d '\r')
has_sharp_s() { iconv -f "CP$oem" -t UTF-8 "$1" | grep -q 'Zeigt Hilfe einschließlich Qt'; }
wine "$exe" --help | cat >"$XDG_RUNTIME_DIR/piped.txt"
check "--help through a pipe in code page $oem" has_sharp_s "$XDG_RUNTIME_DIR/piped.txt"
wine "$exe" --help >"$XDG_RUNTIME_DIR/redirected.txt"
check "--help into a file in code page $oem" has_sharp_s "$XDG_RUNTIME_DIR/redirected.txt"
# Started by a double click: no standard output, no console; a message box.
wine start /wait /unix "$exe" --help &
starter=$!
box=$(find_window Wellenzeiger)
wait_for root_property _NET_ACTIVE_WINDOW "$(printf '0x%x' "$box")" # the first window to be active
xdotool key Return
check "--help without a console: a message box that Enter closes" wait "$starter"

# Wave fronts cover the field: more than 10 % of the window is dark (the controls 1 %).
field_drawn() {
    import -window "$1" "$XDG_RUNTIME_DIR/field.png"
    [ "$(convert "$XDG_RUNTIME_DIR/field.png" -colorspace gray -threshold 50% -negate \
        -format '%[fx:mean > 0.1]' info:)" = 1 ]
}
start_program
menu=$(find_window "$menu_title")
check "menu window inside the work area" wait_for frame_fits "$menu" 0 "$visible"
click "$menu" 116 100 # "Zeigerformalismus"
phasor=$(find_window "$phasor_title")
check "phasor window: 0.99 of the work area" wait_for frame_fits "$phasor" 0.99 "$visible"
click "$phasor" 72 24 # "Start W1/Menu"
check "the animation runs" wait_for moving "$phasor"
click "$phasor" 72 24 # "Menu"
menu=$(find_window "$menu_title")
click "$menu" 108 284 # "Huyghenssches Prinzip"
huygens=$(find_window "$huygens_title")
check "Huygens window fills the work area" wait_for frame_fits "$huygens" 1 "$visible"
check "the wave field is drawn" wait_for field_drawn "$huygens"
xdotool windowactivate --sync "$huygens" key ctrl+s
xdotool windowactivate --sync "$(find_window 'Bild speichern')" key Return
saved() { compgen -G "$user/Pictures/wellenzeiger-huygens-*.png" >/dev/null; }
check "Ctrl+S writes a PNG into the pictures folder" wait_for saved
click "$huygens" 280 12 # "Menu"
click "$(find_window "$menu_title")" 104 516 # "Ende"
check '"Ende" ends the program with status 0' wait "$pid"
check "no failure reported" test ! -s "$log"

# What the program ignores in its settings goes into the log once per change of the file.
settings=$user/AppData/Roaming/wellenzeiger/wellenzeiger.ini
mkdir -p "${settings%/*}"
rm -f "${log%/*}/wellenzeiger.ini.gemeldet" # what the last run remembered
printf '[Beamer]\r\nFarbe=rot\r\n' >"$settings"
start_and_close() {
    start_program
    menu=$(find_window "$menu_title")
    wait_for frame_fits "$menu" 0 "$visible" >/dev/null
    wmctrl -i -c "$menu"
    wait "$pid"
}
reported() { test "$(grep -c 'Einstellungen Beamer/Farbe in .* unbekannt' "$log")" = "$1"; }
start_and_close
start_and_close
check "ignored settings are reported once, not at every start" reported 1
printf '[Beamer]\r\nFarbe=blau\r\n' >"$settings"
start_and_close
check "and once more after a change of the file" reported 2
rm "$settings"

# The log keeps its newest 200 lines.
seq -f 'alt %g' 300 >"$log"
rm -r "${exe%/*}/translations"
wine "$exe" --version >/dev/null
check "a failure goes to the log file" grep -q 'Qt-Übersetzung qtbase_de nicht gefunden' "$log"
kept() { test "$(grep -c '' "$log")" = 200 -a "$(head -n 1 "$log" | tr -d '\r')" = 'alt 102'; }
check "the log keeps its newest 200 lines" kept

folder=$user/AppData/Local/Programs/Wellenzeiger
link="$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Wellenzeiger.lnk"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\wellenzeiger'
registered() { wine reg query "$key" >/dev/null 2>&1; }
installed() { test -f "$folder/wellenzeiger.exe" -a -f "$link" && registered; }
removed() { test ! -e "$folder" -a ! -e "$link" && ! registered; }
wine "$setup" /S
check "the installer installs, links and registers" installed
exe=$folder/wellenzeiger.exe
start_program
menu_shown() { find_window "$menu_title" >/dev/null; }
check "the installed program starts" menu_shown
wineserver -k
wine "$folder/uninstall.exe" /S
check "the uninstaller removes all it installed" wait_for removed
echo "$passed passed, 0 failed"
