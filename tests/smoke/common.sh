# Sourced by the smoke scripts once `program` is set, under xvfb-run: a
# desktop with openbox, the program in the background with its output kept,
# and the helpers to find, check and close its windows.
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

# The window manager is up once it has announced the work area (PANEL-HEIGHT at its top).
start_window_manager() {
    openbox --sm-disable >"$wm_log" 2>&1 &
    helpers+=($!)
    wait_for root_property _NET_WORKAREA "= 0, ${1:-0}," || {
        xprop -root _NET_WORKAREA; cat "$wm_log"; exit 1; }
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
