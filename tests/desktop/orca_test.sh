#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# What a blind user hears: Orca itself, headless, reads numora over the accessibility bus and
# speaks through a private speech-dispatcher into an ALSA file; its debug log says what it sent
# to speech. Read Out Loud and Orca together say a result once.
set -u
. "$(dirname "$0")/accessibility_bus.sh"
. "$(dirname "$0")/speech_service.sh"
need orca
# Orca runs once per user: the user's own screen reader is never replaced by the test's.
pgrep -u "$(id -u)" -x orca >/dev/null && { echo "SKIP: Orca already runs for this user"; exit 77; }
start_x

start_accessibility_bus
SPEECHD_LOG_LEVEL=5 start_speech_service
log="$home/orca.log"
/usr/bin/python3 "$(dirname "$0")/orca_log.py" "$log" &
orca_pid=$!
pids+=($orca_pid)

# Orca's lines sent to speech after byte offset $1.
spoken_since() { tail -c +"$(($1 + 1))" "$log" 2>/dev/null | sed -n "s/^.*SPEECH OUTPUT: '\(.*\)' \?\[\?{'.*$/\1/p"; }
# Waits until Orca has said a line matching the pattern (case-insensitive) since offset $1,
# at most $3 tenths of a second.
await_spoken() {
    for _ in $(seq "${3:-100}"); do spoken_since "$1" | grep -qi -- "$2" && return 0; sleep 0.1; done
    return 1
}
mark() { stat -c %s "$log"; }
# What numora asked the speech service to say: its utterances carry marks named "<position>_<length>".
numora_said() { grep -c 'Queueing message |<speak><mark name="[0-9]*_[0-9]*"/>' "$home/speechd-log/speech-dispatcher.log"; }
# Waits until numora has asked for nothing more for a while.
speech_settled() {
    local before=-1
    for _ in $(seq 40); do
        sleep 0.3
        [ "$(numora_said)" -eq "$before" ] && return
        before=$(numora_said)
    done
}

await_spoken 0 "Screen reader on" 600 || { tail -n 30 "$log"; echo "FAIL: orca did not start"; exit 1; }
start=$(mark)
start_numora
await_spoken "$start" "^0\.\?$" || fail "on focus, the display's value: $(spoken_since "$start" | tr '\n' '|')"
spoken_since "$start" | grep -q "^Display read only text" || fail "on focus, the display named: $(spoken_since "$start" | tr '\n' '|')"

# Each row: keys after Delete (AC), a line Orca must speak for them.
rows=(
    "7 plus 8 equal|^15$"
    "5 slash 0 equal|^Divide by Zero$"
    "ctrl+r|RADIAN$"
    "F2|2nd Function$"
    "2 parenleft|No brackets: Numora evaluates by priority as you key$"
    "F1 2 asterisk 3 equal|^6$"
)
for row in "${rows[@]}"; do
    typed=${row%%|*} expected=${row#*|}
    xdotool key Delete
    sleep 0.5
    from=$(mark)
    # shellcheck disable=SC2086
    xdotool key --delay 100 $typed
    await_spoken "$from" "$expected" || fail "$typed: no '$expected' in: $(spoken_since "$from" | tr '\n' '|')"
done

# Read Out Loud on: the result once, by Orca while the display has the focus, else by numora;
# by numora too once Orca has gone, though the accessibility bus stays.
xdotool key ctrl+a Delete
for case in display key gone; do
    case $case in
        key) xdotool key Tab ;;
        gone)
            kill "$orca_pid"
            for _ in $(seq 100); do pgrep -u "$(id -u)" -x orca >/dev/null || break; sleep 0.1; done
            xdotool key shift+Tab ;;
    esac
    sleep 0.5
    xdotool key --delay 100 Delete 7 plus 8
    speech_settled
    before=$(numora_said) from=$(mark)
    xdotool key equal
    sleep 1
    speech_settled
    heard=$(spoken_since "$from" | grep -c "^15$")
    said=$(($(numora_said) - before))
    if [ "$case" = display ]; then
        [ "$heard" -eq 1 ] && [ "$said" -eq 0 ] || fail "read-out, $case: Orca said 15 $heard times, numora $said times"
    else
        [ "$heard" -eq 0 ] && [ "$said" -gt 0 ] || fail "read-out, $case: Orca said 15 $heard times, numora $said times"
    fi
done
# A hint is heard from numora's voice too once no screen reader presents it.
before=$(numora_said)
xdotool key parenleft
speech_settled
grep -q '_8"/>brackets' "$home/speechd-log/speech-dispatcher.log" && [ "$(numora_said)" -gt "$before" ] ||
    fail "read-out: numora did not say the bracket hint"

if grep -q "Traceback" "$log"; then
    grep -A 20 "Traceback" "$log" | head -40
    fail "an error in Orca's handlers"
fi
finish
