#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# numora-keys with the memory, register, statistics and constant keys, and --dir across runs.
set -u
keys=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"

. "$(dirname "$0")/check.sh"

d="$work/dir"
check '2.5\t' --dir "$d" 2 dot 5 Min
check '2.5\t\tMEM\t\tDEGREE\tNORM\t' --dir "$d" --state Mr
check '4.\t' --dir "$d" 4 Kin:7:Width
check '5.\t' --dir "$d" Kout:7 plus 1 equal
grep -q Width "$d/CalcMem.mem" || { echo "FAIL: the description did not survive"; failed=1; }
[ "$(stat -c %s "$d/CalcMem.mem")" = 1005 ] || { echo "FAIL: CalcMem.mem is not 1005 bytes"; failed=1; }
for f in "$work"/config/Numora/*.ini; do
    grep -q 'MemoryIn=2.5' "$f" || { echo "FAIL: MemoryIn not in $f"; failed=1; }
done
[ -z "$(find "$work" -path "$work/dir" -prune -o -path "$work/config" -prune -o -path "$work/fresh.*" -prune -o -type f -print)" ] ||
    { echo "FAIL: files written outside the folder and the settings"; failed=1; }

# A file-size limit fails the save with its warning: the run is not killed midway, and neither a
# temporary file nor a changed file is left.
limited="$work/limited"
check '4.\t' --dir "$limited" 4 Kin:7:Width
before=$(md5sum <"$limited/CalcMem.mem")
# The warning goes through a pipe: the limit would stop it in a file too.
(ulimit -f 0; XDG_DATA_HOME="$work/data" "$keys" --dir "$limited" 5 Kin:7:Height 2>&1 >/dev/null) | cat >"$work/limited.err"
status=${PIPESTATUS[0]}
[ "$status" -lt 128 ] || { echo "FAIL: a file-size limit killed numora-keys (status $status)"; failed=1; }
grep -q "File too large" "$work/limited.err" || { echo "FAIL: no warning for the file-size limit"; failed=1; }
[ "$(md5sum <"$limited/CalcMem.mem")" = "$before" ] || { echo "FAIL: the limited save changed CalcMem.mem"; failed=1; }
[ -z "$(find "$limited" -name '*.tmp.*')" ] || { echo "FAIL: a temporary file was left"; failed=1; }

# The tape file keeps every run's lines; --tape prints only the run's own.
check '14.\t\n2 + 3 x 4 = 14.' --dir "$d" --tape 2 plus 3 multiply 4 equal
check '4.\t\n2² = 4.' --dir "$d" --tape 2 Sqr
[ "$(tail -n 2 "$d/CalcTape.txt")" = "$(printf '2 + 3 x 4 = 14.\n2² = 4.')" ] ||
    { echo "FAIL: CalcTape.txt does not hold both runs' lines"; failed=1; }

check '2.1380899352994\t' 2 Data 4 Data 4 Data 4 Data 5 Data 5 Data 7 Data 9 Data Strd1
check '299792000.\t' Cnst:90
check '6.62607\t-34' Cnst:117
check '*Empty Data*\t' Dtn
check '2.\t' 2 Data 4 Data 9 Data Del:2 Dtn
check '5.\t' 3 Kin:1 AC 2 Mplus:1 Kout:1
check '7.\t' 7 Kin:2 AC 5 XtoK:2
check '0.\t' 3 Kin:1 AC KAC:1 Kout:1
# Undo of a key that stored or deleted through its window brings the old content back, and the
# run saves that.
check '9.\t' --dir "$d" 4 Kin:7 AC 9 Kin:7 Undo
check '4.\t' --dir "$d" Kout:7
check '3.\t' 2 Data 4 Data 9 Data Del:2 Undo Dtn
check '1.\t' 2 Data 4 Data 9 Data Del:1,3 Undo Redo Dtn
check '3.\t' 3 Kin:1 AC KAC:1 Undo Kout:1

# Data across runs: the 42-byte file, then the deleted set as the empty text.
e="$work/data-dir"
check '9.\t' --dir "$e" 2 Data 4 Data 9 Data
[ "$(stat -c %s "$e/SdfInput.sdf")" = 42 ] || { echo "FAIL: SdfInput.sdf is not 42 bytes"; failed=1; }
check '3.\t' --dir "$e" Dtn
check '*Empty Data*\t' --dir "$e" Del:1,2,3 Dtn
[ "$(stat -c %s "$e/SdfInput.sdf")" = 4 ] || { echo "FAIL: SdfInput.sdf is not the 4-byte empty text"; failed=1; }

# A damaged data file is kept aside and the run goes on.
printf '\x0c\x20\x01\x00' > "$e/SdfInput.sdf"
msg=$("$keys" --dir "$e" Dtn 2>&1 >/dev/null)
case "$msg" in *"Error No. 62:  $e/SdfInput.sdf: Input past end of file"*"kept as $e/SdfInput.sdf.bad"*) ;;
    *) echo "FAIL: no warning for a damaged file: $msg"; failed=1 ;; esac
[ -f "$e/SdfInput.sdf.bad" ] || { echo "FAIL: the damaged file was not kept aside"; failed=1; }

# Without --dir: the user's data folder, unless both files lie beside the program (a portable
# copy); the program's folder is never written to otherwise.
x="$work/xdg"
XDG_DATA_HOME="$x" "$keys" 3 Kin:2 >/dev/null 2>&1
[ -f "$x/Numora/CalcMem.mem" ] && [ -f "$x/Numora/SdfInput.sdf" ] ||
    { echo "FAIL: numora-keys without --dir did not use the data folder"; failed=1; }
[ "$(XDG_DATA_HOME="$x" "$keys" Kout:2 2>/dev/null)" = "$(printf '3.\t')" ] ||
    { echo "FAIL: the data folder's register did not come back"; failed=1; }
p="$work/portable"
mkdir -p "$p"
cp "$keys" "$p/numora-keys"
XDG_DATA_HOME="$x" "$p/numora-keys" 4 Kin:3 >/dev/null 2>&1
[ "$(ls "$p")" = numora-keys ] || { echo "FAIL: files written beside the program: $(ls "$p")"; failed=1; }
cp "$x/Numora/CalcMem.mem" "$x/Numora/SdfInput.sdf" "$p/"
XDG_DATA_HOME="$work/other" "$p/numora-keys" 5 Kin:4 >/dev/null 2>&1
[ "$(XDG_DATA_HOME="$work/other" "$p/numora-keys" Kout:4 2>/dev/null)" = "$(printf '5.\t')" ] &&
    [ ! -e "$work/other/Numora/CalcMem.mem" ] ||
    { echo "FAIL: the portable copy did not keep its files beside the program"; failed=1; }

[ $failed -eq 0 ] && echo "memory files: all passed"
exit $failed
