# SPDX-License-Identifier: MIT
# Sourced by the desktop tests: a private X server (Xvfb) and a throwaway home for the real
# numora. `need TOOL...` skips the test (exit 77) when a tool is missing; `start_x` starts the
# server; `start_window_manager` starts openbox on it; `start_numora` starts the program and sets $wid to its main window; `copied` presses
# Ctrl+C in it and prints the clipboard; `finish` ends the test with its status.
failed=0
numora=$1
home=$(mktemp -d)
pids=()

cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    # A program that ignores the quit signal must not hold the test past its end.
    for _ in $(seq 50); do jobs -pr | grep -q . || break; sleep 0.1; done
    for pid in "${pids[@]}"; do kill -KILL "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$home"
}
trap cleanup EXIT

need() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
    done
}

fail() { echo "FAIL: $*"; failed=1; }

start_x() {
    need Xvfb xdotool
    exec 3>"$home/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    pids+=($!)
    exec 3>&-
    for _ in $(seq 100); do [ -s "$home/display" ] && break; sleep 0.05; done
    [ -s "$home/display" ] || { echo "FAIL: Xvfb did not start"; exit 1; }
    export DISPLAY=":$(cat "$home/display")"
    export HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/share"
    export XDG_RUNTIME_DIR="$home/run"
    mkdir -p "$home/data" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
}

# openbox drops the windows that ask to be shown while it starts up: wait for its start command.
start_window_manager() {
    need openbox
    openbox --sm-disable --startup "touch $home/wm-ready" >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 200); do [ -e "$home/wm-ready" ] && return; sleep 0.05; done
    echo "FAIL: openbox did not start"; exit 1
}

start_numora() {
    "$numora" --dir "$home/data" "$@" >>"$home/numora.log" 2>&1 &
    numora_pid=$!
    pids+=($numora_pid)
    wid=$(timeout 10 xdotool search --sync --onlyvisible --name '^Numora$' | head -n 1)
    [ -n "$wid" ] || { echo "FAIL: no Numora window"; cat "$home/numora.log"; exit 1; }
    xdotool windowfocus --sync "$wid" 2>/dev/null || true
}

copied() {
    need xclip
    xdotool key --delay 20 ctrl+c
    sleep 0.2
    xclip -o -selection clipboard 2>/dev/null
}

finish() {
    [ "$failed" -eq 0 ] && echo "passed" || cat "$home/numora.log"
    exit "$failed"
}
