# Sourced by the smoke scripts once `program` and `closer` are set: the
# program runs in the background with its output kept, and must end cleanly.
export XDG_RUNTIME_DIR=$(mktemp -d)
output=$(mktemp)
cleanup() { rm -rf "$XDG_RUNTIME_DIR" "$output"; }
trap 'cleanup' EXIT
# A server that has just started may refuse the first connections.
for _ in $(seq 50); do xprop -root >/dev/null 2>&1 && break; sleep 0.1; done

start_program() {
    "$program" >"$output" 2>&1 &
    pid=$!
}
find_window() { timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1; }

# Closes the window through the window system; the program must then exit
# with status 0 within 20 s, having printed nothing.
close_and_expect_clean_end() {
    "$closer" "$1"
    local status=0
    timeout 20 tail --pid="$pid" -f /dev/null || { kill "$pid"; echo "program did not end"; exit 1; }
    wait "$pid" || status=$?
    if [ -s "$output" ]; then
        echo "the program printed:"; cat "$output"; exit 1
    fi
    exit "$status"
}
