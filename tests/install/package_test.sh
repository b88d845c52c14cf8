#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Debian package of this build: apt-get installs it, the installed numora is on the PATH and
# shows its window, and apt-get remove leaves none of its files behind. It installs into the
# system, so it runs only as root (as CI does, on a machine thrown away afterwards) and never
# leaves the package installed.
set -u
build=$1
[ "$(id -u)" -eq 0 ] || { echo "SKIP: installing a package needs root"; exit 77; }
for tool in apt-get dpkg cpack; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
if dpkg-query -W -f='${Status}' numora 2>/dev/null | grep -q 'ok installed'; then
    echo "SKIP: a numora package is installed already; it is left alone"; exit 77
fi
. "$(dirname "$0")/../desktop/x_session.sh" /usr/bin/numora
need Xvfb xdotool

packages=$(mktemp -d)
apt=(apt-get -y -q -o DPkg::Lock::Timeout=120)
remove_package() {
    dpkg-query -W -f='${Status}' numora 2>/dev/null | grep -q 'ok installed' &&
        DEBIAN_FRONTEND=noninteractive "${apt[@]}" remove numora >>"$home/apt.log" 2>&1
}
trap 'remove_package; cleanup; rm -rf "$packages"' EXIT

cpack -G DEB -B "$packages" --config "$build/CPackConfig.cmake" >"$home/cpack.log" 2>&1 ||
    { cat "$home/cpack.log"; echo "FAIL: cpack did not build the package"; exit 1; }
deb=$(echo "$packages"/numora_*.deb)
[ -f "$deb" ] || { echo "FAIL: no numora_*.deb in $packages"; exit 1; }
dpkg-deb -I "$deb" | grep -E '^ (size|Depends|Installed-Size|Version|Maintainer)'

DEBIAN_FRONTEND=noninteractive "${apt[@]}" install --no-install-recommends "$deb" >"$home/apt.log" 2>&1 ||
    { cat "$home/apt.log"; echo "FAIL: apt-get install $deb"; exit 1; }
installed=$(dpkg-query -L numora | while read -r f; do [ -d "$f" ] || echo "$f"; done)
[ "$(PATH=/usr/local/bin:/usr/bin:/bin command -v numora)" = /usr/bin/numora ] || fail "numora is not on the PATH"
grep -qx /usr/share/applications/numora.desktop <<<"$installed" || fail "no desktop entry in the menu's folder"

start_x
start_numora
kill "$numora_pid"
wait "$numora_pid" 2>/dev/null

remove_package || { cat "$home/apt.log"; fail "apt-get remove numora"; }
left=$(while read -r f; do [ -e "$f" ] && echo "$f"; done <<<"$installed")
[ -z "$left" ] || fail "left after removal: $left"
finish
