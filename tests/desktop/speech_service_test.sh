#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Read Out Loud through the desktop's speech service, a private speech-dispatcher: the keys and
# the result reach it as client numora and play on its device, never on numora's own; the help
# window marks each word of the Overview as the service reports it. A service that takes the
# connection and never answers does not hold up a key, and the built-in voice takes over.
set -u
. "$(dirname "$0")/accessibility_bus.sh"
. "$(dirname "$0")/speech_service.sh"
start_screen_reader_desktop
SPEECHD_LOG_LEVEL=5 start_speech_service
log="$home/speechd-log/speech-dispatcher.log"
said() { sed -n 's/^.*Queueing message |<speak>\(.*\)<\/speak>| with priority 3$/\1/p' "$log" | sed 's/<mark name="[0-9_]*"\/>//g'; }
bytes() { cat "$@" 2>/dev/null | wc -c; }

start_numora
xdotool key ctrl+a
sleep 1
before=$(bytes "$home"/speechd.raw*)
xdotool key --delay 400 7 plus 8 equal
sleep 2
[ "$(said | tr '\n' '|')" = "7|+|8|= 15|" ] || fail "the service was asked to say: $(said | tr '\n' '|')"
[ "$(bytes "$home"/speechd.raw*)" -gt "$before" ] || fail "the service played nothing"
[ -z "$(ls "$home"/numora.raw* 2>/dev/null)" ] || fail "numora opened the audio device itself"
grep -q numora_voice "/proc/$numora_pid/maps" && fail "numora loaded its built-in voice"

# The help window's Overview, read aloud: the marked word follows the text.
xdotool key alt+h Return
timeout 10 xdotool search --sync --onlyvisible --name "Help" >/dev/null || fail "no help window"
/usr/bin/python3 - <<'PYTHON' || fail "the marked word did not follow the reading"
import re
import subprocess
import sys

import pyatspi

from atspi import find, numora, pump_until

app = numora()
# The topic list opens on the Overview, not yet chosen: Space chooses it.
subprocess.run(["xdotool", "key", "space"], check=True)
box = pump_until(lambda: find(app, lambda n: n.getRoleName() == "text" and n.name == "Overview"), 5)
if box is None:
    sys.exit("no text named Overview")
content = box.queryText().getText(0, -1)
word_ends = [m.end() for m in re.finditer(r"[A-Za-z0-9]+", content)]
# The caret ends each marked word; its events carry the offset it had then.
carets = []


def on_caret(event):
    if event.source == box and (not carets or carets[-1] != event.detail1):
        carets.append(event.detail1)


pyatspi.Registry.registerEventListener(on_caret, "object:text-caret-moved")
pump_until(lambda: len(carets) >= 40, 30)
marked = [end for end in carets if end in word_ends]
print("marked:", " ".join(re.findall(r"[A-Za-z0-9]+$", content[:end])[0] for end in marked))
if len(marked) < 20:
    sys.exit(f"only {len(marked)} words marked")
# In order, each the word after the one before: none skipped, at a sentence end or elsewhere.
first = word_ends.index(marked[0])
if marked != word_ends[first:first + len(marked)]:
    sys.exit("the marked words are not the text's words in order")
PYTHON
xdotool key Escape
kill "$numora_pid" "$speechd_pid"
wait "$numora_pid" "$speechd_pid" 2>/dev/null

# A service that takes the connection and never answers.
socket="$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock"
rm -f "$socket"
/usr/bin/python3 -c '
import socket, sys, time
server = socket.socket(socket.AF_UNIX)
server.bind(sys.argv[1])
server.listen(8)
held = []
while True:
    held.append(server.accept()[0])
' "$socket" &
pids+=($!)
for _ in $(seq 50); do [ -S "$socket" ] && break; sleep 0.1; done
start_numora
/usr/bin/python3 - <<'PYTHON' || fail "a key waited for the silent service"
import subprocess
import sys
import time

from atspi import find, numora, pump_until

app = numora()
display = app and pump_until(lambda: find(app, lambda n: n.getRoleName() == "text" and n.name == "Display"))
text = display.queryText()
pressed = time.monotonic()
subprocess.run(["xdotool", "key", "5"], check=True)
while text.getText(0, -1) != "5" and time.monotonic() - pressed < 1.5:
    pass
shown = time.monotonic() - pressed
print(f"the key was shown after {shown * 1000:.0f} ms, the service still silent")
sys.exit(0 if text.getText(0, -1) == "5" else 1)
PYTHON
sleep 2.5  # past the wait for an answer: the service is given up
xdotool key --delay 300 6 7
sleep 1.5
[ "$(bytes "$home"/numora.raw*)" -gt 0 ] || fail "the built-in voice did not take over"
[ "$(grep -c "read-out uses the built-in espeak-ng voice" "$home/numora.log")" -eq 1 ] ||
    fail "the fallback was not told once on standard error"
finish
