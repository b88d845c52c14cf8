# SPDX-License-Identifier: MIT
# Sourced in place of accessibility_bus.sh by the tests that run the real numora natively under
# Wayland: a headless sway on a private session bus, with the accessibility bus at hand.
# `start_wayland [SCALE]` starts sway; `start_numora_wayland` starts the program and waits for its
# window, `window_width` tells its width; `typed TEXT` and `pressed MOD... KEY` type into the focused window; `copied` presses
# Ctrl+C in numora and prints the clipboard; `screenshot FILE` takes the whole output.
# sway refuses to start as root, and a CI clone is root's alone: as root, the test runs again as
# nobody on copies of itself and of numora, and its screenshots are copied out afterwards.
if [ "$(id -u)" -eq 0 ]; then
    command -v setpriv >/dev/null || { echo "SKIP: setpriv is not installed"; exit 77; }
    stage=$(mktemp -d /tmp/numora-wayland.XXXXXX)
    trap 'rm -rf "$stage"' EXIT
    mkdir "$stage/bin" "$stage/screenshots"
    # numora loads its plugins from its own folder.
    shopt -s nullglob
    cp "$1" "$(dirname "$1")"/libnumora_*.so "$stage/bin/"
    shopt -u nullglob
    cp -r "$(dirname "${BASH_SOURCE[0]}")" "$stage/tests"
    chown -R 65534:65534 "$stage"
    # The home and XDG folders root's run was given are closed to nobody; start_wayland sets them.
    (cd "$stage" && env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_CACHE_HOME -u XDG_RUNTIME_DIR \
        HOME="$stage" TMPDIR="$stage" NUMORA_SCREENSHOTS=${NUMORA_SCREENSHOTS:+$stage/screenshots} \
        setpriv --reuid=65534 --regid=65534 --clear-groups \
        bash "tests/$(basename "$0")" "$stage/bin/$(basename "$1")")
    status=$?
    if [ -n "${NUMORA_SCREENSHOTS:-}" ]; then
        mkdir -p "$NUMORA_SCREENSHOTS" && cp -r "$stage/screenshots/." "$NUMORA_SCREENSHOTS/"
    fi
    exit "$status"
fi
. "$(dirname "${BASH_SOURCE[0]}")/accessibility_bus.sh"
need sway swaymsg wtype wl-copy wl-paste grim
compgen -G "/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so" >/dev/null ||
    { echo "SKIP: Qt's Wayland plugin (qt6-wayland) is not installed"; exit 77; }

# The desktop stays 1024x768 in logical pixels at any scale.
output_mode() { awk -v s="$1" 'BEGIN { printf "resolution %dx%d scale %s", 1024 * s, 768 * s, s }'; }

# Live, as when the user changes it; the windows are told of the new scale.
scale_output() { timeout 5 swaymsg output HEADLESS-1 "$(output_mode "$1")" >/dev/null; }

start_wayland() {  # [scale]
    export HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/share" \
        XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home/run"
    mkdir -p "$home/data" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    unset DISPLAY WAYLAND_DISPLAY SWAYSOCK
    # sway runs its start commands once it is ready; this one reports its sockets.
    printf 'xwayland disable\noutput HEADLESS-1 %s\nexec env >%s/sway.env\n' "$(output_mode "${1:-1}")" "$home" \
        >"$home/sway.conf"
    rm -f "$home/sway.env"
    WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
        sway -c "$home/sway.conf" >"$home/sway.log" 2>&1 &
    pids+=("$!")
    for _ in $(seq 100); do grep -q '^SWAYSOCK=' "$home/sway.env" 2>/dev/null && break; sleep 0.1; done
    grep -q '^SWAYSOCK=' "$home/sway.env" 2>/dev/null || { echo "FAIL: sway did not start"; cat "$home/sway.log"; exit 1; }
    WAYLAND_DISPLAY=$(sed -n 's/^WAYLAND_DISPLAY=//p' "$home/sway.env")
    SWAYSOCK=$(sed -n 's/^SWAYSOCK=//p' "$home/sway.env")
    export WAYLAND_DISPLAY SWAYSOCK
    # With no keyboard in the seat, each wtype's own keyboard joins it with its first key already
    # sent, before the client could bind the keyboard, and that key is lost: one keyboard stays.
    wtype -s 86400000 -k Shift_L &
    pids+=("$!")
    for _ in $(seq 100); do
        timeout 5 swaymsg -t get_seats | grep -q '"type": "keyboard"' && return
        sleep 0.1
    done
    echo "FAIL: no keyboard in sway's seat"
    exit 1
}

start_numora_wayland() {
    QT_QPA_PLATFORM=wayland "$numora" --dir "$home/data" "$@" >>"$home/numora.log" 2>&1 &
    numora_pid=$!
    pids+=("$numora_pid")
    for _ in $(seq 100); do
        timeout 5 swaymsg -t get_tree | grep -q '"app_id": "numora"' && return
        kill -0 "$numora_pid" 2>/dev/null || break
        sleep 0.1
    done
    echo "FAIL: no window with app id numora"
    cat "$home/numora.log"
    exit 1
}

# The width sway gives numora's main window.
window_width() {
    timeout 5 swaymsg -t get_tree | /usr/bin/python3 -c '
import json, sys
def walk(node):
    if node.get("app_id") == "numora" and node.get("name") == "Numora":
        print(node["window_rect"]["width"])
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        walk(child)
walk(json.load(sys.stdin))'
}

focus_numora() { timeout 5 swaymsg '[app_id="numora" title="^Numora$"] focus' >/dev/null; }

typed() { timeout 10 wtype -- "$1"; }

pressed() {  # modifier... key
    local args=() mod
    for mod in "${@:1:$#-1}"; do args+=(-M "$mod"); done
    args+=(-k "${!#}")
    for mod in "${@:1:$#-1}"; do args+=(-m "$mod"); done
    timeout 10 wtype "${args[@]}"
}

# The old selection goes first, so that a copy that never comes is not read as the last one.
copied() {
    local text
    timeout 5 wl-copy --clear
    pressed ctrl c
    for _ in $(seq 20); do
        text=$(timeout 5 wl-paste -n 2>/dev/null) && [ -n "$text" ] && { printf '%s' "$text"; return; }
        sleep 0.1
    done
}

screenshot() { timeout 10 grim "$1"; }
