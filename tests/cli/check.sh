# SPDX-License-Identifier: MIT
# Sourced by the numora-keys tests: `check EXPECTED ARGS...` runs "$keys" ARGS and compares its
# standard output with EXPECTED (printf escapes); a mismatch is reported and sets failed=1.
# Settings go to a throwaway folder, and each run without --dir gets a fresh data folder, so
# that no run sees another's files.
failed=0
if [ -z "${work:-}" ]; then
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    export XDG_CONFIG_HOME="$work/config"
fi

check() {
    local expected=$1; shift
    local got
    got=$(XDG_DATA_HOME=$(mktemp -d "$work/fresh.XXXXXX") "$keys" "$@" 2>/dev/null)
    if [ "$got" != "$(printf "$expected")" ]; then
        printf 'FAIL: numora-keys %s\n  expected: %q\n  got:      %q\n' "$*" "$(printf "$expected")" "$got"
        failed=1
    fi
}
