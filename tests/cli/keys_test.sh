#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# numora-keys end to end: the printed display line, --state, --each and the exit status.
set -u
keys=$1

. "$(dirname "$0")/check.sh"

check '14.\t' 2 plus 3 multiply 4 equal
check '*Divide by Zero*\t' 5 divide 0 equal
check '1.\t 20' 1 exp 2 0
check '3.\t\t\t\tDEGREE\tNORM\t+' --state 1 plus 2 equal
check '1.\t\n1.\t\n2.\t\n3.\t' --each 1 plus 2 equal
check '0.67\t\t\t\tDEGREE\tFIX\t÷' --state 2 divide 3 equal FxnButton:2
check 'say: 1\nsay: +\nsay: 2\nsay: = 3\n3.\t' --speak 1 plus 2 equal
# --language gives the spoken words and the decimal comma of the language; the display stays.
check 'say: 4\nsay: Kehrwert\nsay: = 0,25\n0.25\t' --language de --speak 4 Rcp equal
check 'say: 5\nsay: geteilt durch\nsay: 0\nsay: Fehler :::: Division durch Null\n*Divide by Zero*\t' --language de --speak 5 divide 0 equal
check "numora-keys $NUMORA_VERSION" --version
# Undo and Redo: across AC and a mode change, back and forth, a new key drops the redo, and the
# 101st Undo of 102 keys finds nothing left (the state after the second key stays).
check '14.\t' 2 plus 3 multiply 4 equal AC Undo
check '5.\t\t\t\tDEGREE\tNORM\t' --state 5 RadButton Undo
check '2.\t\n2.\t\n3.\t\n5.\t\n3.\t\n2.\t\n3.\t\n5.\t' --each 2 plus 3 equal Undo Undo Redo Redo
check '6.\t' 1 plus 2 Undo 5 Redo equal
check '1.\t' Undo Redo 1
check '7.\t\t\t\tDEGREE\tNORM\t+' --state 7 $(printf 'plus 1 %.0s' {1..50}) equal $(printf 'Undo %.0s' {1..101})

"$keys" 2 foo 3 >/dev/null 2>&1
[ $? -eq 2 ] || { echo "FAIL: an unknown key must exit 2"; failed=1; }
"$keys" --language xx 1 >/dev/null 2>&1
[ $? -eq 2 ] || { echo "FAIL: a language without words must exit 2"; failed=1; }
"$keys" FxnButton:15 >/dev/null 2>&1
[ $? -eq 2 ] || { echo "FAIL: a precision of 15 must exit 2"; failed=1; }
help=$("$keys" --help) && [[ $help == "Usage: numora-keys "* ]] || { echo "FAIL: --help must print the usage and exit 0"; failed=1; }
msg=$("$keys" 1 Sin:3 2>&1 >/dev/null)
case "$msg" in *Sin:3*) ;; *) echo "FAIL: the message must name the key: $msg"; failed=1;; esac

exit $failed
