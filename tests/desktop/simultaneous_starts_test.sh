#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Twenty copies started at once on one folder, as a double click or a script may: one window
# stays, and a register stored in it is on disk once every copy has ended. The register is
# stored as a screen reader user would: the window's "register in" key pressed over the
# accessibility bus, the memory window accepted with Return.
set -u
. "$(dirname "$0")/accessibility_bus.sh"
keys_program="$(dirname "$numora")/numora-keys"
start_screen_reader_desktop

copies=()
for _ in $(seq 20); do
    "$numora" --dir "$home/data" >>"$home/numora.log" 2>&1 &
    copies+=($!)
    pids+=($!)
done
alive() { for pid in "${copies[@]}"; do kill -0 "$pid" 2>/dev/null && echo "$pid"; done; }
for _ in $(seq 200); do [ "$(alive | wc -l)" -le 1 ] && break; sleep 0.1; done
sleep 0.5
[ "$(alive | wc -l)" -eq 1 ] || fail "$(alive | wc -l) copies stayed"
survivor=$(alive | head -n 1)

wid=$(timeout 10 xdotool search --sync --onlyvisible --name '^Numora$' | head -n 1)
[ -n "$wid" ] || { echo "FAIL: no Numora window"; cat "$home/numora.log"; exit 1; }
xdotool windowfocus --sync "$wid" 2>/dev/null || true
xdotool key --delay 30 Delete 4 2
/usr/bin/python3 - <<'PYTHON' || fail "the register could not be stored"
import sys

from atspi import find, numora, pump_until

app = numora()
key = app and pump_until(lambda: find(app, lambda n: n.getRoleName() == "push button" and n.name == "register in"))
if not key:
    sys.exit("no key named 'register in'")
key.queryAction().doAction(0)
PYTHON
dialog=$(timeout 10 xdotool search --sync --onlyvisible --name "^Memory" | head -n 1)
[ -n "$dialog" ] || fail "the memory window did not open"
xdotool windowfocus --sync "$dialog" 2>/dev/null || true
# The memory window opens on Reg-001 unselected: Space selects it, Return saves.
xdotool key --delay 30 space Return
sleep 0.5
kill "$survivor"
for _ in $(seq 100); do [ -z "$(alive)" ] && break; sleep 0.1; done
[ -z "$(alive)" ] || fail "a copy did not end"
recalled=$("$keys_program" --dir "$home/data" Kout:1 2>&1)
[ "$recalled" = "$(printf '42.\t')" ] || fail "register 1 holds '$recalled' after every copy ended"
finish
