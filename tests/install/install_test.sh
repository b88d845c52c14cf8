#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# `cmake --install` into a throwaway prefix lays down exactly the programs, the desktop entry,
# the icons, the metainfo and the man pages; the desktop's own validators accept them, the man
# pages render without warnings and the installed programs run.
set -u
build=$1
for tool in desktop-file-validate appstreamcli man identify; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
failed=0
fail() { echo "FAIL: $*"; failed=1; }
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1 || { cat "$prefix.log"; fail "cmake --install failed"; }
rm -f "$prefix.log"
sizes="16 24 32 48 64 128 256"
expected=$( {
    printf '%s\n' bin/numora bin/numora-keys lib/numora/libnumora_speechd.so lib/numora/libnumora_voice.so share/applications/numora.desktop \
        share/icons/hicolor/scalable/apps/numora.svg share/metainfo/org.numora.Numora.metainfo.xml \
        share/man/man1/numora.1 share/man/man1/numora-keys.1
    for size in $sizes; do echo "share/icons/hicolor/${size}x$size/apps/numora.png"; done
} | sort)
got=$(cd "$prefix" && find . -type f -printf '%P\n' -o -type l -printf '%P\n' | sort)
[ "$got" = "$expected" ] || fail "installed files differ from the list:$(diff <(echo "$expected") <(echo "$got") | grep '^[<>]')"

desktop=$prefix/share/applications/numora.desktop
out=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$out" ] || fail "desktop-file-validate: $out"
grep -qx 'Categories=Utility;Calculator;' "$desktop" || fail "the desktop entry's categories"
grep -qx 'StartupNotify=true' "$desktop" || fail "the desktop entry does not promise startup notification"
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$prefix/bin/$exec_name" ] || fail "the desktop entry starts '$exec_name', which is not installed"
icon_name=$(sed -n 's/^Icon=//p' "$desktop")
[ -e "$prefix/share/icons/hicolor/scalable/apps/$icon_name.svg" ] || fail "the desktop entry's icon '$icon_name' is not installed"

metainfo=$prefix/share/metainfo/org.numora.Numora.metainfo.xml
appstreamcli validate --no-net "$metainfo" >"$prefix/validate" 2>&1 || fail "appstreamcli validate: $(cat "$prefix/validate")"
grep -q "<launchable type=\"desktop-id\">numora.desktop</launchable>" "$metainfo" || fail "the metainfo does not launch numora.desktop"
grep -q "<release version=\"$NUMORA_VERSION\"" "$metainfo" || fail "the metainfo's release is not $NUMORA_VERSION"

for size in $sizes; do
    png=$prefix/share/icons/hicolor/${size}x$size/apps/numora.png
    [ "$(identify -format '%wx%h' "$png" 2>&1)" = "${size}x$size" ] || fail "$png is not $size pixels square"
done

for page in numora numora-keys; do
    file=$prefix/share/man/man1/$page.1
    warnings=$(MANWIDTH=80 man --warnings -l "$file" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man $page: $warnings"
    MANWIDTH=80 man -l "$file" 2>/dev/null | grep -q "EXIT STATUS" || fail "man $page has no EXIT STATUS"
    grep -q "$NUMORA_VERSION" "$file" || fail "man $page does not name version $NUMORA_VERSION"
done

[ "$("$prefix/bin/numora" --version)" = "numora $NUMORA_VERSION" ] || fail "the installed numora --version"
[ "$("$prefix/bin/numora-keys" --dir "$prefix/data" 2 plus 3 equal)" = "$(printf '5.\t')" ] ||
    fail "the installed numora-keys does not calculate"
[ "$failed" -eq 0 ] && echo passed
exit "$failed"
