# Helpers for the end-to-end tests: the real program on an X server, driven
# with xdotool, read back through xclip, printing through CUPS. Sourced by
# scripts/test, whose ROOT, STARTED_PIDS, SERVICE_LOG_DIR and wait_for they
# use. Every call that talks to another process runs under `timeout`.

E2E_TITLE="Lumetra Photoelectric Effect"
PROGRAM_PID=
PROGRAM_WINDOW=
PROGRAM_LOG=

e2e_fail() {
    printf 'e2e: %s\n' "$*" >&2
    return 1
}

# The visible windows of the running program that carry its title.
program_windows() {
    timeout 5 xdotool search --all --onlyvisible --pid "$PROGRAM_PID" \
        --name "^${E2E_TITLE}\$" 2>/dev/null
}

one_program_window() {
    [[ $(program_windows | wc -l) -eq 1 ]]
}

program_ended() {
    ! kill -0 "$PROGRAM_PID" 2>/dev/null
}

window_or_end() {
    one_program_window || program_ended
}

# start_program NAME [VAR=VALUE...]: starts build/lumetra (or the program
# E2E_PROGRAM names) on $DISPLAY with those variables added, and waits for
# its main window. Sets PROGRAM_PID and PROGRAM_WINDOW; the program's output
# goes to NAME.log.
#
# A program that ends before showing its window is started again, twice at
# most: on a shared machine another X server starting on the same display
# number can make the connection fail for a moment.
start_program() {
    local name=$1 attempt
    shift
    PROGRAM_LOG=$SERVICE_LOG_DIR/$name.log
    for attempt in 1 2 3; do
        # PRINTER and LPDEST would choose CUPS's default destination for us.
        env -u PRINTER -u LPDEST QT_QPA_PLATFORM=xcb "$@" "${E2E_PROGRAM:-$ROOT/build/lumetra}" \
            >"$PROGRAM_LOG" 2>&1 </dev/null &
        PROGRAM_PID=$!
        STARTED_PIDS+=("$PROGRAM_PID")
        wait_for 20 window_or_end || break
        if program_ended; then
            printf 'e2e: the program ended at start (attempt %d):\n' "$attempt" >&2
            sed 's/^/    | /' "$PROGRAM_LOG" >&2
            stop_program
            sleep 1
            continue
        fi
        PROGRAM_WINDOW=$(program_windows)
        return 0
    done
    e2e_fail "the program's window did not appear within 20 s"
}

# stop_program: ends the program started last, by its PID, and forgets it.
stop_program() {
    local pid=$PROGRAM_PID i
    [[ -n $pid ]] || return 0
    if kill -0 "$pid" 2>/dev/null; then
        kill -TERM "$pid" 2>/dev/null || true
        for _ in $(seq 50); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -0 "$pid" 2>/dev/null && kill -KILL "$pid" 2>/dev/null
    fi
    wait "$pid" 2>/dev/null || true
    # Forgotten, so that the exit trap never signals a reused PID.
    for i in "${!STARTED_PIDS[@]}"; do
        [[ ${STARTED_PIDS[i]} == "$pid" ]] && unset 'STARTED_PIDS[i]'
    done
    STARTED_PIDS=("${STARTED_PIDS[@]}")
    PROGRAM_PID=
    PROGRAM_WINDOW=
}

has_focus() {
    [[ $(timeout 5 xdotool getwindowfocus 2>/dev/null) == "$1" ]]
}

# send_keys WINDOW KEYS: gives WINDOW the keyboard focus, as a click on it
# would (there is no window manager), then types KEYS on the keyboard, as a
# user does. (Sent to the window instead, a key that closes it leaves
# xdotool writing to a window that is gone.)
send_keys() {
    local window=$1 keys=$2
    timeout 5 xdotool windowfocus "$window" 2>/dev/null
    wait_for 5 has_focus "$window" || { e2e_fail "window $window did not get the focus"; return 1; }
    timeout 5 xdotool key --clearmodifiers "$keys" \
        || { e2e_fail "xdotool could not type $keys"; return 1; }
}

clipboard_has_png() {
    timeout 5 xclip -selection clipboard -t TARGETS -o 2>/dev/null | grep -qx 'image/png'
}

# save_clipboard_png FILE: waits for a picture on the clipboard and saves it
# as PNG. The program serves the clipboard itself, so it must still run.
save_clipboard_png() {
    wait_for 10 clipboard_has_png || { e2e_fail "no image on the clipboard within 10 s"; return 1; }
    timeout 10 xclip -selection clipboard -t image/png -o >"$1" \
        || { e2e_fail "xclip could not read the clipboard's image"; return 1; }
}

image_size() {
    identify -format '%wx%h' "$1" 2>/dev/null
}

# region_minimum FILE GEOMETRY: the darkest value, 0 to 1, in that region.
region_minimum() {
    convert "$1" -crop "$2" +repage -format '%[fx:minima]' info: 2>/dev/null
}

# nonwhite_box FILE: the bounding box WxH+X+Y of everything not near white.
nonwhite_box() {
    convert "$1" -fuzz 10% -format '%@' info: 2>/dev/null
}

# has_red FILE: whether some pixel is clearly red (an error icon).
has_red() {
    [[ $(convert "$1" -fx 'r > 0.6 && g < 0.35 && b < 0.35' -format '%[fx:maxima]' info: 2>/dev/null) == 1 ]]
}

# near A B TOLERANCE: whether the numbers A and B differ by at most TOLERANCE.
near() {
    awk -v a="$1" -v b="$2" -v t="$3" 'BEGIN { d = a - b; if (d < 0) d = -d; exit !(d <= t) }'
}
