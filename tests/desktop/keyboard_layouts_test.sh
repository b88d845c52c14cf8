#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The same calculations typed on German, French and US layouts, as real key events on a real X
# server, give the same results: read back through Copy.
set -u
. "$(dirname "$0")/x_session.sh"
need setxkbmap xclip
start_x

# layout, keysyms typed after Delete (AC), result; each layout's own keysyms for its keys. The
# zoom's chords between them are the View menu's and change no result. "^" is a dead key on the
# German and French layouts, often followed by a space to print it.
cases=(
    "us|2 plus 3 equal|5"
    "us|1 comma 5 asterisk 2 equal|3"
    "us|1 period 5 asterisk 2 Return|3"
    "us|KP_1 KP_Decimal KP_5 KP_Multiply KP_2 KP_Enter|3"
    "us|2 plus ctrl+plus 3 ctrl+equal ctrl+KP_Add ctrl+minus ctrl+KP_Subtract ctrl+0 ctrl+KP_0 equal|5"
    "us|2 asciicircum 1 0 equal|1024"
    "us|1 e 3 equal|1000"
    "de|2 plus 3 equal|5"
    "de|2 plus 3 equal 4 Return|4"
    "de|1 comma 5 asterisk 2 equal|3"
    "de|KP_1 KP_Separator KP_5 KP_Multiply KP_2 KP_Enter|3"
    "de|2 plus ctrl+plus 3 ctrl+equal ctrl+minus ctrl+0 equal|5"
    "de|2 dead_circumflex 1 0 Return|1024"
    "de|2 dead_circumflex space 1 0 Return|1024"
    "fr|2 plus 3 equal|5"
    "fr|1 comma 5 asterisk 2 equal|3"
    "fr|3 8 4 Return|384"
    "fr|1 2 3 4 5 6 7 8 9 0|1234567890"
    "fr|5 ampersand eacute parenleft egrave underscore ccedilla agrave|5"
    "fr|KP_1 KP_Decimal KP_5 KP_Multiply KP_2 KP_Enter|3"
    "fr|2 plus ctrl+plus 3 ctrl+equal ctrl+minus ctrl+0 equal|5"
    "fr|2 dead_circumflex space 1 0 Return|1024"
    "fr|1 E 3 Return|1000"
)
current=""
for row in "${cases[@]}"; do
    IFS='|' read -r layout keys expected <<<"$row"
    if [ "$layout" != "$current" ]; then
        [ -n "$current" ] && { kill "$numora_pid"; wait "$numora_pid" 2>/dev/null; }
        setxkbmap "$layout" || { echo "FAIL: setxkbmap $layout"; exit 1; }
        start_numora
        current=$layout
    fi
    # shellcheck disable=SC2086
    xdotool key --delay 20 Delete $keys
    got=$(copied)
    [ "$got" = "$expected" ] || fail "$layout: $keys gave '$got', expected '$expected'"
done
finish
