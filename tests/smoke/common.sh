# Sourced by the smoke scripts under xvfb-run once `program` is set: a desktop,
# the program, helpers for its windows. The checks wait for states, never for a
# time; each wait gives up after WAIT_SECONDS (60: the sanitizer build is slow).
export XDG_RUNTIME_DIR=$(mktemp -d)
output=$(mktemp)
wm_log=$(mktemp)
helpers=()
cleanup() { kill "${helpers[@]}" 2>/dev/null || true; rm -rf "$XDG_RUNTIME_DIR" "$output" "$wm_log"; }
trap 'cleanup' EXIT

wait_for() { # CONDITION...
    local deadline=$((SECONDS + ${WAIT_SECONDS:-60}))
    until "$@"; do
        if ((SECONDS >= deadline)); then echo "timed out waiting for: $*"; return 1; fi
        sleep 0.1
    done
}
fail() { # MESSAGE: the check ends with it and what the program printed
    echo "FAIL: $*"; kill "${pid:-}" 2>/dev/null || true; cat "$output"; exit 1
}
menu_title='Huyghenssches Prinzip - Zeigerformalismus'
phasor_title='Superposition von Wellen - Phasenzeiger'
huygens_title=' Huygen-Fresnel Prinzip und Zeigerdarstellung'
root_property() { xprop -root -notype "$1" 2>/dev/null | grep -q "$2"; }
# A server that has just started may refuse the first connections.
wait_for xprop -root >/dev/null

# Openbox with its configuration changed by the sed SCRIPT (a top margin stands
# for a panel), started again if the new server turned it away, up and running.
start_desktop() { # [SCRIPT]
    sed "${1:-}" /etc/xdg/openbox/rc.xml >"$XDG_RUNTIME_DIR/rc.xml"
    local wm='' deadline=$((SECONDS + ${WAIT_SECONDS:-60}))
    while ((SECONDS < deadline)); do
        if [ -z "$wm" ] || ! kill -0 "$wm" 2>/dev/null; then
            openbox --sm-disable --config-file "$XDG_RUNTIME_DIR/rc.xml" >"$wm_log" 2>&1 &
            wm=$!
            helpers+=("$wm")
        fi
        root_property _NET_WORKAREA = && return 0
        sleep 0.1
    done
    xprop -root _NET_WORKAREA; cat "$wm_log"; exit 1
}

start_program() {
    "$program" >"$output" 2>&1 &
    pid=$!
}

# Windows come and go while xdotool walks the tree: it may fail and be asked again.
window_named() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }
find_window() { # CAPTION: the window once it is shown
    wait_for shown "$1" >/dev/null && window_named "$1" || { echo "no window \"$1\"" >&2; return 1; }
}
shown() { [ -n "$(window_named "$1")" ]; }
hidden() { [ -z "$(window_named "$1")" ]; }

# Qt gives a message box a fixed size; a file dialog of the same caption can be resized.
dialog_kind() { # WINDOW: "message" or "file"
    xprop -id "$1" WM_NORMAL_HINTS | awk '
        /minimum size:/ { least = $(NF - 2) "x" $NF } /maximum size:/ { most = $(NF - 2) "x" $NF }
        END { print least != "" && least == most ? "message" : "file" }'
}
find_dialog() { # CAPTION KIND: the dialog once it is shown, which must be of that kind
    local dialog kind
    dialog=$(find_window "$1") || return 1
    kind=$(dialog_kind "$dialog")
    [ "$kind" = "$2" ] || { echo "\"$1\" is a $kind box, not a $2 dialog" >&2; return 1; }
    echo "$dialog"
}

# The keyboard focus to WINDOW, the window manager's active window before any key follows.
focus() { # WINDOW
    xdotool windowfocus --sync "$1"
    wait_for active_window_is "$1" >/dev/null || fail "window $1 does not become the active window"
}
keys() { # WINDOW KEYS...
    focus "$1"
    xdotool key "${@:2}"
}
active_window_is() { [ "$(xprop -root -notype _NET_ACTIVE_WINDOW | sed 's/.*# //')" = "$(printf '0x%x' "$1")" ]; }
click() { # WINDOW X Y [BUTTON]
    xdotool mousemove --window "$1" "$2" "$3" click "${4:-1}"
}
size_of() { xwininfo -id "$1" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }'; }

# Pictures of the screen: the last shot of a window, and what it shows.
shot_file=$XDG_RUNTIME_DIR/shot.png
shot() { import -window "$1" "$shot_file"; }
first_dark() { # Y X0 WIDTH: the first dark column of X0 to X0 + WIDTH in row Y of the last shot
    convert "$shot_file" -crop "$3x1+$2+$1" +repage -colorspace gray txt:- |
        awk -F, -v x0="$2" 'NR > 1 && !found { g = $0; sub(/.*gray\(/, "", g)
            if (g + 0 < 96) { print x0 + $1; found = 1 } }'
}
dark_pixels() { # W H X Y: how many pixels of that part of the last shot are dark
    convert "$shot_file" -crop "$1x$2+$3+$4" +repage -colorspace gray -threshold 37% \
        -format '%[fx:round(w*h*(1-mean))]' info:
}
red_at() { # X Y of the last shot
    convert "$shot_file" -crop "1x1+$1+$2" +repage txt:- | tail -n 1 |
        sed 's/.*: (\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/' |
        awk '{ exit !($1 > 200 && $2 < 100 && $3 < 100) }'
}
moving() { # WINDOW: two shots of it in a row differ
    import -window "$1" "$XDG_RUNTIME_DIR/before.png" && shot "$1" &&
        [ "$(compare -metric AE "$XDG_RUNTIME_DIR/before.png" "$shot_file" null: 2>&1)" != 0 ]
}

# The Huygens window's field: x -300..3700 over its width, y -1500..1425 over its height.
field_pixel() { # WINDOW X Y: the pixel of a point of the field
    size_of "$1" | awk -F x -v x="$2" -v y="$3" '{ printf "%d %d", (x + 300) * $1 / 4000, (y + 1500) * $2 / 2925 }'
}
field_x() { # WINDOW COLUMN: the field's x at a column of the window
    size_of "$1" | awk -F x -v c="$2" '{ printf "%g", c * 4000 / $1 - 300 }'
}
# The first drawing of the field has come to the rings at its right edge (radius 3800).
field_drawn() { # WINDOW
    local x top bottom
    read -r x top < <(field_pixel "$1" 3700 500)
    read -r x bottom < <(field_pixel "$1" 3700 1300)
    shot "$1" && [ "$(dark_pixels 3 $((bottom - top)) $((x - 3)) "$top")" -gt 0 ]
}
# A scan at field x has ended: the cut red above the plot, not just a ray's start there.
scanned_at() { # WINDOW X
    local y
    shot "$1" && for y in -1300 -900 -500; do red_at $(field_pixel "$1" "$2" "$y") || return 1; done
}

# Closes the window as its close box does: a clean end within 20 s, nothing printed.
close_and_expect_clean_end() {
    wmctrl -i -c "$1"
    local status=0
    timeout 20 tail --pid="$pid" -f /dev/null || { kill "$pid"; echo "program did not end"; exit 1; }
    wait "$pid" || status=$?
    if [ -s "$output" ]; then
        echo "the program printed:"; cat "$output"; exit 1
    fi
    exit "$status"
}

numbers() { sed -n 's/.*= //p' | tr -d ,; }

# WINDOW FRACTION [EXTENTS: left right top bottom]: the frame lies inside the work
# area, at its top left unless FRACTION is below 0, and is FRACTION (above 0) of
# its size to a pixel, or to two of the program's pixels at a ratio above 1.
frame_fits() {
    local info extents work
    info=$(xwininfo -id "$1")
    extents=${3:-$(xprop -id "$1" -notype _NET_FRAME_EXTENTS | numbers)}
    work=$(xprop -root -notype _NET_WORKAREA | numbers)
    awk -v fraction="$2" -v extents="${extents:-0 0 0 0}" -v work="$work" \
        -v ratio="${QT_SCALE_FACTOR:-1}" '
        /Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
        /Width:/ { w = $NF } /Height:/ { h = $NF }
        function far(value, target) {
            return value - target > slack || target - value > slack
        }
        BEGIN { slack = ratio > 1 ? 2 * ratio : 1 }
        END {
            split(extents, e, " "); split(work, a, " ")
            x -= e[1]; y -= e[3]; w += e[1] + e[2]; h += e[3] + e[4]
            off = fraction > 0 && (far(w, fraction * a[3]) || far(h, fraction * a[4]))
            printf "frame %d,%d %dx%d; work area %d,%d %dx%d\n", x, y, w, h, a[1], a[2], a[3], a[4]
            corner = fraction < 0 || x == a[1] && y == a[2]
            exit !(corner && x >= a[1] && y >= a[2] && x + w <= a[1] + a[3] && y + h <= a[2] + a[4] && !off)
        }' <<<"$info"
}
