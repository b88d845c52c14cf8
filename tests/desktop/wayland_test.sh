#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real numora natively under Wayland (a headless sway): its window maps with its app id; keys
# typed reach the display, also with the tape shown, whose line is saved and whose width stays
# when the window is activated again; Always On Top, which no Wayland window can ask for, is
# disabled; a second start cannot bring the window forward from another workspace and does not
# claim it did. With NUMORA_SCREENSHOTS=DIR, the face with the tape hidden and shown at scales 1
# and 2 goes into DIR for people to look at.
set -u
. "$(dirname "$0")/wayland_session.sh"
start_wayland
start_accessibility_bus
PYTHONPATH=$(cd "$(dirname "$0")" && pwd)
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0 PYTHONPATH
shots=${NUMORA_SCREENSHOTS:-}
[ -z "$shots" ] || mkdir -p "$shots"
shot() { [ -z "$shots" ] || screenshot "$shots/wayland-$1.png"; }

start_numora_wayland

typed "12+3="
got=$(copied)
[ "$got" = 15 ] || fail "typed 12+3=, the display gave '$got'"
shot 100-tape-hidden

pressed ctrl shift t
typed "9+1="
got=$(copied)
[ "$got" = 10 ] || fail "with the tape shown, typed 9+1=, the display gave '$got'"
tape="$home/data/CalcTape.txt"
for _ in $(seq 50); do grep -qF "9 + 1 = 10." "$tape" 2>/dev/null && break; sleep 0.1; done
grep -qF "9 + 1 = 10." "$tape" 2>/dev/null || fail "the tape has no line '9 + 1 = 10.': $(cat "$tape" 2>/dev/null)"
shot 100-tape-shown
shown_width=$(window_width)
focus_numora

/usr/bin/python3 - <<'EOF' || failed=1
import pyatspi
from atspi import check, find, finish, numora, pump_until

app = numora()
item = app and pump_until(lambda: find(app, lambda n: n.name.startswith("Always On Top")))
check(item, "no Always On Top item on the accessibility bus")
if item:
    states = item.getState()
    check(not states.contains(pyatspi.STATE_SENSITIVE) and not states.contains(pyatspi.STATE_ENABLED),
          "Always On Top is enabled, though no Wayland window can keep itself on top")
finish()
EOF

timeout 5 swaymsg workspace 2 >/dev/null
said=$(env -u XDG_ACTIVATION_TOKEN -u DESKTOP_STARTUP_ID QT_QPA_PLATFORM=wayland \
    timeout 20 "$numora" --dir "$home/data" 2>&1)
status=$?
[ "$status" -eq 0 ] || fail "a second start ended with $status: $said"
[[ $said == *"already running"* ]] || fail "a second start did not say numora is already running: '$said'"
[[ $said != *"was brought forward"* ]] || fail "a second start without a token claims it brought the window forward: '$said'"
kill -0 "$numora_pid" 2>/dev/null || fail "the running copy ended on a second start"
timeout 5 swaymsg workspace 1 >/dev/null
# sway gives a window that grew by itself its old size back when it is activated again.
sleep 0.3
[ "$(window_width)" = "$shown_width" ] || fail "the window with the tape was $shown_width wide, now $(window_width)"

if [ -n "$shots" ]; then
    scale_output 2
    focus_numora
    sleep 0.5
    shot 200-tape-shown
    pressed ctrl shift t
    sleep 0.5
    shot 200-tape-hidden
fi
finish
