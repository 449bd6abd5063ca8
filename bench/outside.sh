#!/usr/bin/env bash
# The figures measured from outside the program, on a real X server (run
# under xvfb-run): start-up to the mapped menu window, and the peak resident
# memory with both demonstration windows open and the animation running.
#   outside.sh BUILD-DIR
set -euo pipefail
build=$1
program=$build/wellenzeiger
menu_name='Huyghenssches Prinzip - Zeigerformalismus'
export XDG_RUNTIME_DIR=$(mktemp -d)
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT

median() { sort -n | awk '{ v[NR] = $1 } END { m = int((NR + 1) / 2); print (NR % 2 ? v[m] : (v[m] + v[m + 1]) / 2) }'; }

# The first start fills the file caches; it is not counted.
"$build/bench/startup_probe" "$menu_name" "$program" >/dev/null
for _ in $(seq 9); do
    "$build/bench/startup_probe" "$menu_name" "$program"
done | median | xargs printf 'startup_ms %.0f ms\n'

find_window() { timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1; }
"$program" >/dev/null 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$XDG_RUNTIME_DIR"' EXIT
menu=$(find_window "$menu_name")
# "Huyghenssches Prinzip": the Huygens window opens over the menu window and
# draws its field; "Zeigerformalismus" then opens the phasor window, whose
# "Start W1/Menu" starts the animation. The positions are the buttons' centres.
xdotool mousemove --window "$menu" 108 284 click 1
find_window ' Huygen-Fresnel Prinzip und Zeigerdarstellung' >/dev/null
sleep 2
xdotool windowraise "$menu" mousemove --window "$menu" 116 100 click 1
phasor=$(find_window 'Superposition von Wellen - Phasenzeiger')
sleep 0.5
xdotool mousemove --window "$phasor" 72 24 click 1
sleep 3
# The animation must be running: the program uses processor time.
ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
before=$(ticks)
sleep 1
if (($(ticks) - before < 2)); then
    echo "outside.sh: the animation does not run" >&2
    exit 1
fi
awk '/^VmHWM/ { printf "rss_mb %.0f MB\n", $2 / 1024 }' "/proc/$pid/status"
