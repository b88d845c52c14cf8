# SPDX-License-Identifier: MIT
# Sourced by the numora-keys tests: `check EXPECTED ARGS...` runs "$keys" ARGS and compares its
# standard output with EXPECTED (printf escapes); a mismatch is reported and sets failed=1.
failed=0

check() {
    local expected=$1; shift
    local got
    got=$("$keys" "$@" 2>/dev/null)
    if [ "$got" != "$(printf "$expected")" ]; then
        printf 'FAIL: numora-keys %s\n  expected: %q\n  got:      %q\n' "$*" "$(printf "$expected")" "$got"
        failed=1
    fi
}
