#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Always On Top under a real window manager (openbox): ticking it, unticking it, and a modal
# window opened and closed while it is ticked change the layer of the same native window, which
# stays shown and keeps the keyboard: a key typed right after reaches the display.
set -u
. "$(dirname "$0")/x_session.sh"
need xprop xwininfo xclip
start_x
start_window_manager
start_numora
first=$wid

above() { xprop -id "$wid" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
expect() {  # step, "above" or "normal"
    sleep 0.3
    now=$(xdotool search --onlyvisible --name '^Numora$' | head -n 1)
    [ "$now" = "$first" ] || fail "$1: the main window is a new native window ($first became $now)"
    xwininfo -id "$first" | grep -q 'IsViewable' || fail "$1: the main window is not shown"
    if [ "$2" = above ]; then above || fail "$1: not above the others"; else ! above || fail "$1: still above"; fi
}
typed() {  # step, key, expected display
    xdotool key --delay 20 Delete "$2"
    got=$(copied)
    [ "$got" = "$3" ] || fail "$1: typed $2, the display gave '$got'"
}

xdotool key ctrl+t
expect "ticked" above
typed "ticked" 7 7
xdotool key ctrl+t
expect "unticked" normal
typed "unticked" 8 8
xdotool key ctrl+t
expect "ticked again" above

# Help Topics, the first item of the Help menu, is modal.
xdotool key alt+h Return
modal=$(timeout 5 xdotool search --sync --onlyvisible --name '^Calculator Help$' | head -n 1)
[ -n "$modal" ] || fail "the help window did not open"
expect "modal open" normal
xdotool windowactivate --sync "$modal" key alt+F4
timeout 5 bash -c "while xwininfo -id $modal 2>/dev/null | grep -q IsViewable; do sleep 0.05; done" ||
    fail "the help window did not close"
expect "modal closed" above
typed "modal closed" 9 9
finish
