# Sourced by the smoke scripts under xvfb-run once `program` is set: a desktop
# with openbox, the program with its output kept, helpers for its windows.
export XDG_RUNTIME_DIR=$(mktemp -d)
output=$(mktemp)
wm_log=$(mktemp)
helpers=()
cleanup() { kill "${helpers[@]}" 2>/dev/null || true; rm -rf "$XDG_RUNTIME_DIR" "$output" "$wm_log"; }
trap 'cleanup' EXIT

wait_for() { # CONDITION...: up to 10 s
    for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done
    echo "timed out waiting for: $*"; return 1
}
root_property() { xprop -root -notype "$1" 2>/dev/null | grep -q "$2"; }
# A server that has just started may refuse the first connections.
wait_for xprop -root >/dev/null

# Starts openbox, after the panel if a panel tool and its height are given,
# and waits until the window manager has announced the work area. Either is
# started again if the new server turned it away.
start_desktop() { # [PANEL-TOOL PANEL-HEIGHT]
    local wm='' panel=''
    for _ in $(seq 100); do
        if [ $# -eq 2 ] && { [ -z "$panel" ] || ! kill -0 "$panel" 2>/dev/null; }; then
            "$1" "$2" &
            panel=$!
            helpers+=("$panel")
        fi
        if [ -z "$wm" ] || ! kill -0 "$wm" 2>/dev/null; then
            openbox --sm-disable >"$wm_log" 2>&1 &
            wm=$!
            helpers+=("$wm")
        fi
        root_property _NET_WORKAREA "= 0, ${2:-0}," && return 0
        sleep 0.1
    done
    xprop -root _NET_WORKAREA; cat "$wm_log"; exit 1
}

start_program() {
    "$program" >"$output" 2>&1 &
    pid=$!
}

# Windows come and go while xdotool walks the tree: it may fail and be asked again.
find_window() {
    local window
    for _ in $(seq 200); do
        window=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
        [ -n "$window" ] && { echo "$window"; return 0; }
        sleep 0.1
    done
    echo "no window \"$1\"" >&2; return 1
}

# Closes the window through the window manager, as its close box does; the
# program must then exit with status 0 within 20 s, having printed nothing.
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

# X Y: a place in a window's own pixels on the screen, at the device pixel
# ratio QT_SCALE_FACTOR gives.
on_screen() { awk -v x="$1" -v y="$2" -v s="${QT_SCALE_FACTOR:-1}" 'BEGIN { printf "%d %d", x * s, y * s }'; }

numbers() { sed -n 's/.*= //p' | tr -d ,; }

# WINDOW FRACTION [EXTENTS]: the frame (the window and its _NET_FRAME_EXTENTS,
# or EXTENTS: left right top bottom) lies inside the work area, at its top
# left; with a FRACTION above 0 it is that fraction of the work area's size,
# to a pixel, or at a device pixel ratio above 1 to two of the program's own
# pixels: it sees the work area and the frame rounded to those.
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
            exit !(x == a[1] && y == a[2] && x + w <= a[1] + a[3] && y + h <= a[2] + a[4] && !off)
        }' <<<"$info"
}
