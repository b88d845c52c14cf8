#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A copy started by a launcher with a start-up notification id hands the id to the running copy,
# which comes forward over another window and ends the launcher's start-up sequence: a "remove"
# message from its window on the root window, in as many 20-byte pieces as "remove: ID=<id>"
# and its closing NUL take. A copy started without an id ends no sequence.
set -u
. "$(dirname "$0")/x_session.sh"
need xev xmessage xprop
start_x
start_window_manager
start_numora
unset DESKTOP_STARTUP_ID XDG_ACTIVATION_TOKEN
xev -root -event property >"$home/xev.log" 2>&1 &
pids+=($!)
xmessage -name other other >/dev/null 2>&1 &
pids+=($!)
other=$(timeout 5 xdotool search --sync --onlyvisible --name '^other$' | head -n 1)
[ -n "$other" ] || { echo "FAIL: the other window did not open"; exit 1; }

active() { xprop -root _NET_ACTIVE_WINDOW | grep -oE '0x[0-9a-f]+$'; }
pieces() { grep -A1 "ClientMessage event.*window $(printf '0x%x' "$wid")," "$home/xev.log" | grep -c "($1)"; }
second_copy() {  # start-up id or nothing
    xdotool windowactivate --sync "$other" 2>/dev/null
    [ "$(active)" = "$(printf '0x%x' "$other")" ] || fail "the other window did not take the focus"
    if [ -n "$1" ]; then DESKTOP_STARTUP_ID=$1 timeout 10 "$numora" --dir "$home/data" >/dev/null 2>&1
    else timeout 10 "$numora" --dir "$home/data" >/dev/null 2>&1; fi
    [ $? -eq 0 ] || fail "the second copy ${1:+with id $1 }did not hand over"
    for _ in $(seq 40); do [ "$(active)" = "$(printf '0x%x' "$wid")" ] && break; sleep 0.05; done
    [ "$(active)" = "$(printf '0x%x' "$wid")" ] || fail "numora did not come forward ${1:+for id $1}"
    sleep 0.3
}

second_copy ""
[ "$(pieces _NET_STARTUP_INFO_BEGIN)" -eq 0 ] || fail "a copy without an id ended a start-up sequence"

id="launcher/numora-4242-host-1_TIME0"  # "remove: ID=" and the id and a NUL: 45 bytes, 3 pieces
second_copy "$id"
[ "$(pieces _NET_STARTUP_INFO_BEGIN)" -eq 1 ] || fail "the start-up sequence of $id was not ended"
[ "$(pieces _NET_STARTUP_INFO)" -eq 2 ] || fail "the remove message did not come in 3 pieces"
kill -0 "$numora_pid" 2>/dev/null || fail "the running copy ended"
finish
