#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Numora as a screen reader sees it over the accessibility bus: the display object's text after
# keyed calculations, one text change per key, spoken key names, the named tabs and precision list.
set -u
# A private session bus of its own, with the accessibility bus launched on it.
if [ -z "${NUMORA_A11Y_SESSION:-}" ]; then
    command -v dbus-run-session >/dev/null || { echo "SKIP: dbus-run-session is not installed"; exit 77; }
    NUMORA_A11Y_SESSION=1 exec dbus-run-session -- bash "$0" "$@"
fi
. "$(dirname "$0")/x_session.sh"
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || { echo "SKIP: at-spi2-core is not installed"; exit 77; }
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed"; exit 77; }
start_x
"$launcher" --launch-immediately >/dev/null 2>&1 &
pids+=($!)
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
start_numora
/usr/bin/python3 "$(dirname "$0")/screen_reader.py" || fail "the screen reader's checks"
finish
