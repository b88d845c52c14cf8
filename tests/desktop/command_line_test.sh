#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# --version, --help and a mistyped option answer at once while another numora runs: the right
# exit status and text, nothing sent to the running copy and no second window.
set -u
. "$(dirname "$0")/x_session.sh"
start_x
start_numora

# args, expected status, a regular expression the output must match
while IFS='|' read -r args status pattern; do
    out=$(timeout 2 "$numora" $args 2>&1)
    got=$?
    [ "$got" -eq 124 ] && { fail "numora $args did not answer within 2 seconds"; continue; }
    [ "$got" -eq "$status" ] || fail "numora $args exited $got, not $status"
    [[ "$out" =~ $pattern ]] || fail "numora $args printed: $out"
    [ "$status" -eq 0 ] || [ "$(wc -l <<<"$out")" -eq 1 ] || fail "numora $args: the error is not one line"
    [ "$(xdotool search --onlyvisible --name '^Numora$' | wc -l)" -eq 1 ] || fail "numora $args opened a window"
done <<ROWS
--version|0|^numora ${NUMORA_VERSION:?}\$
-v|0|^numora ${NUMORA_VERSION:?}\$
--help|0|^Usage: numora .*--dir DIR.*--version
--dir $home/data --help|0|^Usage: numora
--frobnicate|2|^numora: unknown option --frobnicate
-x|2|^numora: unknown option -x
stray|2|^numora: unexpected argument stray
--dir|2|^numora: --dir needs a folder
ROWS
grep -q "brought forward" "$home/numora.log" && fail "an answer reached the running copy"
kill -0 "$numora_pid" 2>/dev/null || fail "the running copy ended"
finish
